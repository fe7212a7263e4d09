#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <cwchar>
#include <limits>
#include <string>

#include "engine/calendar.h"
#include "engine/local_time.h"
#include "engine/text.h"

namespace {

std::wstring dayText(int64_t dayNumber, int32_t capacity = 32) {
    wchar_t buffer[64];
    for (wchar_t& c : buffer)
        c = L'#';
    formatDayNumber(dayNumber, buffer, capacity);
    EXPECT_EQ(buffer[capacity], L'#');
    return buffer;
}

struct FixedPoint {
    int32_t year, month, day;
    int64_t dayNumber;
    const wchar_t* text;
};

TEST(Calendar, FixedPoints) {
    const FixedPoint points[] = {
        {1970, 1, 1, 0, L"1970-01-01"},         {2000, 3, 1, 11017, L"2000-03-01"},
        {1969, 12, 31, -1, L"1969-12-31"},      {2024, 10, 4, 20000, L"2024-10-04"},
        {2024, 2, 29, 19782, L"2024-02-29"},    {0, 3, 1, -719468, L"0000-03-01"},
        {0, 2, 29, -719469, L"0000-02-29"},     {-768, 2, 4, -1000000, L"-768-02-04"},
        {4707, 11, 29, 1000000, L"4707-11-29"}, {-1, 12, 31, -719529, L"-001-12-31"},
        {1900, 3, 1, -25508, L"1900-03-01"},    {10000, 1, 1, 2932897, L"10000-01-01"},
    };
    for (const FixedPoint& p : points) {
        SCOPED_TRACE(p.text);
        EXPECT_EQ(daysFromCivil(p.year, p.month, p.day), p.dayNumber);
        EXPECT_EQ(dayText(p.dayNumber), p.text);
    }
}

int32_t daysInMonth(int32_t year, int32_t month) {
    static const int32_t lengths[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    const bool leap = (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
    return month == 2 && leap ? 29 : lengths[month - 1];
}

// Walks the calendar one day at a time, independently of the era arithmetic.
TEST(Calendar, EveryDayWithinAMillionDaysOfTheEpoch) {
    const int64_t first = -1000000;
    const CivilDate start = civilFromDays(first);
    ASSERT_EQ(start.year, -768);
    int32_t year = static_cast<int32_t>(start.year), month = start.month, day = start.day;
    int failures = 0;
    for (int64_t n = first; n <= 1000000 && failures < 5; ++n) {
        const CivilDate date = civilFromDays(n);
        bool same = daysFromCivil(year, month, day) == n && date.year == year && date.month == month &&
                    date.day == day;
        // The text on every month end and start and on a spread of days between.
        if (day == 1 || day >= 28 || n % 29 == 0) {
            wchar_t expected[32];
            wchar_t actual[32];
            formatText(expected, 32, L"%04d-%02d-%02d", year, month, day);
            formatDayNumber(n, actual, 32);
            same = same && std::wcscmp(actual, expected) == 0;
        }
        if (!same) {
            ADD_FAILURE() << "day " << n;
            ++failures;
        }
        if (++day > daysInMonth(year, month)) {
            day = 1;
            if (++month > 12) {
                month = 1;
                ++year;
            }
        }
    }
}

TEST(Calendar, ExtremeDayNumbersAreDefined) {
    EXPECT_EQ(dayText(INT64_MAX), L"25252734927768524-07-27");
    EXPECT_EQ(dayText(INT64_MIN), L"-25252734927764585-06-07");
    const CivilDate last = civilFromDays(INT64_MAX - 1);
    EXPECT_EQ(last.year, 25252734927768524);
    EXPECT_EQ(last.month, 7);
    EXPECT_EQ(last.day, 26);
    // Cut at the capacity and still terminated.
    EXPECT_EQ(dayText(0, 5), L"1970");
    EXPECT_EQ(dayText(0, 1), L"");
}

TEST(Calendar, ExtremeYearsRoundTrip) {
    const int32_t years[] = {INT32_MIN, INT32_MIN + 1, -1, 0, 1, INT32_MAX - 1, INT32_MAX};
    for (int32_t year : years) {
        for (int32_t month : {1, 2, 3, 12}) {
            const CivilDate date = civilFromDays(daysFromCivil(year, month, 28));
            EXPECT_EQ(date.year, year);
            EXPECT_EQ(date.month, month);
            EXPECT_EQ(date.day, 28);
        }
    }
}

TEST(Calendar, DayNumberFromValue) {
    const double nan = std::numeric_limits<double>::quiet_NaN();
    const double inf = std::numeric_limits<double>::infinity();
    struct Row {
        double value;
        bool ok;
        int64_t dayNumber;
    };
    const Row rows[] = {
        {20000.9, true, 20000},
        {-1.5, true, -1},
        {-0.0, true, 0},
        {-0.9, true, 0},
        {-9223372036854775808.0, true, INT64_MIN},
        {9223372036854774784.0, true, 9223372036854774784}, // the largest double below 2^63
        {9223372036854775808.0, false, 0},
        {-9223372036854777856.0, false, 0}, // the next double below -2^63
        {nan, false, 0},
        {inf, false, 0},
        {-inf, false, 0},
    };
    for (const Row& row : rows) {
        int64_t n = 0;
        EXPECT_EQ(dayNumberFromValue(row.value, &n), row.ok) << row.value;
        if (row.ok) {
            EXPECT_EQ(n, row.dayNumber) << row.value;
        }
    }
}

TEST(LocalTime, TheProgramReadsTheSystemClockByDefault) {
    EXPECT_EQ(localTimeSource, &readLocalTime);
    const LocalTime now = readLocalTime();
    EXPECT_GE(now.year, 2000);
    EXPECT_GE(now.month, 1);
    EXPECT_LE(now.month, 12);
    EXPECT_GE(now.day, 1);
    EXPECT_LE(now.day, 31);
}

} // namespace

namespace {

struct DateCase {
    const wchar_t* text;
    int32_t year, month, day; // year 0: refused
};

// The seven forms, blanks, leap days, month and year ends, full-width forms (read) and what is refused.
TEST(DateText, AcceptedAndRefused) {
    const DateCase cases[] = {
        {L"2026-12-08", 2026, 12, 8},
        {L"2026-12-8", 2026, 12, 8},
        {L"2026/12/08", 2026, 12, 8},
        {L"2026/12/8", 2026, 12, 8},
        {L"2026.12.8", 2026, 12, 8},
        {L"20261208", 2026, 12, 8},
        {L"2026年12月8日", 2026, 12, 8},
        {L"2026年1月08日", 2026, 1, 8},
        {L"  2026-12-08\t ", 2026, 12, 8},
        {L"\x3000"
         L"2026-12-08\x3000",
         2026, 12, 8},
        {L"2000-02-29", 2000, 2, 29},
        {L"2028-02-29", 2028, 2, 29},
        {L"20280229", 2028, 2, 29},
        {L"2026-01-31", 2026, 1, 31},
        {L"2026-04-30", 2026, 4, 30},
        {L"2026-12-31", 2026, 12, 31},
        {L"2027-1-1", 2027, 1, 1},
        {L"0001-01-01", 1, 1, 1},
        {L"9999-12-31", 9999, 12, 31},
        {L"２０２６－１２－０８", 2026, 12, 8},
        {L"２０２６年１２月８日", 2026, 12, 8},
        {L"2026／12／8", 2026, 12, 8},
        {L"1900-02-29", 0, 0, 0},
        {L"2026-02-29", 0, 0, 0},
        {L"2100-02-29", 0, 0, 0},
        {L"2026-13-01", 0, 0, 0},
        {L"2026-04-31", 0, 0, 0},
        {L"2026-00-10", 0, 0, 0},
        {L"2026-01-00", 0, 0, 0},
        {L"2026-01-32", 0, 0, 0},
        {L"0000-01-01", 0, 0, 0},
        {L"00000101", 0, 0, 0},
        {L"20261308", 0, 0, 0},
        {L"", 0, 0, 0},
        {L"   ", 0, 0, 0},
        {L"2026-12/08", 0, 0, 0},
        {L"2026-12-08-", 0, 0, 0},
        {L"2026-012-08", 0, 0, 0},
        {L"2026-12-008", 0, 0, 0},
        {L"26-12-08", 0, 0, 0},
        {L"02026-12-08", 0, 0, 0},
        {L"2026 12 08", 0, 0, 0},
        {L"2026-12", 0, 0, 0},
        {L"2026年12月8", 0, 0, 0},
        {L"2026年12-8日", 0, 0, 0},
        {L"2026-12-08日", 0, 0, 0},
        {L"202612080", 0, 0, 0},
        {L"2026128", 0, 0, 0},
        {L"2026-12-8x", 0, 0, 0},
        {L"+2026-12-08", 0, 0, 0},
        {L"-2026-12-08", 0, 0, 0},
        {L"2026 -12-08", 0, 0, 0},
        {L"2026-12-08.5", 0, 0, 0},
        {L"20000", 0, 0, 0},
        {L"2026-١٢-08", 0, 0, 0},
    };
    for (const DateCase& c : cases) {
        int64_t day = -12345;
        const bool read = readDateText(c.text, &day);
        EXPECT_EQ(read, c.year != 0) << std::wstring(c.text).size();
        EXPECT_EQ(day, read ? daysFromCivil(c.year, c.month, c.day) : -12345) << c.year;
    }
    int64_t day = 0;
    EXPECT_FALSE(readDateText(nullptr, &day));
}

// The box holds at most 127 units: longer texts are refused, blanks included.
TEST(DateText, OverlongTextIsRefused) {
    int64_t day = 0;
    EXPECT_TRUE(readDateText((std::wstring(117, L' ') + L"2026-12-08").c_str(), &day));
    EXPECT_FALSE(readDateText((std::wstring(118, L' ') + L"2026-12-08").c_str(), &day));
    EXPECT_FALSE(readDateText((L"2026-12-08" + std::wstring(500, L' ')).c_str(), &day));
    EXPECT_FALSE(readDateText((std::wstring(40, L'0') + L"20261208").c_str(), &day));
}

TEST(DateText, EveryDayFrom1900To2199ReadsBackAsItself) {
    const int64_t first = daysFromCivil(1900, 1, 1);
    const int64_t last = daysFromCivil(2199, 12, 31);
    int failures = 0;
    for (int64_t n = first; n <= last && failures < 5; ++n) {
        wchar_t text[32];
        formatDayNumber(n, text, 32);
        int64_t back = 0;
        if (!readDateText(text, &back) || back != n) ++failures;
        EXPECT_EQ(back, n) << n;
    }
    EXPECT_EQ(last - first + 1, 109573);
}

TEST(DateText, DateValuesAreConstant) {
    static_assert(dateValue(1970, 1, 1) == 0.0, "the epoch");
    static_assert(dateValue(2024, 10, 4) == 20000.0, "a fixed point");
    EXPECT_EQ(dateValue(2000, 1, 1), static_cast<double>(daysFromCivil(2000, 1, 1)));
}

} // namespace
