#!/bin/sh
# Bad replay scripts: status 2, one line naming the line; a good one prints a line per state.
set -u
DRIVER="$1/escape-house-replay"
failures=0
fail() { echo "FAIL: $1"; failures=$((failures + 1)); }

expect_refusal() {  # SCRIPT TEXT, LINE NUMBER
    output=$(printf '%s\n' "$1" | "$DRIVER" - 2>&1 >/dev/null)
    status=$?
    [ "$status" -eq 2 ] || fail "'$1' ended with status $status, expected 2"
    case "$output" in *"line $2:"*) ;; *) fail "'$1' said '$output', not naming line $2" ;; esac
    [ "$(printf '%s\n' "$output" | wc -l)" -eq 1 ] || fail "'$1' printed more than one line"
}
expect_refusal "# a comment

frame
key" 4
for script in jump "click left 10" "click thumb 10 10" "advance -5" "advance soon" \
    "resize 800" "key nothing" "key 300" "state now"; do
    expect_refusal "$script" 1
done

lines=$(printf 'frame\nstate\nkey w\nstate\n' | "$DRIVER" - | grep -c '^{"playerX":')
[ "$lines" -eq 2 ] || fail "expected two state lines, got $lines"
output=$("$DRIVER" /nonexistent/script.replay 2>&1)
[ $? -eq 2 ] || fail "a missing script must end with status 2"
case "$output" in *"/nonexistent/script.replay"*) ;; *) fail "missing script not named: $output" ;; esac
[ "$failures" -eq 0 ]
