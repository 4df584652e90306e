#!/bin/sh
# Where scripts/mutation-score plants faults: operators, ++, integers and true in code; nothing in
# comments, strings, preprocessor lines, templates, ->, <<, >>, unary minus or a pointer's *.
set -u
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cat >"$work/sample.cpp" <<'SAMPLE'
#include <vector>
#define LIMIT (a < b)
// if (a < b && c) return 1;
/* x == y
   || z */
const char* kText = "a < b || c == 1";
const char kLess = '<';
std::vector<int> Values(int* p, Node* a) {
    int x = a->b + -1;
    x = x << y >> z;
    if (x < y && p != nullptr) return {x * y};
    for (int i = x; i >= x; ++i) x = x / i - 1'000;
    return {x > 0x1f || flag == true ? 1.5f : -x, x <= y};
}
SAMPLE
cat >"$work/expected" <<'EXPECTED'
sample.cpp:9:18  + -> -
sample.cpp:9:21  1 -> 2
sample.cpp:11:11  < -> >=
sample.cpp:11:15  && -> ||
sample.cpp:11:20  != -> ==
sample.cpp:11:42  * -> /
sample.cpp:12:23  >= -> <
sample.cpp:12:29  ++ -> --
sample.cpp:12:40  / -> *
sample.cpp:12:44  - -> +
sample.cpp:12:46  1'000 -> 1001
sample.cpp:13:15  > -> <=
sample.cpp:13:17  0x1f -> 0x20
sample.cpp:13:22  || -> &&
sample.cpp:13:30  == -> !=
sample.cpp:13:33  true -> false
sample.cpp:13:53  <= -> >
EXPECTED
"$1/scripts/mutation-score" --list --only "$work/sample.cpp" | sed "s|^$work/||" >"$work/found" ||
    exit 1
diff -u "$work/expected" "$work/found" >&2
