#!/bin/sh
# Long play: a seeded random stream of commands (tools/replay/random_stream.awk: keys, presses
# of every button anywhere, frames, clock jumps, window sizes from 0 by 0 to 4000 by 3000) played
# through the replay driver with --strict, which stops the run at the first GL error after a
# frame, a projection stack not back to one matrix, a broken pose relation or a step into a wall.
# The run must play the whole stream (its last command prints the state), end with status 0 and
# leave no sanitizer report on stderr.
#
# usage: sh random_play_test.sh BUILD_DIR SOURCE_DIR [COMMANDS]
# COMMANDS defaults to $RANDOM_PLAY_COMMANDS, else 1500; a build configured with
# ESCAPE_HOUSE_LONG_TESTS=ON, or ESCAPE_HOUSE_LONG_TESTS=1 in the environment, plays 100000.
# The seed is $RANDOM_PLAY_SEED, else 1; a failure names it, so the run can be repeated.
set -u
build=$(cd "$1" && pwd)
source=$(cd "$2" && pwd)
replay="$build/escape-house-replay"
if [ ! -x "$replay" ]; then
    echo "random_play_test: $replay is missing (build the game first)" >&2
    exit 1
fi

count=${3:-${RANDOM_PLAY_COMMANDS:-1500}}
if [ -z "${3:-}" ] && { [ "${ESCAPE_HOUSE_LONG_TESTS:-0}" = 1 ] ||
    grep -q '^ESCAPE_HOUSE_LONG_TESTS:BOOL=ON' "$build/CMakeCache.txt" 2>/dev/null; }; then
    count=100000
fi
seed=${RANDOM_PLAY_SEED:-1}
export ASAN_OPTIONS="${ASAN_OPTIONS:-}:exitcode=86"
export UBSAN_OPTIONS="${UBSAN_OPTIONS:-}:exitcode=86:print_stacktrace=1"
export SDL_AUDIODRIVER="${SDL_AUDIODRIVER:-dummy}"

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
awk -v seed="$seed" -v count="$count" -f "$source/tools/replay/random_stream.awk" >"$work/play.replay"
if [ "$(wc -l <"$work/play.replay")" -ne "$count" ]; then
    echo "random_play_test: the generator wrote $(wc -l <"$work/play.replay") commands, not $count" >&2
    exit 1
fi

cd "$build" || exit 1
"$replay" --strict "$work/play.replay" >"$work/out.txt" 2>"$work/err.txt"
status=$?

echo "random_play_test: seed $seed, $count commands, exit status $status"
failed=0
if [ "$status" -ne 0 ]; then
    echo "FAIL: the driver ended with status $status (3: a strict check, 86: a sanitizer, above" \
        "128: a signal)" >&2
    failed=1
fi
if grep -q -E 'Sanitizer|runtime error' "$work/err.txt"; then
    echo "FAIL: sanitizer report" >&2
    failed=1
fi
if ! tail -n 1 "$work/out.txt" | grep -q '^{"playerX"'; then
    echo "FAIL: the stream was not played to its end (no state printed after the last command)" >&2
    failed=1
fi
if [ -s "$work/err.txt" ]; then
    echo "stderr of the run:" >&2
    head -n 60 "$work/err.txt" | sed 's/^/    /' >&2
fi
if [ "$failed" -ne 0 ]; then
    echo "to repeat: awk -v seed=$seed -v count=$count -f tools/replay/random_stream.awk" \
        "> play.replay; $replay --strict play.replay" >&2
fi
exit "$failed"
