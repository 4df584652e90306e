#!/bin/sh
# The replay driver refuses bad scripts with status 2 and one line naming the line number.
set -u
BUILD=$1
DRIVER="$BUILD/escape-house-replay"
failures=0

expect_refusal() {  # script text, expected line number
    output=$(printf '%s\n' "$1" | "$DRIVER" - 2>&1 >/dev/null)
    status=$?
    if [ "$status" -ne 2 ]; then
        echo "FAIL: '$1' ended with status $status, expected 2"; failures=$((failures + 1)); return
    fi
    case "$output" in
        *"line $2:"*) ;;
        *) echo "FAIL: '$1' said '$output', expected it to name line $2"; failures=$((failures + 1)) ;;
    esac
    if [ "$(printf '%s\n' "$output" | wc -l)" -ne 1 ]; then
        echo "FAIL: '$1' printed more than one line: $output"; failures=$((failures + 1))
    fi
}

expect_refusal "jump" 1
expect_refusal "# a comment

frame
key" 4
expect_refusal "click left 10" 1
expect_refusal "click thumb 10 10" 1
expect_refusal "advance -5" 1
expect_refusal "advance soon" 1
expect_refusal "resize 800" 1
expect_refusal "key nothing" 1
expect_refusal "key 300" 1
expect_refusal "state now" 1

# A good script runs to its end and prints one JSON line per state command.
lines=$(printf 'frame\nstate\nkey w\nstate\n' | "$DRIVER" - | grep -c '^{"playerX":')
if [ "$lines" -ne 2 ]; then echo "FAIL: expected two state lines, got $lines"; failures=$((failures + 1)); fi

# A missing script file is named.
output=$("$DRIVER" /nonexistent/script.replay 2>&1)
if [ $? -ne 2 ]; then echo "FAIL: a missing script must end with status 2"; failures=$((failures + 1)); fi
case "$output" in *"/nonexistent/script.replay"*) ;; *) echo "FAIL: missing script not named: $output"; failures=$((failures + 1)) ;; esac

[ "$failures" -eq 0 ]
