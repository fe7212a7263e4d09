// Text-to-number conversions that give the same result on every C runtime.
#pragma once

#include <cstdint>

// The window reads at most this many characters of an input box.
constexpr int32_t kMaxInputNumberChars = 127;

// Reads a number as strtod does in the C locale: leading white space, an
// optional sign, then a decimal constant, a hexadecimal one ("0x"), "inf",
// "infinity" or "nan" with an optional "(chars)", letters in any case.
// *end (when end is not null) is set after the number, or to text when there
// is none; then the value is 0.0. Correctly rounded; allocates nothing.
double readNumber(const char* text, const char** end);

// The value of an input box's text: leading spaces (U+0020) skipped, an
// empty rest reads 0.0, otherwise the longest leading number as wcstod reads
// it, 0.0 when there is none. Only the first kMaxInputNumberChars count.
double parseInputNumber(const wchar_t* text);
