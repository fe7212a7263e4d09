// What every fuzz target shares: reading typed values from the fuzzer's
// bytes, buffers with guard units after their capacity, and the checks.
#pragma once

#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <cwchar>
#include <limits>
#include <memory>
#include <string>
#include <vector>

// A failed invariant is a crash for the fuzzer.
#define FUZZ_CHECK(condition)                                                                                \
    do {                                                                                                     \
        if (!(condition)) {                                                                                  \
            std::fprintf(stderr, "%s:%d: invariant failed: %s\n", __FILE__, __LINE__, #condition);           \
            std::abort();                                                                                    \
        }                                                                                                    \
    } while (0)

// The fuzzer's bytes, read front to back; past the end everything reads 0.
struct FuzzInput {
    const uint8_t* data;
    size_t size;
    size_t at = 0;

    bool empty() const { return at >= size; }
    uint8_t byte() { return at < size ? data[at++] : 0; }
    uint16_t u16() { return static_cast<uint16_t>(byte() | (byte() << 8)); }
    uint32_t u32() { return static_cast<uint32_t>(u16()) | (static_cast<uint32_t>(u16()) << 16); }
    uint64_t u64() { return static_cast<uint64_t>(u32()) | (static_cast<uint64_t>(u32()) << 32); }
    int32_t i32() { return static_cast<int32_t>(u32()); }
    // 1..max, most often small.
    int32_t count(int32_t max) {
        const uint32_t raw = byte() < 128 ? byte() : u16();
        return static_cast<int32_t>(raw % static_cast<uint32_t>(max)) + 1;
    }

    // A double: special values by a selector byte, or any bit pattern.
    double number() {
        static const double kSpecial[] = {0.0,
                                          -0.0,
                                          std::numeric_limits<double>::quiet_NaN(),
                                          -std::numeric_limits<double>::quiet_NaN(),
                                          std::numeric_limits<double>::infinity(),
                                          -std::numeric_limits<double>::infinity(),
                                          std::numeric_limits<double>::max(),
                                          -std::numeric_limits<double>::max(),
                                          std::numeric_limits<double>::denorm_min(),
                                          1e300,
                                          -1e300,
                                          2147483648.0,
                                          -2147483649.0,
                                          9.3e18,
                                          1e19,
                                          0.5,
                                          -0.5,
                                          170.0,
                                          65.0};
        constexpr uint8_t kSpecialCount = sizeof kSpecial / sizeof kSpecial[0];
        const uint8_t selector = byte();
        if (selector < kSpecialCount) return kSpecial[selector];
        if (selector < 160) return static_cast<double>(static_cast<int8_t>(byte())); // small whole numbers
        if (selector < 200) return static_cast<double>(i32()) / 16.0;
        const uint64_t bits = u64();
        double value;
        std::memcpy(&value, &bits, sizeof value);
        return value;
    }

    // At most maxLength bytes, without NUL (the text ends there).
    std::string narrowText(size_t maxLength) {
        const size_t length = static_cast<size_t>(count(static_cast<int32_t>(maxLength + 1)) - 1);
        std::string text;
        for (size_t i = 0; i < length && !empty(); ++i) {
            const char c = static_cast<char>(byte());
            if (c == '\0') break;
            text += c;
        }
        return text;
    }

    // Wide text of at most maxLength units, without NUL: mostly 16-bit units
    // (surrogates included), sometimes any 32-bit value where wchar_t has them.
    std::wstring wideText(size_t maxLength) {
        const size_t length = static_cast<size_t>(count(static_cast<int32_t>(maxLength + 1)) - 1);
        std::wstring text;
        for (size_t i = 0; i < length && !empty(); ++i) {
            const uint8_t kind = byte();
            uint32_t unit = 0;
            if (kind < 64) {
                unit = byte(); // ASCII and Latin-1: separators, quotes, CR, LF, '|'
            } else if (kind < 250 || sizeof(wchar_t) == 2) {
                unit = u16();
            } else {
                unit = u32();
            }
            if (unit == 0) break;
            text += static_cast<wchar_t>(unit);
        }
        return text;
    }
};

// A wide buffer of the given capacity with guard units after it; the
// memory ends right after the guard, so the sanitizer sees anything beyond.
// Filled and scanned by the C library: a loop here would pay the coverage
// instrumentation for every unit of every buffer.
struct GuardedText {
    static constexpr int32_t kGuard = 16;
    static constexpr wchar_t kFill = static_cast<wchar_t>(0x5A5A);
    std::unique_ptr<wchar_t[]> units;
    int32_t capacity;

    explicit GuardedText(int32_t capacity_)
        : units(new wchar_t[static_cast<size_t>(capacity_ + kGuard)]), capacity(capacity_) {
        refill();
    }
    // As new, for a buffer kept from one run to the next.
    void refill() { std::wmemset(units.get(), kFill, static_cast<size_t>(capacity + kGuard)); }
    wchar_t* data() { return units.get(); }
    const wchar_t* text() const { return units.get(); }

    // Terminated within the capacity, nothing written past it; returns the length.
    int32_t check() const {
        for (int32_t i = capacity; i < capacity + kGuard; ++i)
            FUZZ_CHECK(units[static_cast<size_t>(i)] == kFill);
        const wchar_t* end = std::wmemchr(units.get(), 0, static_cast<size_t>(capacity));
        FUZZ_CHECK(end != nullptr);
        return static_cast<int32_t>(end - units.get());
    }
};

inline int32_t wideLength(const wchar_t* text) {
    return static_cast<int32_t>(std::wcslen(text));
}

inline bool startsWith(const wchar_t* text, const wchar_t* prefix, int32_t prefixLength) {
    return std::wmemcmp(text, prefix, static_cast<size_t>(prefixLength)) == 0;
}

// Shows a wide text on stderr (ASCII as is, the rest as \u escapes), at most 200 units.
inline void showText(const char* what, const wchar_t* text) {
    std::fprintf(stderr, "%s (%d units): \"", what, wideLength(text));
    for (int32_t i = 0; text[i] != 0 && i < 200; ++i) {
        const uint32_t c = static_cast<uint32_t>(text[i]);
        if (c >= 0x20 && c < 0x7F)
            std::fputc(static_cast<int>(c), stderr);
        else
            std::fprintf(stderr, "\\u%04x", c);
    }
    std::fprintf(stderr, "\"\n");
}

// A cut text is the first capacity - 1 units of the whole one (or all of it).
inline void checkCutOf(const wchar_t* cut, int32_t capacity, const wchar_t* whole) {
    const int32_t wholeLength = wideLength(whole);
    const int32_t expected = wholeLength < capacity - 1 ? wholeLength : capacity - 1;
    if (wideLength(cut) != expected || !startsWith(whole, cut, expected)) {
        std::fprintf(stderr, "capacity %d\n", capacity);
        showText("cut", cut);
        showText("whole", whole);
    }
    FUZZ_CHECK(wideLength(cut) == expected);
    FUZZ_CHECK(startsWith(whole, cut, expected));
}
