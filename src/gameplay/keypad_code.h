// The keypad combination that slides the bookcase aside. The game checks it and the data
// generator paints the clues that lead to it, from this one constant.
#pragma once

inline constexpr int kKeypadCode[4] = {1, 9, 2, 7};
