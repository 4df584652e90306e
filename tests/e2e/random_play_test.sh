#!/bin/sh
# A seeded random stream played with --strict must play to its end, status 0, no sanitizer report.
# usage: sh random_play_test.sh BUILD_DIR SOURCE_DIR [COMMANDS (1500; 100000 with long tests)]
set -u
build=$(cd "$1" && pwd)
replay="$build/escape-house-replay"
[ -x "$replay" ] || { echo "random_play_test: $replay is missing (build the game first)" >&2; exit 1; }
count=${3:-${RANDOM_PLAY_COMMANDS:-1500}}
if [ -z "${3:-}" ] && { [ "${ESCAPE_HOUSE_LONG_TESTS:-0}" = 1 ] ||
    grep -q '^ESCAPE_HOUSE_LONG_TESTS:BOOL=ON' "$build/CMakeCache.txt" 2>/dev/null; }; then
    count=100000
fi
seed=${RANDOM_PLAY_SEED:-1}
export ASAN_OPTIONS="${ASAN_OPTIONS:-}:exitcode=86"
export UBSAN_OPTIONS="${UBSAN_OPTIONS:-}:exitcode=86:print_stacktrace=1"
export SDL_AUDIODRIVER="${SDL_AUDIODRIVER:-dummy}"
work=$(mktemp -d) && trap 'rm -rf "$work"' EXIT
awk -v seed="$seed" -v count="$count" -f "$2/tools/replay/random_stream.awk" >"$work/play.replay"
cd "$build" || exit 1
"$replay" --strict "$work/play.replay" >"$work/out.txt" 2>"$work/err.txt"
status=$?
echo "random_play_test: seed $seed, $count commands, exit status $status"
failed=0
fail() { echo "FAIL: $1" >&2; failed=1; }
[ "$status" -eq 0 ] || fail "status $status (3: a strict check, 86: a sanitizer, above 128: a signal)"
grep -q -E 'Sanitizer|runtime error' "$work/err.txt" && fail "sanitizer report"
tail -n 1 "$work/out.txt" | grep -q '^{"playerX"' || fail "the stream was not played to its end"
[ -s "$work/err.txt" ] && head -n 60 "$work/err.txt" | sed 's/^/    /' >&2
[ "$failed" -eq 0 ] || echo "to repeat: awk -v seed=$seed -v count=$count -f tools/replay/random_stream.awk > play.replay; $replay --strict play.replay" >&2
exit "$failed"
