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
int64_t daysFromCivil(int32_t year, int32_t month, int32_t day);

// Exact and defined for every int64 day number; years then reach about
// +-2.5e16, so nothing outside the int64 range is ever needed.
CivilDate civilFromDays(int64_t dayNumber);

// "%04lld-%02lld-%02lld" (year, month, day), cut at capacity - 1.
void formatDayNumber(int64_t dayNumber, wchar_t* buffer, int32_t capacity);

// A value truncated toward zero into a day number; false when there is none
// (NaN, an infinity, or a truncation outside the int64 range).
bool dayNumberFromValue(double value, int64_t* dayNumber);
