// The date reader on arbitrary text: whatever reads is a day number whose
// YYYY-MM-DD text reads back as the same day, and nothing else reads as it.
#include <cwchar>
#include <string>

#include "engine/calendar.h"
#include "fuzz_support.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    // Pairs of bytes as UTF-16 units, so that CJK and full-width forms occur.
    std::wstring text;
    for (size_t i = 0; i + 1 < size; i += 2) {
        const wchar_t unit = static_cast<wchar_t>(data[i] | data[i + 1] << 8);
        if (unit == 0) break;
        text += unit;
    }
    int64_t day = -1;
    if (!readDateText(text.c_str(), &day)) {
        FUZZ_CHECK(day == -1);
        return 0;
    }
    const CivilDate date = civilFromDays(day);
    FUZZ_CHECK(date.year >= 1 && date.year <= 9999);
    wchar_t shown[32];
    formatDayNumber(day, shown, 32);
    FUZZ_CHECK(std::wcslen(shown) == 10);
    int64_t back = -1;
    FUZZ_CHECK(readDateText(shown, &back) && back == day);
    return 0;
}
