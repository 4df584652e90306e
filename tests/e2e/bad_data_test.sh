#!/bin/sh
# Each Data file in turn removed, cut to half, or its header scrambled: one frame must stop with
# status 1 and one stderr line naming the file, or play on with lines that all name it. One file
# of each kind; every file with BAD_DATA_ALL=1 or ESCAPE_HOUSE_LONG_TESTS=ON.
# usage: sh bad_data_test.sh BUILD_DIR SOURCE_DIR
set -u
build=$(cd "$1" && pwd)
replay="$build/escape-house-replay"
[ -x "$replay" ] && [ -d "$build/Data" ] || { echo "bad_data_test: build the game first" >&2; exit 1; }
all=${BAD_DATA_ALL:-0}
grep -q '^ESCAPE_HOUSE_LONG_TESTS:BOOL=ON' "$build/CMakeCache.txt" 2>/dev/null && all=1
# Leaks are left to sanitizer-checks: Mesa's own overrun on some damaged models crashes LSan.
export ASAN_OPTIONS="${ASAN_OPTIONS:-}:detect_leaks=0:exitcode=86"
export UBSAN_OPTIONS="${UBSAN_OPTIONS:-}:exitcode=86"
export SDL_AUDIODRIVER="${SDL_AUDIODRIVER:-dummy}"

work=$(mktemp -d) && trap 'rm -rf "$work"' EXIT
cp -R "$build/Data" "$work/Data"
rm -f "$work/Data/.generated"
echo frame >"$work/frame.replay"
cd "$work" || exit 1
find Data -type f | LC_ALL=C sort >files.all
if [ "$all" = 1 ]; then
    cp files.all files
else
    # The first texture of each model folder, icon name without its digits, picture user.
    awk -F/ '
        NF == 4 { if (seen["model " $3]++) next }
        NF == 3 && $2 != "Model" {
            kind = $3
            gsub(/[0-9]*\.[a-z]*$/, "", kind)
            if (kind ~ /^(otop|ofront|oback|oleft|oright|dn)$/) kind = "sky box"
            else if (kind ~ /^(clock|num_)$/) kind = "keypad"
            else if (kind ~ /^(start|ending|win)$/) kind = "screens"
            if (seen[$2 " " kind]++) next
        }
        { print }' files.all >files
fi

failures=0 runs=0
check_run() {  # FILE FAULT
    timeout 120 "$replay" frame.replay >out.txt 2>err.txt
    status=$? runs=$((runs + 1)) lines=$(wc -l <err.txt) first=$(head -n 1 err.txt)
    naming=$(grep -c -F "$1" err.txt)
    echo "$2 $1: exit $status; $lines stderr line(s)${first:+: $first}"
    problem=
    if grep -q -E 'Sanitizer|runtime error' err.txt; then problem="sanitizer report"
    elif [ "$status" = 0 ] && [ "$lines" -eq 0 ]; then problem="went on without a word"
    elif [ "$status" = 0 ] && [ "$naming" -ne "$lines" ]; then problem="went on, not every line names it"
    elif [ "$status" = 1 ] && { [ "$lines" -ne 1 ] || [ "$naming" -ne 1 ]; }; then
        problem="exit 1 needs exactly one stderr line naming the file"
    elif [ "$status" = 124 ]; then problem="no end within 120 s (a hang)"
    elif [ "$status" != 0 ] && [ "$status" != 1 ]; then problem="exit status $status (a crash)"
    fi
    [ -z "$problem" ] && return
    failures=$((failures + 1))
    echo "FAIL: $2 $1: $problem" >&2
    head -n 40 err.txt | sed 's/^/    /' >&2
}

while read -r file; do
    cp "$file" original
    rm "$file"
    check_run "$file" missing
    # Cut inside a line: a text file cut right after a line break is only a shorter file.
    half=$(($(wc -c <original) / 2))
    [ "$(tail -c +"$half" original | head -c 1 | od -An -c | tr -d ' ')" = '\n' ] && half=$((half + 1))
    head -c "$half" original >"$file"
    check_run "$file" truncated
    case "$file" in *.tga) header=18 ;; *.bmp) header=54 ;; *.wav) header=44 ;; *) header=256 ;; esac
    { head -c $header original | LC_ALL=C tr '\000-\377' '\200-\377\000-\177'
      tail -c +$((header + 1)) original; } >"$file"
    check_run "$file" scrambled
    cp original "$file"
done <files

echo "bad_data_test: $runs runs on $(wc -l <files) files, $failures failure(s)"
[ "$failures" -eq 0 ]
