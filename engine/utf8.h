// UTF-16 (or UTF-32, where wchar_t is 32 bits) to UTF-8, the same bytes on
// every platform.
#pragma once

#include <cstdint>

inline uint32_t unitValue(wchar_t c) {
    return static_cast<uint32_t>(c);
}
inline bool isHighSurrogate(uint32_t u) {
    return u >= 0xD800 && u <= 0xDBFF;
}
inline bool isLowSurrogate(uint32_t u) {
    return u >= 0xDC00 && u <= 0xDFFF;
}

// UTF-8 of the whole text with a terminating zero; returns the byte count
// without the zero, or -1 when the text holds an unpaired surrogate or a value
// beyond U+10FFFF, or does not fit.
int32_t convertToUtf8(const wchar_t* text, char* bytes, int32_t capacity);
