#include "launcher/pinyin_initials.h"

const PinyinChar kPinyinChars[] = {
#define PINYIN_CHAR(code, initial) {static_cast<wchar_t>(code), initial},
#define PINYIN_WORD(word, initials)
#include "launcher/pinyin_initials.inc"
#undef PINYIN_CHAR
#undef PINYIN_WORD
};
const int32_t kPinyinCharCount = static_cast<int32_t>(sizeof kPinyinChars / sizeof kPinyinChars[0]);

const PinyinWord kPinyinWords[] = {
#define PINYIN_CHAR(code, initial)
#define PINYIN_WORD(word, initials) {word, initials},
#include "launcher/pinyin_initials.inc"
#undef PINYIN_CHAR
#undef PINYIN_WORD
    {nullptr, nullptr}, // keeps the table whole when no word is listed
};
const int32_t kPinyinWordCount = static_cast<int32_t>(sizeof kPinyinWords / sizeof kPinyinWords[0]) - 1;

namespace {

// Names and categories are short; longer texts are read up to this.
constexpr int32_t kInitialsTextCapacity = 256;

bool isBlank(wchar_t c) {
    return c == L' ' || c == L'\t' || c == L'\x3000';
}

bool wordAt(const wchar_t* text, int32_t at, int32_t length, const wchar_t* word) {
    for (int32_t k = 0; word[k] != L'\0'; ++k)
        if (at + k >= length || text[at + k] != word[k]) return false;
    return true;
}

} // namespace

bool isHanCharacter(wchar_t c) {
    return (c >= 0x4E00 && c <= 0x9FFF) || (c >= 0x3400 && c <= 0x4DBF);
}

char pinyinInitialOf(wchar_t c) {
    int32_t low = 0;
    int32_t high = kPinyinCharCount - 1;
    while (low <= high) {
        const int32_t middle = (low + high) / 2;
        if (kPinyinChars[middle].character == c) return kPinyinChars[middle].initial;
        if (kPinyinChars[middle].character < c)
            low = middle + 1;
        else
            high = middle - 1;
    }
    return 0;
}

void composeInitials(const wchar_t* text, wchar_t* initials, int32_t capacity) {
    if (capacity < 1) return;
    initials[0] = L'\0';
    if (text == nullptr) return;
    // One unit per unit of the text first, so that words can overwrite theirs.
    wchar_t read[kInitialsTextCapacity];
    int32_t length = 0;
    for (; text[length] != L'\0' && length < kInitialsTextCapacity - 1; ++length) {
        const wchar_t c = text[length];
        const char initial = isHanCharacter(c) ? pinyinInitialOf(c) : 0;
        read[length] = initial != 0               ? static_cast<wchar_t>(initial)
                       : (c >= L'A' && c <= L'Z') ? static_cast<wchar_t>(c - L'A' + L'a')
                                                  : c;
    }
    for (int32_t w = 0; w < kPinyinWordCount; ++w) {
        const PinyinWord& word = kPinyinWords[w];
        for (int32_t at = 0; at < length; ++at)
            if (wordAt(text, at, length, word.word))
                for (int32_t k = 0; word.initials[k] != '\0' && at + k < length; ++k)
                    read[at + k] = static_cast<wchar_t>(word.initials[k]);
    }
    int32_t out = 0;
    for (int32_t i = 0; i < length && out < capacity - 1; ++i)
        if (!isBlank(text[i])) initials[out++] = read[i];
    initials[out] = L'\0';
}
