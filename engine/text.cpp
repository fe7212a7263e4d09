// A formatter of our own, so that the texts do not depend on which C runtime
// runs the program: glibc and the Windows runtimes disagree on what a wide
// printf returns and leaves in the buffer when the output does not fit.
// Numbers still go through the runtime's narrow snprintf (C99-conforming on
// both builds), one conversion at a time.
#include "engine/text.h"

#include <climits>
#include <cstddef>
#include <cstdio>
#include <cwchar>
#include <type_traits>

namespace {

// A wide character passed through "..." (16-bit wint_t is promoted to int).
using PromotedWint = std::conditional_t<(sizeof(wint_t) < sizeof(int)), int, wint_t>;

// The output of one formatting call: writes stop at capacity - 1.
struct Sink {
    wchar_t* buffer;
    int32_t capacity;
    int32_t length;
};

void put(Sink& sink, wchar_t c) {
    if (sink.length < sink.capacity - 1) sink.buffer[sink.length++] = c;
}

void putPadding(Sink& sink, wchar_t c, long count) {
    for (long i = 0; i < count && sink.length < sink.capacity - 1; ++i)
        put(sink, c);
}

bool isDigit(wchar_t c) {
    return c >= L'0' && c <= L'9';
}

// Widths and precisions are capped so that one conversion always fits the
// narrow scratch below: the widest is a precision-400 fixed-point double
// (309 integer digits) in a field of at most kMaxField characters.
constexpr int kMaxField = 1000;
constexpr int kMaxFloatPrecision = 400;
constexpr int kNarrowCapacity = 1100;

int capField(long long value) {
    return value > kMaxField ? kMaxField : static_cast<int>(value);
}

const wchar_t* readCount(const wchar_t* p, int* value) {
    long long v = 0;
    for (; isDigit(*p); ++p)
        v = v <= kMaxField ? v * 10 + (*p - L'0') : v;
    *value = capField(v);
    return p;
}

struct Conversion {
    bool leftAlign;
    char flags[8];
    int flagCount;
    int width;     // -1: none
    int precision; // -1: none
    int lengthMod; // 0 none, 'h', 'l', 'L' (ll), 'z'
};

// Appends a text of known length, padded to the field width.
template <typename Char>
void putField(Sink& sink, const Conversion& conversion, const Char* text, long length) {
    long pad = conversion.width > length ? conversion.width - length : 0;
    if (!conversion.leftAlign) putPadding(sink, L' ', pad);
    for (long i = 0; i < length && sink.length < sink.capacity - 1; ++i)
        put(sink, static_cast<wchar_t>(text[i]));
    if (conversion.leftAlign) putPadding(sink, L' ', pad);
}

// Builds "%<flags><width>.<precision><length><conv>" for snprintf.
void buildNarrowFormat(char* out, size_t size, const Conversion& conversion, const char* length, char conv) {
    char flags[9] = {};
    for (int i = 0; i < conversion.flagCount; ++i)
        flags[i] = conversion.flags[i];
    char width[16] = "";
    char precision[16] = "";
    if (conversion.width >= 0) std::snprintf(width, sizeof width, "%d", conversion.width);
    if (conversion.precision >= 0) std::snprintf(precision, sizeof precision, ".%d", conversion.precision);
    std::snprintf(out, size, "%%%s%s%s%s%c", flags, width, precision, length, conv);
}

void putNarrow(Sink& sink, const char* text, int written, size_t bufferSize) {
    if (written < 0) return;
    size_t n = static_cast<size_t>(written) < bufferSize ? static_cast<size_t>(written) : bufferSize - 1;
    for (size_t i = 0; i < n && sink.length < sink.capacity - 1; ++i)
        put(sink, static_cast<wchar_t>(static_cast<unsigned char>(text[i])));
}

} // namespace

int32_t formatTextV(wchar_t* buffer, int32_t capacity, const wchar_t* format, va_list args) {
    if (buffer == nullptr || capacity < 1) return 0;
    Sink sink{buffer, capacity, 0};
    if (format == nullptr) format = L"";

    for (const wchar_t* p = format; *p != 0 && sink.length < capacity - 1; ++p) {
        if (*p != L'%') {
            put(sink, *p);
            continue;
        }
        const wchar_t* start = p;
        ++p;
        if (*p == L'%') {
            put(sink, L'%');
            continue;
        }
        Conversion conversion{};
        conversion.width = -1;
        conversion.precision = -1;
        for (;; ++p) {
            wchar_t c = *p;
            if (c != L'-' && c != L'0' && c != L'+' && c != L' ' && c != L'#') break;
            if (c == L'-') conversion.leftAlign = true;
            if (conversion.flagCount < 7) conversion.flags[conversion.flagCount++] = static_cast<char>(c);
        }
        if (*p == L'*') {
            long long w = va_arg(args, int);
            if (w < 0) {
                conversion.leftAlign = true;
                if (conversion.flagCount < 7) conversion.flags[conversion.flagCount++] = '-';
                w = -w;
            }
            conversion.width = capField(w);
            ++p;
        } else if (isDigit(*p)) {
            p = readCount(p, &conversion.width);
        }
        if (*p == L'.') {
            ++p;
            conversion.precision = 0;
            if (*p == L'*') {
                int v = va_arg(args, int);
                conversion.precision = v < 0 ? -1 : capField(v);
                ++p;
            } else {
                p = readCount(p, &conversion.precision);
            }
        }
        const char* length = "";
        if (*p == L'h') {
            conversion.lengthMod = 'h';
            length = "h";
            ++p;
        } else if (*p == L'l' && p[1] == L'l') {
            conversion.lengthMod = 'L';
            length = "ll";
            p += 2;
        } else if (*p == L'l') {
            conversion.lengthMod = 'l';
            length = "l";
            ++p;
        } else if (*p == L'z') {
            conversion.lengthMod = 'z';
            length = "z";
            ++p;
        }

        char narrowFormat[48];
        char narrow[kNarrowCapacity];
        int written = -1;
        switch (*p) {
        case L'd':
        case L'i':
            buildNarrowFormat(narrowFormat, sizeof narrowFormat, conversion, length, 'd');
            if (conversion.lengthMod == 'L')
                written = std::snprintf(narrow, sizeof narrow, narrowFormat, va_arg(args, long long));
            else if (conversion.lengthMod == 'l')
                written = std::snprintf(narrow, sizeof narrow, narrowFormat, va_arg(args, long));
            else if (conversion.lengthMod == 'z')
                written = std::snprintf(narrow, sizeof narrow, narrowFormat, va_arg(args, ptrdiff_t));
            else
                written = std::snprintf(narrow, sizeof narrow, narrowFormat, va_arg(args, int));
            putNarrow(sink, narrow, written, sizeof narrow);
            break;
        case L'u':
        case L'x':
        case L'X': {
            char conv = static_cast<char>(*p);
            buildNarrowFormat(narrowFormat, sizeof narrowFormat, conversion, length, conv);
            if (conversion.lengthMod == 'L')
                written =
                    std::snprintf(narrow, sizeof narrow, narrowFormat, va_arg(args, unsigned long long));
            else if (conversion.lengthMod == 'l')
                written = std::snprintf(narrow, sizeof narrow, narrowFormat, va_arg(args, unsigned long));
            else if (conversion.lengthMod == 'z')
                written = std::snprintf(narrow, sizeof narrow, narrowFormat, va_arg(args, size_t));
            else
                written = std::snprintf(narrow, sizeof narrow, narrowFormat, va_arg(args, unsigned int));
            putNarrow(sink, narrow, written, sizeof narrow);
            break;
        }
        case L'f':
        case L'F':
        case L'e':
        case L'E':
        case L'g':
        case L'G': {
            if (conversion.precision > kMaxFloatPrecision) conversion.precision = kMaxFloatPrecision;
            buildNarrowFormat(narrowFormat, sizeof narrowFormat, conversion, "", static_cast<char>(*p));
            written = std::snprintf(narrow, sizeof narrow, narrowFormat, va_arg(args, double));
            putNarrow(sink, narrow, written, sizeof narrow);
            break;
        }
        case L'c': {
            wchar_t c = static_cast<wchar_t>(va_arg(args, PromotedWint));
            putField(sink, conversion, &c, 1);
            break;
        }
        case L's': {
            if (conversion.lengthMod == 'l') {
                const wchar_t* s = va_arg(args, const wchar_t*);
                if (s == nullptr) s = L"(null)";
                long n = 0;
                while (s[n] != 0 && (conversion.precision < 0 || n < conversion.precision))
                    ++n;
                putField(sink, conversion, s, n);
            } else {
                const char* s = va_arg(args, const char*);
                if (s == nullptr) s = "(null)";
                long n = 0;
                while (s[n] != 0 && (conversion.precision < 0 || n < conversion.precision))
                    ++n;
                putField(sink, conversion, reinterpret_cast<const unsigned char*>(s), n);
            }
            break;
        }
        default:
            // Unknown conversion: shown as written, consuming no argument.
            for (const wchar_t* q = start; q <= p && *q != 0; ++q)
                put(sink, *q);
            if (*p == 0) --p;
            break;
        }
    }
    buffer[sink.length] = 0;
    return sink.length;
}

int32_t formatText(wchar_t* buffer, int32_t capacity, const wchar_t* format, ...) {
    va_list args;
    va_start(args, format);
    int32_t n = formatTextV(buffer, capacity, format, args);
    va_end(args);
    return n;
}

int32_t textLength(const wchar_t* text) {
    if (text == nullptr) return 0;
    // Every append measures the whole text first; the library's scan is the fastest.
    return static_cast<int32_t>(std::wcslen(text));
}

int32_t copyText(wchar_t* destination, int32_t capacity, const wchar_t* text) {
    if (destination == nullptr || capacity < 1) return 0;
    destination[0] = 0;
    return appendText(destination, capacity, text);
}

int32_t appendTextN(wchar_t* buffer, int32_t capacity, const wchar_t* text, int32_t count) {
    if (buffer == nullptr || capacity < 1) return 0;
    int32_t n = textLength(buffer);
    if (text == nullptr || n >= capacity - 1) return n;
    int32_t room = capacity - 1 - n;
    int32_t i = 0;
    while (i < room && i < count && text[i] != 0) {
        buffer[n + i] = text[i];
        ++i;
    }
    buffer[n + i] = 0;
    return n + i;
}

int32_t appendText(wchar_t* buffer, int32_t capacity, const wchar_t* text) {
    return appendTextN(buffer, capacity, text, INT32_MAX);
}
