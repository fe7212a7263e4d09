// The self-test file: UTF-8 through the system's conversion, wide file name.
#include <windows.h>

#include <cstdio>

#include "app/self_test.h"

namespace {
// Room for the largest file text, three bytes a unit, and the terminator,
// so that no file text is ever too long to be written.
constexpr int kUtf8Capacity = kSelfTestFileCapacity * 3;
} // namespace

bool writeUtf8File(const wchar_t* fileName, const wchar_t* text) {
    FILE* file = _wfopen(fileName, L"wb");
    if (file == nullptr) return false;
    char bytes[kUtf8Capacity];
    int converted = WideCharToMultiByte(CP_UTF8, 0, text, -1, bytes, kUtf8Capacity, nullptr, nullptr);
    bool written = false;
    if (converted > 0) {
        size_t length = static_cast<size_t>(converted - 1);
        written = std::fwrite(bytes, 1, length, file) == length;
    }
    return std::fclose(file) == 0 && written;
}
