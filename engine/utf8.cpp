#include "engine/utf8.h"

int32_t convertToUtf8(const wchar_t* text, char* bytes, int32_t capacity) {
    if (bytes == nullptr || capacity < 1) return -1;
    int32_t n = 0;
    for (int32_t i = 0; text != nullptr && text[i] != 0; ++i) {
        uint32_t c = unitValue(text[i]);
        if (isHighSurrogate(c)) {
            const uint32_t low = unitValue(text[i + 1]);
            if (!isLowSurrogate(low)) {
                bytes[0] = 0;
                return -1;
            }
            c = 0x10000 + ((c - 0xD800) << 10) + (low - 0xDC00);
            ++i;
        } else if (isLowSurrogate(c) || c > 0x10FFFF) {
            bytes[0] = 0;
            return -1;
        }
        const int32_t size = c < 0x80 ? 1 : c < 0x800 ? 2 : c < 0x10000 ? 3 : 4;
        if (n + size > capacity - 1) {
            bytes[0] = 0;
            return -1;
        }
        if (size == 1) {
            bytes[n++] = static_cast<char>(c);
            continue;
        }
        static constexpr unsigned char kLead[] = {0, 0, 0xC0, 0xE0, 0xF0};
        bytes[n] = static_cast<char>(kLead[size] | (c >> (6 * (size - 1))));
        for (int32_t k = 1; k < size; ++k)
            bytes[n + k] = static_cast<char>(0x80 | ((c >> (6 * (size - 1 - k))) & 0x3F));
        n += size;
    }
    bytes[n] = 0;
    return n;
}
