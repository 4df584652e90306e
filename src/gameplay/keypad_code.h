// The keypad combination that slides the bookcase aside. The game checks it and the data
// generator paints the clues that lead to it, from this one constant: the calendar circles the
// "gas check" on 26 November and note 1 says to key in that date, month first, then day.
#pragma once

inline constexpr int kKeypadCode[4] = {1, 1, 2, 6};
