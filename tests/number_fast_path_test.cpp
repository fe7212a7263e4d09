// readNumber converts short decimals without strtod; these tests hold it to
// strtod's exact value and end position on the texts that path takes and on
// its borders.
#include "engine/number.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <random>
#include <string>

namespace {

// Bit for bit, so -0.0 and 0.0 differ; NaN does not arise here.
bool sameBits(double a, double b) {
    return std::memcmp(&a, &b, sizeof a) == 0;
}

void expectAsStrtod(const std::string& text) {
    char* strtodEnd = nullptr;
    const double expected = std::strtod(text.c_str(), &strtodEnd);
    const char* end = nullptr;
    const double value = readNumber(text.c_str(), &end);
    ASSERT_TRUE(sameBits(expected, value))
        << "text: " << text << " strtod: " << expected << " ours: " << value;
    ASSERT_EQ(strtodEnd - text.c_str(), end - text.c_str()) << "text: " << text;
}

TEST(NumberFastPath, BordersOfTheExactRange) {
    const char* const texts[] = {
        // 2^53 and its neighbours, as integers and scaled.
        "9007199254740992",
        "9007199254740993",
        "9007199254740991",
        "9007199254740994",
        "9007199254740992e1",
        "9007199254740993e-1",
        "900719925474099.2",
        "90071992547409.93",
        "9.007199254740993e15",
        // Powers of ten at and past 10^22.
        "1e22",
        "1e23",
        "1e-22",
        "1e-23",
        "9e22",
        "9e-22",
        "4503599627370497e22",
        "9007199254740992e-22",
        "1e21",
        "12e21",
        "0.000000000000000000001",
        "0.0000000000000000000001",
        "100000000000000000000000",
        // 19 and 20 significant digits, leading and trailing zeros.
        "1234567890123456789",
        "12345678901234567890",
        "1234567890123456789e-3",
        "0000000000000000000000001.5",
        "1.5000000000000000000000",
        "0.00000000000000000001234",
        "123456789012345678",
        "99999999999999999999",
        "18446744073709551615",
        "18446744073709551616",
        "1844674407370955161.6e-3",
        // The numbers of the tool and nearby, with signs and blanks.
        "100",
        "18.5",
        "24",
        "28",
        "105",
        "0.1",
        "0.2",
        "0.3",
        "-0",
        "-0.0",
        "+0e5",
        "0e-400",
        "  -18.5",
        "1.",
        ".5",
        "5.e2",
        "1e",
        "1e+",
        "1e-",
        "1.5e2x",
        "1.2.3",
        "2.5E-1",
        "1e+0009",
        "007",
        // Halfway cases that need more than 19 digits go on to strtod.
        "9007199254740993.0000000000000001",
        "0.30000000000000004",
        "2.2250738585072014e-308",
        // Hexadecimal constants never take the short path.
        "0x10",
        "0x1p4",
        "0x1.8p3",
        "0x1.fffffffffffffp1023",
        "0x1p-1074",
        "0x20000000000001",
        "0X.8P1",
    };
    for (const char* text : texts)
        expectAsStrtod(text);
}

// Random decimals shaped like the ones the short path takes: 1 to 20
// significant digits (most near 2^53), the point anywhere, exponents that put
// the power of ten on both sides of +-22.
std::string shortDecimal(std::mt19937_64& random) {
    auto below = [&random](uint64_t n) { return static_cast<int32_t>(random() % n); };
    std::string digits;
    const int32_t count = below(4) == 0 ? 15 + below(3) : 1 + below(20);
    if (count >= 15 && count <= 16 && below(2) == 0) {
        // A value within a few units of 2^53, in 16 digits.
        digits = std::to_string((uint64_t{1} << 53) - 8 + static_cast<uint64_t>(below(17)));
    } else {
        for (int32_t i = 0; i < count; ++i)
            digits += static_cast<char>('0' + below(10));
    }
    std::string text;
    if (below(4) == 0) text += below(2) == 0 ? "-" : "+";
    text += std::string(static_cast<size_t>(below(4) == 0 ? below(5) : 0), '0');
    const int32_t point = below(static_cast<uint64_t>(digits.size()) + 2) - 1; // -1: none
    for (int32_t i = 0; i < static_cast<int32_t>(digits.size()); ++i) {
        if (i == point) text += '.';
        text += digits[static_cast<size_t>(i)];
    }
    if (point == static_cast<int32_t>(digits.size())) text += '.';
    if (below(3) != 0) {
        text += below(2) == 0 ? 'e' : 'E';
        const int32_t exponent = below(61) - 30;
        if (exponent >= 0 && below(2) == 0) text += '+';
        text += std::to_string(exponent);
    }
    return text;
}

TEST(NumberFastPath, AgreesWithStrtodOnManyShortDecimals) {
    std::mt19937_64 random(20240601u);
    for (int32_t i = 0; i < 300000; ++i) {
        expectAsStrtod(shortDecimal(random));
        if (HasFatalFailure()) return;
    }
}

TEST(NumberFastPath, AgreesWithStrtodOnEveryIntegerUpToAMillionAndItsTenths) {
    char text[32];
    for (int32_t n = 0; n <= 1000000; n += 7) {
        std::snprintf(text, sizeof text, "%d", n);
        expectAsStrtod(text);
        std::snprintf(text, sizeof text, "%d.%d", n / 10, n % 10);
        expectAsStrtod(text);
        std::snprintf(text, sizeof text, "%de-%d", n, n % 25);
        expectAsStrtod(text);
        if (HasFatalFailure()) return;
    }
}

} // namespace
