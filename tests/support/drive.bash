# Sourced by the scripts that run the built programs as a user would. Set `work` to a
# scratch directory first; the script's `app`, `wm` and `xvfb` processes and `work` go on
# exit.
passed=0 failed=0
trap 'kill ${app:-} ${wm:-} ${xvfb:-} 2>/dev/null; rm -rf "$work"' EXIT

# check WHAT COMMAND...: counts COMMAND's success, names WHAT when it fails.
check() {
    if "${@:2}"; then passed=$((passed + 1)); else failed=$((failed + 1)) && echo "FAIL: $1"; fi
}

# summary NAME: the closing count, and the script's status.
summary() {
    echo "$1: $passed passed, $failed failed"
    [ "$failed" -eq 0 ]
}
