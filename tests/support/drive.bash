# Sourced by the scripts that run the built programs as a user would. Set `work` to a
# scratch directory first; the script's `app`, `wm` and `xvfb` processes and `work` go on
# exit.
passed=0 failed=0
trap 'kill ${app:-} ${wm:-} ${xvfb:-} 2>/dev/null || :; rm -rf "$work"' EXIT

# check WHAT COMMAND...: counts COMMAND's success, names WHAT when it fails.
check() {
    if "${@:2}"; then passed=$((passed + 1)); else failed=$((failed + 1)) && echo "FAIL: $1"; fi
}

# sections NAME...: the accesses of these sections of tests/data/expected-accesses.txt, in
# order, one a line as a port log writes them.
sections() {
    local name
    for name; do
        awk -v want="[$name]" '/^\[/ { on = $0 == want; next } on && /^(in|out)/ { print $1, $2, $3 }' \
            "$(dirname "${BASH_SOURCE[0]}")/../data/expected-accesses.txt"
    done
}

# logged LOG SECTION...: the port log LOG holds exactly these sections, or a diff says how not.
logged() { diff -u <(sections "${@:2}") <(sed 's/  #.*//' "$1"); }

# summary NAME: the closing count, and the script's status.
summary() {
    echo "$1: $passed passed, $failed failed"
    [ "$failed" -eq 0 ]
}
