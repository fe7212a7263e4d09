// Bounded wide-text helpers: every write cuts at capacity - 1 and terminates.
#pragma once

#include <cstdarg>
#include <cstdint>

// printf-style formatting of wide text, the same on every C runtime.
// Conversions: %d %i %u %x %X %c (wide char) %ls (wide text) %s (8-bit text)
// %f %e %g (and upper case) %%, with flags, width, precision and the length
// modifiers h l ll z; widths and precisions above 1000 count as 1000. A
// result that does not fit is cut at capacity - 1 units; with capacity >= 1
// the buffer is always terminated. Returns the length written (not the
// length the full result would have).
int32_t formatText(wchar_t* buffer, int32_t capacity, const wchar_t* format, ...);
int32_t formatTextV(wchar_t* buffer, int32_t capacity, const wchar_t* format, va_list args);

int32_t textLength(const wchar_t* text);

// Copies text, cut at capacity - 1 units, and terminates. Returns the length.
int32_t copyText(wchar_t* destination, int32_t capacity, const wchar_t* text);

// Bounded append: with n the current length, appends only while
// n < capacity - 1, and then at most capacity - 1 - n units; returns the
// new length. A null text appends nothing.
int32_t appendText(wchar_t* buffer, int32_t capacity, const wchar_t* text);
// The same for at most count units of text.
int32_t appendTextN(wchar_t* buffer, int32_t capacity, const wchar_t* text, int32_t count);
