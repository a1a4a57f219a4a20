# Sourced by the suites that run the built programs as a user would. Set `work` to a
# scratch directory first; the script's `app`, `wm` and `xvfb` processes and `work` go on
# exit.

passed=0 failed=0

cleanup() {
    [ -n "${app:-}" ] && kill "$app" 2>/dev/null
    [ -n "${wm:-}" ] && kill "$wm" 2>/dev/null
    [ -n "${xvfb:-}" ] && kill "$xvfb" 2>/dev/null
    rm -rf "$work"
}
trap cleanup EXIT

# check WHAT COMMAND...: counts COMMAND's success, names WHAT when it fails.
check() {
    local what=$1
    shift
    if "$@"; then
        passed=$((passed + 1))
    else
        failed=$((failed + 1))
        echo "FAIL: $what"
    fi
}

# summary NAME: the closing count, and the script's status.
summary() {
    echo "$1: $passed passed, $failed failed"
    [ "$failed" -eq 0 ]
}

# An Xvfb display of 1024 x 768, exported as DISPLAY, with nothing of the caller's
# session that would change how the program starts.
start_display() {
    Xvfb -displayfd 5 -screen 0 1024x768x24 -nolisten tcp 5>"$work/display" 2>/dev/null &
    xvfb=$!
    for _ in $(seq 100); do [ -s "$work/display" ] && break; sleep 0.1; done
    export DISPLAY=:$(cat "$work/display")
    unset QT_QPA_PLATFORM WAYLAND_DISPLAY LCDCRT_SIM_ID LCDCRT_SIM_EXIT_AFTER
}

# wait_title WINDOW TITLE [SECONDS]: until the window is titled TITLE (10 s by default).
wait_title() {
    local deadline=$((SECONDS + ${3:-10}))
    until [ "$(xdotool getwindowname "$1" 2>/dev/null)" = "$2" ]; do
        [ $SECONDS -lt $deadline ] || return 1
        sleep 0.1
    done
}
