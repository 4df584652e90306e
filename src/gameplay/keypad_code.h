// The keypad combination that slides the bookcase aside. The game checks it and the data
// generator paints the clues that lead to it, from this one constant: the four digits spell a
// date (the first two the month, the last two the day), the calendar circles that date as the
// "gas check", and note 1 tells the player to key in the gas check's month, then its day.
#pragma once

inline constexpr int kKeypadCode[4] = {1, 1, 2, 6};
