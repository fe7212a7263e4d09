// The self-test file on POSIX systems, for the native build's tests.
#include <cstdio>
#include <cstring>

#include "app/self_test.h"

namespace {

// UTF-32 to UTF-8; what is no Unicode scalar value becomes U+FFFD, as the
// Windows conversion does with an unpaired surrogate.
size_t encodeUtf8(const wchar_t* text, char* out, size_t capacity) {
    size_t n = 0;
    for (const wchar_t* p = text; *p != 0; ++p) {
        unsigned long c = static_cast<unsigned long>(*p);
        if (c > 0x10FFFF || (c >= 0xD800 && c <= 0xDFFF)) c = 0xFFFD;
        char bytes[4];
        size_t count;
        if (c < 0x80) {
            bytes[0] = static_cast<char>(c);
            count = 1;
        } else if (c < 0x800) {
            bytes[0] = static_cast<char>(0xC0 | (c >> 6));
            bytes[1] = static_cast<char>(0x80 | (c & 0x3F));
            count = 2;
        } else if (c < 0x10000) {
            bytes[0] = static_cast<char>(0xE0 | (c >> 12));
            bytes[1] = static_cast<char>(0x80 | ((c >> 6) & 0x3F));
            bytes[2] = static_cast<char>(0x80 | (c & 0x3F));
            count = 3;
        } else {
            bytes[0] = static_cast<char>(0xF0 | (c >> 18));
            bytes[1] = static_cast<char>(0x80 | ((c >> 12) & 0x3F));
            bytes[2] = static_cast<char>(0x80 | ((c >> 6) & 0x3F));
            bytes[3] = static_cast<char>(0x80 | (c & 0x3F));
            count = 4;
        }
        if (n + count > capacity) return n;
        std::memcpy(out + n, bytes, count);
        n += count;
    }
    return n;
}

} // namespace

bool writeUtf8File(const wchar_t* fileName, const wchar_t* text) {
    char name[kSelfTestNameCapacity * 4 + 1];
    size_t nameLength = encodeUtf8(fileName, name, sizeof name - 1);
    name[nameLength] = 0;
    std::FILE* file = std::fopen(name, "wb");
    if (file == nullptr) return false;
    char bytes[kSelfTestFileCapacity * 4];
    size_t length = encodeUtf8(text, bytes, sizeof bytes);
    bool written = std::fwrite(bytes, 1, length, file) == length;
    return std::fclose(file) == 0 && written;
}
