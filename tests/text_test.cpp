#include <gtest/gtest.h>

#include <climits>
#include <cmath>
#include <cwchar>
#include <string>

#include "engine/text.h"

namespace {

std::wstring format(int32_t capacity, const wchar_t* fmt, ...) {
    wchar_t buffer[2048];
    for (wchar_t& c : buffer)
        c = L'#';
    va_list args;
    va_start(args, fmt);
    int32_t n = formatTextV(buffer, capacity, fmt, args);
    va_end(args);
    EXPECT_EQ(n, textLength(buffer));
    EXPECT_LE(n, capacity - 1);
    // Nothing past the terminator is touched.
    if (capacity < 2047) {
        EXPECT_EQ(buffer[capacity], L'#');
    }
    return std::wstring(buffer);
}

struct Case {
    const wchar_t* expected;
    const wchar_t* actual;
};

TEST(FormatText, NumbersAreTheSameOnEveryRuntime) {
    wchar_t b[32][128];
    int i = 0;
    formatText(b[i++], 128, L"%g", 1234567.0);
    formatText(b[i++], 128, L"%.6g", 0.00001);
    formatText(b[i++], 128, L"%g", 1e100);
    formatText(b[i++], 128, L"%.2f", 2.675); // binary value below the half
    formatText(b[i++], 128, L"%.2f", 22.49134948096886);
    formatText(b[i++], 128, L"%.1f", -0.04); // negative zero keeps its sign
    formatText(b[i++], 128, L"%.0f", 0.5);   // ties to even
    formatText(b[i++], 128, L"%.0f", 1.5);
    formatText(b[i++], 128, L"%.3f", 1e21);
    formatText(b[i++], 128, L"%04lld-%02lld-%02lld", 2024LL, 2LL, 9LL);
    formatText(b[i++], 128, L"%d|%02d|%5d|%-4d|", -7, 3, 42, 1);
    formatText(b[i++], 128, L"%x %X %u", 255u, 255u, 4000000000u);
    formatText(b[i++], 128, L"%.1f%%", 12.34);
    formatText(b[i++], 128, L"%e", 12345.678);
    formatText(b[i++], 128, L"%.17g", 0.1);
    const Case cases[] = {
        {L"1.23457e+06", b[0]},
        {L"1e-05", b[1]},
        {L"1e+100", b[2]},
        {L"2.67", b[3]},
        {L"22.49", b[4]},
        {L"-0.0", b[5]},
        {L"0", b[6]},
        {L"2", b[7]},
        {L"1000000000000000000000.000", b[8]},
        {L"2024-02-09", b[9]},
        {L"-7|03|   42|1   |", b[10]},
        {L"ff FF 4000000000", b[11]},
        {L"12.3%", b[12]},
        {L"1.234568e+04", b[13]},
        {L"0.10000000000000001", b[14]},
    };
    for (const Case& c : cases)
        EXPECT_EQ(std::wstring(c.expected), std::wstring(c.actual));
    EXPECT_EQ(format(128, L"%f %f %f", INFINITY, -INFINITY, NAN).substr(0, 9), L"inf -inf ");
}

TEST(FormatText, TextConversions) {
    EXPECT_EQ(format(64, L"%ls：%ls %ls", L"BMI", L"22.49", L"kg/m2"), L"BMI：22.49 kg/m2");
    EXPECT_EQ(format(64, L"[%5ls][%-5ls][%.2ls]", L"ab", L"ab", L"abcdef"), L"[   ab][ab   ][ab]");
    EXPECT_EQ(format(64, L"%s|%ls", "ascii", L"宽"), L"ascii|宽");
    EXPECT_EQ(format(64, L"%c%c", static_cast<wint_t>(L'日'), static_cast<wint_t>(L'D')), L"日D");
    EXPECT_EQ(format(64, L"100%% %ls", L"%d"), L"100% %d"); // an argument is never read as a format
    EXPECT_EQ(format(64, L"%ls", L""), L"");
}

TEST(FormatText, CutsAtCapacityMinusOneAndTerminates) {
    // capacity 1: only the terminator; 2: one unit.
    const struct {
        int32_t capacity;
        const wchar_t* expected;
    } cases[] = {
        {1, L""},         {2, L"B"},         {5, L"BMI："},       {6, L"BMI：2"},
        {8, L"BMI：22."}, {9, L"BMI：22.4"}, {10, L"BMI：22.49"}, {64, L"BMI：22.49"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(format(c.capacity, L"BMI：%.2f", 22.49134948096886), c.expected) << c.capacity;
    // Exact fit and one short, for a wide-string argument.
    EXPECT_EQ(format(6, L"%ls", L"abcde"), L"abcde");
    EXPECT_EQ(format(5, L"%ls", L"abcde"), L"abcd");
    EXPECT_EQ(format(5, L"%d", 123456), L"1234");
    wchar_t untouched[4] = {L'x', L'y', L'z', 0};
    EXPECT_EQ(formatText(untouched, 0, L"abc"), 0);
    EXPECT_EQ(untouched[0], L'x');
}

TEST(FormatText, HostileWidthsAreCappedNotUndefined) {
    // INT_MIN as a "*" width must not overflow; huge widths stop at 1000.
    EXPECT_EQ(format(2048, L"%*d|", INT_MIN, 7), L"7" + std::wstring(999, L' ') + L"|");
    EXPECT_EQ(format(2048, L"%*d", 2000000000, 1), std::wstring(999, L' ') + L"1");
    // A wide field keeps its digits: nothing is lost inside one conversion.
    EXPECT_EQ(format(2048, L"%2000d", 42), std::wstring(998, L' ') + L"42");
    EXPECT_EQ(format(2048, L"%.*f", 5000, 1.0).size(), 402u);
}

TEST(BoundedAppend, AppendsOnlyBelowCapacityMinusOne) {
    const struct {
        int32_t capacity;
        const wchar_t* start;
        const wchar_t* text;
        const wchar_t* expected;
    } cases[] = {
        {8, L"abc", L"defg", L"abcdefg"},  // exact fit
        {8, L"abc", L"defgh", L"abcdefg"}, // one over: cut
        {8, L"abcdefg", L"h", L"abcdefg"}, // full: nothing
        {2, L"", L"xyz", L"x"},
        {1, L"", L"xyz", L""},
        {8, L"abc", nullptr, L"abc"},
    };
    for (const auto& c : cases) {
        wchar_t buffer[16];
        copyText(buffer, 16, c.start);
        int32_t n = appendText(buffer, c.capacity, c.text);
        EXPECT_EQ(std::wstring(buffer), c.expected);
        EXPECT_EQ(n, textLength(buffer));
    }
    wchar_t buffer[8];
    EXPECT_EQ(copyText(buffer, 4, L"abcdef"), 3);
    EXPECT_EQ(std::wstring(buffer), L"abc");
    EXPECT_EQ(appendTextN(buffer, 8, L"defgh", 2), 5);
    EXPECT_EQ(std::wstring(buffer), L"abcde");
}

} // namespace
