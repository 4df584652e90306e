#!/bin/sh
# The playtest script: times printed, presses and clock steps fed, screenshots, refusals, and
# nothing left running after stop.
set -u
PLAYTEST="$2/scripts/playtest"
export BUILD_DIR="$1"
PLAYTEST_DIR=$(mktemp -d)
export PLAYTEST_DIR
trap '"$PLAYTEST" stop >/dev/null 2>&1; rm -rf "$PLAYTEST_DIR"' EXIT
failures=0
fail() { echo "FAIL: $1"; failures=$((failures + 1)); }

# expect_action "TIME USED  TOTAL" COMMAND...: one line naming a new 800x600 PNG.
shots=0
expect_action() {
    expected=$1 && shift
    line=$("$PLAYTEST" "$@" | tail -n 1)
    shots=$((shots + 1))
    shot=$(printf '%s/shot-%03d.png' "$PLAYTEST_DIR" $shots)
    [ "$line" = "$shot  $expected" ] || fail "'$*' printed '$line', expected '$shot  $expected'"
    [ "$(od -An -tx1 -N24 "$shot" 2>/dev/null | tr -d ' \n')" = \
        89504e470d0a1a0a0000000d494844520000032000000258 ] || fail "$shot is not an 800x600 PNG"
}
expect_action "+0.000 s  total 0.000 s" start
expect_action "+1.200 s  total 1.200 s" click 400 420
# Held keys repeat as X does: the press, a repeat 660 ms later, then one every 40 ms; a repeat
# due at the very moment of the release does not come.
expect_action "+1.000 s (w held, 10 presses)  total 2.200 s" hold w 1000
expect_action "+0.660 s (a held, 1 press)  total 2.860 s" hold a 660
expect_action "+2.500 s  total 5.360 s" wait 2500
commands="$PLAYTEST_DIR/commands.replay"
[ "$(grep -c '^key [wa]$' "$commands")" -eq 11 ] || fail "the held keys fed other presses"
steps=$(awk '$1 == "advance" { total += $2; if ($2 > 1000) long++ } END { print total + 0, long + 0 }' "$commands")
[ "$steps" = "5360 0" ] || fail "clock steps (sum, over a second): $steps, expected 5360 0"

for refused in state "walk 1 2" "expect gameMode 1" "resize 10 10" "tap q" "hold w" "wait 012" \
    "click left 800 0" "click thumb 1 1"; do
    # shellcheck disable=SC2086 # the words are the arguments
    "$PLAYTEST" $refused 2>&1 | grep -q "usage: scripts/playtest" || fail "'$refused' printed no usage"
done
"$PLAYTEST" start >/dev/null 2>&1 && fail "a second start in a running session was accepted"
pids=$(cat "$PLAYTEST_DIR"/*.pid)
"$PLAYTEST" stop >/dev/null || fail "stop failed"
for pid in $pids; do
    readlink "/proc/$pid/exe" >/dev/null 2>&1 && fail "process $pid still runs after stop"
done
"$PLAYTEST" look >/dev/null 2>&1 && fail "look after stop was accepted"
[ "$failures" -eq 0 ]
