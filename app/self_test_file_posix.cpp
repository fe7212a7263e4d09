// The self-test file on POSIX systems, for the native build's tests.
#include <cstdio>

#include "app/self_test.h"
#include "engine/utf8.h"

bool writeUtf8File(const wchar_t* fileName, const wchar_t* text) {
    char name[kSelfTestNameCapacity * 4];
    if (convertToUtf8(fileName, name, sizeof name) < 0) return false;
    std::FILE* file = std::fopen(name, "wb");
    if (file == nullptr) return false;
    char bytes[kSelfTestFileCapacity * 4];
    const int32_t length = convertToUtf8(text, bytes, sizeof bytes);
    const bool written = length >= 0 && std::fwrite(bytes, 1, static_cast<size_t>(length), file) ==
                                            static_cast<size_t>(length);
    return std::fclose(file) == 0 && written;
}
