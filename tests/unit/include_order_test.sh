#!/bin/sh
# src/ keeps its folders' order, and the check names the file and line of an include that does not.
set -eu
root=$1
"$root/scripts/check-includes" "$root/src"
tree=$(mktemp -d)
trap 'rm -rf "$tree"' EXIT
mkdir -p "$tree/world" "$tree/hud"
printf '#include "core/game_state.h"\n#include "hud/icon_bar.h"\n' >"$tree/world/walk.cpp"
printf '#include "world/walk_grid.h"\n#include "hud/bitmap.h"\n' >"$tree/hud/bar.cpp"
if "$root/scripts/check-includes" "$tree" 2>"$tree/errors"; then
    echo "an include from world up to hud passed" >&2
    exit 1
fi
grep -q "world/walk.cpp:2: world includes hud/icon_bar.h" "$tree/errors"
[ "$(wc -l <"$tree/errors")" -eq 1 ]
