#include "engine/number.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <cwchar>
#include <limits>
#include <string>

namespace {

const double kNaN = std::numeric_limits<double>::quiet_NaN();
const double kInf = std::numeric_limits<double>::infinity();
const double kMinSubnormal = 0x1p-1074;

struct NumberCase {
    std::string text;
    double value;
    int32_t length; // characters read
};

constexpr int32_t kWholeText = -1;

bool sameValue(double expected, double actual) {
    if (std::isnan(expected)) return std::isnan(actual) && std::signbit(expected) == std::signbit(actual);
    return expected == actual && std::signbit(expected) == std::signbit(actual);
}

void expectNumbers(const NumberCase* cases, size_t count) {
    for (size_t i = 0; i < count; ++i) {
        const NumberCase& c = cases[i];
        const char* end = nullptr;
        const double value = readNumber(c.text.c_str(), &end);
        const std::string shown = c.text.size() > 60 ? c.text.substr(0, 60) + "..." : c.text;
        EXPECT_TRUE(sameValue(c.value, value)) << "text: " << shown << " value: " << value;
        const int32_t length = c.length == kWholeText ? static_cast<int32_t>(c.text.size()) : c.length;
        EXPECT_EQ(length, end - c.text.c_str()) << "text: " << shown;
    }
}

template <size_t N> void expectNumbers(const NumberCase (&cases)[N]) {
    expectNumbers(cases, N);
}

TEST(ReadNumber, Decimal) {
    const NumberCase cases[] = {
        {"0", 0, 1},
        {"170", 170, 3},
        {"0.5", 0.5, 3},
        {".5", 0.5, 2},
        {"5.", 5, 2},
        {"1e3", 1000, 3},
        {"2.5E-1", 0.25, 6},
        {"1e+0009", 1e9, 7},
        {"007", 7, 3},
        {"0.1", 0.1, 3},
        {"1e", 1, 1},
        {"1e+", 1, 1},
        {"1e-", 1, 1},
        {"1.5e2x", 150, 5},
        {"1.2.3", 1.2, 3},
        {"1e0x", 1, 3},
        {"0e", 0, 1},
        {"1_000", 1, 1},
        {"9007199254740993", 0x1p53, 16},
        {"9007199254740995", 0x1.0000000000002p53, 16},
        {"1.00000000000000011102230246251565404236316680908203125", 1.0, 55},
        {"1.00000000000000011102230246251565404236316680908203126", 0x1.0000000000001p0, 55},
        {"123456789012345678901234567890", 0x1.8ee90ff6c373ep+96, 30},
        {"2.2250738585072011e-308", 0x0.fffffffffffffp-1022, 23},
        {"4.9e-324", kMinSubnormal, 8},
        {"2.4703282292062328e-324", kMinSubnormal, 23},
        {"2.4703282292062327e-324", 0, 23},
        {"1e-400", 0, 6},
        {"1.7976931348623157e308", 0x1.fffffffffffffp1023, 22},
        {"1.7976931348623159e308", kInf, 22},
        {"1e999", kInf, 5},
        {"1e99999999999999999999", kInf, 22},
        {"1e-99999999999999999999", 0, 23},
        {"0e99999999999", 0, 13},
    };
    expectNumbers(cases);
}

TEST(ReadNumber, Hexadecimal) {
    const NumberCase cases[] = {
        {"0x10", 16, 4},
        {"0x1p4", 16, 5},
        {"0X1P1", 2, 5},
        {"0xAbCdEf.8P3", 90075004, 12},
        {"0x.8", 0.5, 4},
        {"0x1.", 1, 4},
        {"0x1P-2", 0.25, 6},
        {"0x", 0, 1},
        {"0X", 0, 1},
        {"0xg", 0, 1},
        {"0x.", 0, 1},
        {"0x.p1", 0, 1},
        {"00x1", 0, 2},
        {"0x1p", 1, 3},
        {"0x1p+", 1, 3},
        {"0x1p0x", 1, 5},
        {"0x0p0", 0, 5},
        {"0x1.00000000000008p0", 1, 20},
        {"0x1.00000000000018p0", 0x1.0000000000002p0, 20},
        {"0x1.00000000000008000001p0", 0x1.0000000000001p0, 26},
        {"0x1.fffffffffffff8p1023", kInf, 23},
        {"0x1.fffffffffffff7ffp1023", 0x1.fffffffffffffp1023, 25},
        {"0x1p-1074", kMinSubnormal, 9},
        {"0x1p-1075", 0, 9},
        {"0x1.8p-1074", 0x1p-1073, 11},
        {"0x0.80000001p-1073", kMinSubnormal, 18},
        {"0x1p99999999999999999", kInf, 21},
        {"0x1p-99999999999999999", 0, 22},
    };
    expectNumbers(cases);
}

TEST(ReadNumber, WordsSignsAndWhiteSpace) {
    const NumberCase cases[] = {
        {"inf", kInf, 3},
        {"INFINITY", kInf, 8},
        {"infinit", kInf, 3},
        {"+infinity9", kInf, 9},
        {"-inf", -kInf, 4},
        {"iNf", kInf, 3},
        {"nan", kNaN, 3},
        {"-nan", std::copysign(kNaN, -1.0), 4},
        {"NaN(123)", kNaN, 8},
        {"nan()", kNaN, 5},
        {"nan(a_B9)", kNaN, 9},
        {"nan(", kNaN, 3},
        {"nan(a b)", kNaN, 3},
        {"nan(-)", kNaN, 3},
        {"nanx", kNaN, 3},
        {"in", 0, 0},
        {"na", 0, 0},
        {" 1", 1, 2},
        {"\t\n\v\f\r1", 1, 6},
        {"-0", -0.0, 2},
        {"+1", 1, 2},
        {"-0x1p1", -2, 6},
        {"-0x", -0.0, 2},
        {"-0x.p1", -0.0, 2},
        {"+.5", 0.5, 3},
        // No number: +0.0 and nothing read, also after a sign or white space.
        {"", 0, 0},
        {".", 0, 0},
        {".e1", 0, 0},
        {"e5", 0, 0},
        {"-", 0, 0},
        {"- 1", 0, 0},
        {"+-1", 0, 0},
        {"--1", 0, 0},
        {"-.e", 0, 0},
        {"   ", 0, 0},
        {"\xA0"
         "1",
         0, 0},
        {"x", 0, 0},
    };
    expectNumbers(cases);
}

// The exact decimal value of 2^-1075, halfway between 0 and the least subnormal.
const char kHalfMinSubnormal[] =
    "2.4703282292062327208828439643411068618252990130716238221279284125033775363510437593264991818081799618"
    "9898282347722858865463328355177969898199387398005390939063150356595155702263922908583924491051844359"
    "3180284993653615250031937045767824921936562366986365848075700158576926990370631192827955855133292783"
    "4338409351978015531246597263579574622766465272827220056374006485499977096599470454020828166226237857"
    "3934507363390079677619305775067401763246736009689513405355374585166611342237666786041621596804619144"
    "6729184030053005753084904876539171138659164623952491262365388187963623937328042389101867234849766823"
    "5089863388587925628302755995657524455507255189313690836254779186948667994968324049705821028513185451"
    "396213837722826145437693412532098591327667236328125";

TEST(ReadNumber, LongTexts) {
    const std::string half = kHalfMinSubnormal;
    const std::string zeros(1000, '0');
    const std::string tie = "1.00000000000000011102230246251565404236316680908203125";
    const NumberCase cases[] = {
        {half + "e-324", 0, kWholeText},
        {half + "1e-324", kMinSubnormal, kWholeText},
        // A non-zero digit far past the kept ones still breaks the tie.
        {half + zeros + "e-324", 0, kWholeText},
        {half + zeros + "1e-324", kMinSubnormal, kWholeText},
        {tie + zeros, 1.0, kWholeText},
        {tie + zeros + "1", 0x1.0000000000001p0, kWholeText},
        {"1" + std::string(100000, '0'), kInf, kWholeText},
        {"1" + std::string(100000, '0') + "e-100000", 1, kWholeText},
        {"0." + std::string(100000, '0') + "1e100005", 10000, kWholeText},
        {"1" + std::string(30000, '0') + "e-30000", 1, kWholeText},
        {std::string(100000, '0') + "1.5", 1.5, kWholeText},
        {"0x1" + std::string(300, '0'), kInf, kWholeText},
        {"0x" + std::string(100000, '0') + "1p-1000", 0x1p-1000, kWholeText},
        {"0x0." + std::string(100000, '0') + "1p400004", 1, kWholeText},
        {"0x1" + std::string(100000, '0') + "p-400000", 1, kWholeText},
        {"0x1." + std::string(100000, '0') + "1p0", 1, kWholeText},
        {"0x1.00000000000008" + std::string(100000, '0') + "1p0", 0x1.0000000000001p0, kWholeText},
        {"5" + std::string(100000, '+'), 5, 1},
    };
    expectNumbers(cases);
}

TEST(ReadNumber, NullText) {
    const char* end = "unchanged";
    EXPECT_EQ(0.0, readNumber(nullptr, &end));
    EXPECT_EQ(nullptr, end);
    EXPECT_EQ(2.5, readNumber("2.5", nullptr));
}

// Deterministic texts of numbers in every form, short enough for every
// runtime's own strtod to read them as the C standard says.
struct TextSource {
    uint32_t state;
    uint32_t next() {
        state = state * 1664525u + 1013904223u;
        return state >> 8;
    }
    char pick(const char* chars) { return chars[next() % std::strlen(chars)]; }
    std::string digits(int32_t maxCount, const char* chars) {
        std::string s;
        const int32_t count = static_cast<int32_t>(next() % (maxCount + 1));
        for (int32_t i = 0; i < count; ++i)
            s += pick(chars);
        return s;
    }
    std::string ordinaryNumber() {
        std::string s;
        if (next() % 3 == 0) s += pick("+-");
        const bool hex = next() % 3 == 0;
        const char* digitChars = hex ? "0123456789abcdefABCDEF" : "0123456789";
        if (hex) s += next() % 2 ? "0x" : "0X";
        std::string significand = digits(hex ? 16 : 24, digitChars);
        if (next() % 2) significand += "." + digits(hex ? 16 : 24, digitChars);
        if (significand.find_first_not_of('.') == std::string::npos) significand += pick(digitChars + 1);
        s += significand;
        if (next() % 2) {
            s += hex ? pick("pP") : pick("eE");
            if (next() % 2) s += pick("+-");
            s += std::to_string(next() % (hex ? 1200 : 360));
        }
        return s;
    }
};

TEST(ReadNumber, AgreesWithTheRuntimeOnOrdinaryNumbers) {
    // Also checks that the Windows build has the C99 strtod, hexadecimal included.
    TextSource source{12345u};
    for (int32_t i = 0; i < 20000; ++i) {
        const std::string text = source.ordinaryNumber();
        char* runtimeEnd = nullptr;
        const double expected = std::strtod(text.c_str(), &runtimeEnd);
        const char* end = nullptr;
        const double value = readNumber(text.c_str(), &end);
        ASSERT_TRUE(sameValue(expected, value)) << "text: " << text;
        ASSERT_EQ(runtimeEnd - text.c_str(), end - text.c_str()) << "text: " << text;
    }
}

#if !defined(_WIN32)
// glibc's strtod is correctly rounded on texts of every length: the reference here.
TEST(ReadNumber, AgreesWithGlibcOnLongAndOddTexts) {
    TextSource source{777u};
    for (int32_t i = 0; i < 3000; ++i) {
        std::string text;
        if (i % 3 == 0) {
            text = source.digits(3, " \t-+") + source.digits(1200, "0000123456789") + "." +
                   source.digits(1200, "0123456789000") + "e" +
                   std::to_string(int32_t(source.next() % 1400) - 700);
        } else {
            text = source.digits(40, "0123456789.eE+-xXpPaAfFinNtyY() _");
        }
        char* runtimeEnd = nullptr;
        const double expected = std::strtod(text.c_str(), &runtimeEnd);
        const char* end = nullptr;
        const double value = readNumber(text.c_str(), &end);
        ASSERT_TRUE(sameValue(expected, value)) << "text: " << text;
        ASSERT_EQ(runtimeEnd - text.c_str(), end - text.c_str()) << "text: " << text;
    }
}
#endif

TEST(RuntimeConversion, StrtodAndWcstodAreTheC99Ones) {
    char* end = nullptr;
    const char hex[] = "0x1p4";
    EXPECT_EQ(16.0, std::strtod(hex, &end));
    EXPECT_EQ(hex + 5, end);
    EXPECT_EQ(kInf, std::strtod("infinity", nullptr));
    EXPECT_TRUE(std::isnan(std::strtod("nan", nullptr)));
    wchar_t* wideEnd = nullptr;
    const wchar_t wideHex[] = L"0x10";
    EXPECT_EQ(16.0, std::wcstod(wideHex, &wideEnd));
    EXPECT_EQ(wideHex + 4, wideEnd);
    EXPECT_EQ(-kInf, std::wcstod(L"-INF", nullptr));
    EXPECT_TRUE(std::isnan(std::wcstod(L"NaN", nullptr)));
}

struct InputCase {
    std::wstring text;
    double value;
};

TEST(ParseInputNumber, WindowInputTexts) {
    const InputCase cases[] = {
        {L"12abc", 12},
        {L"1,5", 1},
        {L" 1.5e2", 150},
        {L"abc", 0},
        {L"1e999", kInf},
        {L"inf", kInf},
        {L"-Infinity", -kInf},
        {L"nan", kNaN},
        {L"NaN(x_1)", kNaN},
        {L"", 0},
        {L"   ", 0},
        {L"170", 170},
        {L"  65.5  ", 65.5},
        {L"0x1p4", 16},
        {L"0x", 0},
        {L"-.5", -0.5},
        {L"-0", -0.0},
        {L"-", 0},
        {L"- 1", 0},
        {L"+.e", 0},
        {L"1.5 kg", 1.5},
        {L"170\x5398\x7c73", 170},
        // White space after the spaces is wcstod's: ASCII only.
        {L"\t3", 3},
        {L" \v7", 7},
        {L"\f8", 8},
        {L"\x3000"
         L"3",
         0},
        {L"\xa0"
         L"3",
         0},
        {L"\x2003"
         L"9",
         0},
        {L"\xff16\xff15", 0},
        {L"12\xff13", 12},
        {L"1\x2212"
         L"5",
         1},
    };
    for (const InputCase& c : cases) {
        EXPECT_TRUE(sameValue(c.value, parseInputNumber(c.text.c_str())))
            << "case " << (&c - cases) << " value " << parseInputNumber(c.text.c_str());
    }
    EXPECT_EQ(0.0, parseInputNumber(nullptr));
}

TEST(ParseInputNumber, OnlyTheFirst127CharactersCount) {
    EXPECT_EQ(1.0, parseInputNumber((std::wstring(126, L' ') + L"12").c_str()));
    EXPECT_EQ(0.0, parseInputNumber((std::wstring(127, L' ') + L"5").c_str()));
    EXPECT_EQ(12.0, parseInputNumber((std::wstring(100, L' ') + L"12").c_str()));
    const std::string ones(127, '1');
    EXPECT_EQ(std::strtod(ones.c_str(), nullptr), parseInputNumber(std::wstring(200, L'1').c_str()));
}

TEST(ParseInputNumber, AgreesWithWcstodOnOrdinaryNumbers) {
    TextSource source{4242u};
    for (int32_t i = 0; i < 5000; ++i) {
        const std::string narrow =
            source.digits(2, " \t") + source.ordinaryNumber() + source.digits(3, "x ,kg");
        const std::wstring text(narrow.begin(), narrow.end());
        ASSERT_TRUE(sameValue(std::wcstod(text.c_str(), nullptr), parseInputNumber(text.c_str()))) << narrow;
    }
}

} // namespace
