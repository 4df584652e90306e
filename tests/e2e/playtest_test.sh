#!/bin/sh
# The blind playtest script: one session (start, START clicked, held keys, a wait, a look, stop)
# with the game time each action prints and the presses and clock steps it feeds the game;
# screenshots of the whole window; what a player may not do refused; nothing left running.
set -u
BUILD=$1
SOURCE=$2
PLAYTEST="$SOURCE/scripts/playtest"
export BUILD_DIR="$BUILD"
PLAYTEST_DIR=$(mktemp -d)
export PLAYTEST_DIR
trap '"$PLAYTEST" stop >/dev/null 2>&1; rm -rf "$PLAYTEST_DIR"' EXIT
failures=0

fail() {
    echo "FAIL: $1"
    failures=$((failures + 1))
}

# A PNG of the whole 800 by 600 window.
check_shot() {
    if [ "$(head -c 4 "$1" 2>/dev/null | od -An -tx1 | tr -d ' ')" != 89504e47 ]; then
        fail "$1 is not a PNG"
    elif [ "$(od -An -tu1 -j16 -N8 "$1" | tr -s ' ')" != " 0 0 3 32 0 0 2 88" ]; then
        fail "$1 is not 800 by 600 pixels"
    fi
}

# expect_action "TIME USED  TOTAL" COMMAND...: the one line printed names a new screenshot.
shots=0
expect_action() {
    expected=$1
    shift
    line=$("$PLAYTEST" "$@" | tail -n 1)
    shots=$((shots + 1))
    shot=$(printf '%s/shot-%03d.png' "$PLAYTEST_DIR" $shots)
    [ "$line" = "$shot  $expected" ] || fail "'$*' printed '$line', expected '$shot  $expected'"
    check_shot "$shot"
}

expect_action "+0.000 s  total 0.000 s" start
expect_action "+1.200 s  total 1.200 s" click 400 420
# Held keys repeat as X does: the press, a repeat 660 ms later, then one every 40 ms; a repeat
# due at the very moment of the release does not come.
expect_action "+1.000 s (w held, 10 presses)  total 2.200 s" hold w 1000
expect_action "+0.700 s (d held, 2 presses)  total 2.900 s" hold d 700
expect_action "+0.660 s (a held, 1 press)  total 3.560 s" hold a 660
expect_action "+2.500 s  total 6.060 s" wait 2500
expect_action "+0.000 s  total 6.060 s" look

# What the game was fed: the presses printed, and clock steps that add up to the total, none
# longer than a second so the countdown sees each one.
commands="$PLAYTEST_DIR/commands.replay"
[ "$(grep -c '^key w$' "$commands")" -eq 10 ] || fail "hold w 1000 fed $(grep -c '^key w$' "$commands") presses"
[ "$(grep -c '^key d$' "$commands")" -eq 2 ] || fail "hold d 700 fed $(grep -c '^key d$' "$commands") presses"
steps=$(awk '$1 == "advance" { total += $2; if ($2 > 1000) long++ } END { print total + 0, long + 0 }' "$commands")
[ "$steps" = "6060 0" ] || fail "clock steps (sum, over a second): $steps, expected 6060 0"

# Only what a player can do, with its usage on refusal.
for refused in state "walk 1 2" "face 1 2" "clickat left 1 1 1" "expect gameMode 1" frame \
    "resize 10 10" "tap q" "hold w" "wait 0" "wait 012" "click left 800 0" "click thumb 1 1"; do
    # shellcheck disable=SC2086 # the words are the arguments
    output=$("$PLAYTEST" $refused 2>&1)
    status=$?
    [ $status -eq 2 ] || fail "'$refused' ended with status $status, expected 2"
    case $output in *"usage: scripts/playtest"*) ;; *) fail "'$refused' printed no usage" ;; esac
done
"$PLAYTEST" start >/dev/null 2>&1 && fail "a second start in a running session was accepted"

pids=$(cat "$PLAYTEST_DIR"/*.pid)
"$PLAYTEST" stop >/dev/null || fail "stop failed"
for pid in $pids; do
    # A process that has ended but is not yet reaped has no program any more.
    readlink "/proc/$pid/exe" >/dev/null 2>&1 && fail "process $pid still runs after stop"
done
"$PLAYTEST" look >/dev/null 2>&1 && fail "look after stop was accepted"
[ "$(ls "$PLAYTEST_DIR"/shot-*.png | wc -l)" -eq $shots ] || fail "expected $shots screenshots"

[ "$failures" -eq 0 ]
