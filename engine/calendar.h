// Day numbers: signed days of the proleptic Gregorian calendar, 0 being 1970-01-01.
#pragma once

#include <cstdint>

struct CivilDate {
    int64_t year;  // astronomical: 0 is 1 BC
    int32_t month; // 1..12
    int32_t day;   // 1..31
};

// Exact for every valid date. Any int32 arguments are safe: the arithmetic is
// 64-bit, and an out-of-range month or day gives a defined, meaningless number.
// Years are counted from March (400-year eras of 146097 days) so that the leap
// day ends the year. Constant, so that tool tables can name their dates.
constexpr int64_t daysFromCivil(int32_t year, int32_t month, int32_t day) {
    const int64_t y = int64_t{year} - (month <= 2 ? 1 : 0);                  // [-2^31 - 1, 2^31 - 1]
    const int64_t era = (y >= 0 ? y : y - 399) / 400;                        // floor(y / 400)
    const int64_t yoe = y - era * 400;                                       // [0, 399]
    const int64_t mp = month <= 2 ? int64_t{month} + 9 : int64_t{month} - 3; // [0, 11]
    const int64_t doy = (153 * mp + 2) / 5 + day - 1;                        // [0, 365]
    const int64_t doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;               // [0, 146096]
    return era * 146097 + doe - 719468; // 719468 days from 0000-03-01 to 1970-01-01
}

// Exact and defined for every int64 day number; years then reach about
// +-2.5e16, so nothing outside the int64 range is ever needed.
CivilDate civilFromDays(int64_t dayNumber);

// "%04lld-%02lld-%02lld" (year, month, day), cut at capacity - 1.
void formatDayNumber(int64_t dayNumber, wchar_t* buffer, int32_t capacity);

// A value truncated toward zero into a day number; false when there is none
// (NaN, an infinity, or a truncation outside the int64 range).
bool dayNumberFromValue(double value, int64_t* dayNumber);

// The characters a date box holds at most, like a number box.
constexpr int32_t kMaxDateTextChars = 127;

// Reads a typed date: YYYY-M-D with "-", "/" or "." (the same both times),
// YYYYMMDD, or YYYY年M月D日; month and day take one or two digits, the year
// four, from 0001. Blanks around (space, tab, U+3000) are ignored and
// full-width forms (U+FF01..U+FF5E) read as their ASCII letters. False, with
// *dayNumber untouched, for any other text and for a date the calendar lacks.
bool readDateText(const wchar_t* text, int64_t* dayNumber);

// A date as a date input's value (its day number), for the tool tables.
constexpr double dateValue(int32_t year, int32_t month, int32_t day) {
    return static_cast<double>(daysFromCivil(year, month, day));
}
