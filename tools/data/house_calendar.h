// The month of the gas check as both calendars show it, the one on the boiler room's wall and
// its close-up (info picture 8): weeks run from Monday to Sunday, and the 1st falls on the
// weekday it fell on in 2025, so that every date sits in the same column on both.
#pragma once

// 0 for Monday to 6 for Sunday: 1 November 2025 was a Saturday, 1 December 2025 a Monday.
inline constexpr int CalendarFirstWeekday(int month) {
    return month == 11 ? 5 : 0;
}
inline constexpr int CalendarDays(int month) {
    return month == 11 ? 30 : 31;
}

// The wall calendar's grid in its 128 by 128 picture: left edge of the first column, width of a
// column, top of the first week and height of a week, in pixels.
inline constexpr double kCalendarLeft = 6, kCalendarColumn = 17, kCalendarTop = 40,
                        kCalendarRow = 17;
