#!/bin/sh
# Bad data, one fault at a time: in a copy of the generated Data folder each data file in turn is
# removed, cut to half its size, or has its first bytes scrambled (the header of a picture,
# texture or tune; the first lines of a model or material file), and the game is started on it
# through the replay driver with a one-frame script. Each start must end in one of two ways:
#   - at start-up, with exit status 1 and exactly one line on stderr naming the file;
#   - by playing on (exit status 0) with a placeholder and a warning: at least one stderr line,
#     and every stderr line naming the file. Damage the game says nothing about is a failure
#     too: a player would meet half a house or a cut-off tune without a word.
# Never a crash, a hang, or anything from a sanitizer.
#
# usage: sh bad_data_test.sh BUILD_DIR SOURCE_DIR
# By default one file of each kind is faulted: every model and material file, the tune, one
# texture of each model, one icon of each name (key1.bmp for the keys) and one picture of each
# user (sky box, keypad, screens, info pictures): files of one kind go through the same reader
# and the same caller. With
# BAD_DATA_ALL=1 in the environment, or a build configured with ESCAPE_HOUSE_LONG_TESTS=ON,
# every file is. Run under a sanitizer build (scripts/sanitizer-checks) it checks that too.
set -u
build=$(cd "$1" && pwd)
replay="$build/escape-house-replay"
if [ ! -x "$replay" ] || [ ! -d "$build/Data" ]; then
    echo "bad_data_test: $replay or $build/Data is missing (build the game first)" >&2
    exit 1
fi

all=${BAD_DATA_ALL:-0}
if grep -q '^ESCAPE_HOUSE_LONG_TESTS:BOOL=ON' "$build/CMakeCache.txt" 2>/dev/null; then
    all=1
fi
# Sanitizer reports must not pass for the clean exit status 1. Leaks are not looked for here
# (sanitizer-checks has two leak runs of its own): Mesa's software renderer writes 4 bytes past
# one of its own display-list blocks while the models' lists are compiled (valgrind shows it on
# intact data too), and with some damaged models the heap left so makes LeakSanitizer's own
# tracer crash at exit, which says nothing about the game.
export ASAN_OPTIONS="${ASAN_OPTIONS:-}:detect_leaks=0:exitcode=86"
export UBSAN_OPTIONS="${UBSAN_OPTIONS:-}:exitcode=86"
export SDL_AUDIODRIVER="${SDL_AUDIODRIVER:-dummy}"

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cp -R "$build/Data" "$work/Data"
rm -f "$work/Data/.generated"
echo frame > "$work/frame.replay"

# The files to fault, as the game names them (Data/...).
cd "$work" || exit 1
find Data -type f | LC_ALL=C sort > files.all
if [ "$all" = 1 ]; then
    cp files.all files
else
    # Model textures live one folder below Data/Model: the first of each folder. Icons: the
    # first of each name once its digits are taken out. Pictures: the first of each user.
    awk -F/ '
        NF == 4 { if (seen["model " $3]++) next }
        NF == 3 && $2 != "Model" {
            kind = $3
            gsub(/[0-9]*\.[a-z]*$/, "", kind)
            if ($2 == "Picture") {
                if (kind ~ /^(otop|ofront|oback|oleft|oright|dn)$/) kind = "sky box"
                else if (kind ~ /^(clock|num_)$/) kind = "keypad"
                else if (kind ~ /^(start|ending|win)$/) kind = "screens"
            }
            if (seen[$2 " " kind]++) next
        }
        { print }' files.all > files
fi

# Bytes of the header a scramble covers: the whole fixed header of a binary format, the first
# lines of a text file (a model's first vertices, a library's first materials).
header_size() {
    case "$1" in
        *.tga) echo 18 ;;
        *.bmp) echo 54 ;;
        *.wav) echo 44 ;;
        *) echo 256 ;;
    esac
}

failures=0
runs=0
fail() {
    failures=$((failures + 1))
    echo "FAIL: $1" >&2
}

# Runs the game on the faulted copy and checks the outcome against the rule above.
check_run() {
    file=$1
    fault=$2
    timeout 120 "$replay" frame.replay >out.txt 2>err.txt
    status=$?
    runs=$((runs + 1))
    lines=$(wc -l <err.txt)
    naming=$(grep -c -F "$file" err.txt)
    first=$(head -n 1 err.txt)
    echo "$fault $file: exit $status; $lines stderr line(s)${first:+: $first}"
    if grep -q -E 'Sanitizer|runtime error|LeakSanitizer' err.txt; then
        fail "$fault $file: sanitizer report"
        sed 's/^/    /' err.txt | head -n 40 >&2
        return
    fi
    case $status in
        0)
            if [ "$lines" -eq 0 ]; then
                fail "$fault $file: the game went on without a word about the damage"
            elif [ "$naming" -ne "$lines" ]; then
                fail "$fault $file: the game went on, but not every stderr line names the file"
                sed 's/^/    /' err.txt >&2
            fi
            ;;
        1)
            if [ "$lines" -ne 1 ] || [ "$naming" -ne 1 ]; then
                fail "$fault $file: exit 1 needs exactly one stderr line naming the file"
                sed 's/^/    /' err.txt >&2
            fi
            ;;
        124)
            fail "$fault $file: no end within 120 s (a hang)"
            ;;
        *)
            fail "$fault $file: exit status $status (a crash or a sanitizer)"
            sed 's/^/    /' err.txt | head -n 40 >&2
            ;;
    esac
}

while read -r file; do
    cp "$file" original
    size=$(wc -c <original)

    rm "$file"
    check_run "$file" missing

    head -c $((size / 2)) original >"$file"
    check_run "$file" truncated

    # Every byte of the header moved by 128: magic numbers, types and sizes all become wrong.
    header=$(header_size "$file")
    {
        head -c "$header" original | LC_ALL=C tr '\000-\377' '\200-\377\000-\177'
        tail -c +$((header + 1)) original
    } >"$file"
    check_run "$file" scrambled

    cp original "$file"
done <files

echo "bad_data_test: $runs runs on $(wc -l <files) files, $failures failure(s)"
[ "$failures" -eq 0 ]
