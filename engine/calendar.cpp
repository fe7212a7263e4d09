// The era-based civil-date conversions: 400-year eras of 146097 days, with
// years counted from March so that the leap day ends the year.
#include "engine/calendar.h"

#include "engine/text.h"

namespace {

constexpr int64_t kDaysPerEra = 146097;
// From 0000-03-01 to 1970-01-01.
constexpr int64_t kEpochShift = 719468;

} // namespace

CivilDate civilFromDays(int64_t dayNumber) {
    // floor((n + kEpochShift) / kDaysPerEra) without forming n + kEpochShift,
    // which would overflow near INT64_MAX.
    const int64_t q = dayNumber / kDaysPerEra;                                 // truncated
    const int64_t r = dayNumber % kDaysPerEra;                                 // [-146096, 146096]
    const int64_t nEra = r < 0 ? q - 1 : q;                                    // floor(n / 146097)
    const int64_t nDoe = r < 0 ? r + kDaysPerEra : r;                          // [0, 146096]
    const int64_t shifted = nDoe + kEpochShift;                                // [719468, 865564]
    const int64_t era = nEra + shifted / kDaysPerEra;                          // [-6.4e13, 6.4e13]
    const int64_t doe = shifted % kDaysPerEra;                                 // [0, 146096]
    const int64_t yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365; // [0, 399]
    const int64_t doy = doe - (365 * yoe + yoe / 4 - yoe / 100);               // [0, 365]
    const int64_t mp = (5 * doy + 2) / 153;                                    // [0, 11]
    const int64_t day = doy - (153 * mp + 2) / 5 + 1;                          // [1, 31]
    const int64_t month = mp < 10 ? mp + 3 : mp - 9;                           // [1, 12]
    const int64_t year = yoe + era * 400 + (month <= 2 ? 1 : 0);               // [-2.6e16, 2.6e16]
    return CivilDate{year, static_cast<int32_t>(month), static_cast<int32_t>(day)};
}

void formatDayNumber(int64_t dayNumber, wchar_t* buffer, int32_t capacity) {
    const CivilDate date = civilFromDays(dayNumber);
    formatText(buffer, capacity, L"%04lld-%02lld-%02lld", static_cast<long long>(date.year),
               static_cast<long long>(date.month), static_cast<long long>(date.day));
}

bool dayNumberFromValue(double value, int64_t* dayNumber) {
    // -2^63 is exact as a double; 2^63 is the first value past the range.
    if (!(value >= -9223372036854775808.0 && value < 9223372036854775808.0)) return false;
    *dayNumber = static_cast<int64_t>(value);
    return true;
}

namespace {

bool isBlank(wchar_t c) {
    return c == L' ' || c == L'\t' || c == 0x3000;
}

// Full-width forms as the ASCII letters they stand for, as an IME in full-width mode types them.
wchar_t narrowed(wchar_t c) {
    return c >= 0xFF01 && c <= 0xFF5E ? static_cast<wchar_t>(c - 0xFEE0) : c;
}

// Reads minDigits..maxDigits digits at text[*at] into *value and moves *at past them.
bool readDigits(const wchar_t* text, int32_t* at, int32_t minDigits, int32_t maxDigits, int32_t* value) {
    int32_t count = 0;
    *value = 0;
    while (count < maxDigits && text[*at] >= L'0' && text[*at] <= L'9') {
        *value = *value * 10 + (text[*at] - L'0');
        ++*at;
        ++count;
    }
    return count >= minDigits && !(text[*at] >= L'0' && text[*at] <= L'9');
}

int32_t daysInMonth(int32_t year, int32_t month) {
    constexpr int32_t kDays[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    const bool leap = (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
    return month == 2 && leap ? 29 : kDays[month - 1];
}

bool readDateParts(const wchar_t* t, int32_t* year, int32_t* month, int32_t* day) {
    int32_t at = 0;
    int32_t whole = 0;
    if (readDigits(t, &at, 8, 8, &whole) && t[at] == 0) {
        *year = whole / 10000;
        *month = whole / 100 % 100;
        *day = whole % 100;
        return true;
    }
    at = 0;
    if (!readDigits(t, &at, 4, 4, year)) return false;
    const wchar_t first = t[at++];
    const bool chinese = first == L'年';
    if (!chinese && first != L'-' && first != L'/' && first != L'.') return false;
    if (!readDigits(t, &at, 1, 2, month)) return false;
    if (t[at++] != (chinese ? L'月' : first)) return false;
    if (!readDigits(t, &at, 1, 2, day)) return false;
    if (chinese && t[at++] != L'日') return false;
    return t[at] == 0;
}

} // namespace

bool readDateText(const wchar_t* text, int64_t* dayNumber) {
    if (text == nullptr) return false;
    int32_t start = 0;
    while (start < kMaxDateTextChars && isBlank(text[start]))
        ++start;
    int32_t end = start;
    while (end < kMaxDateTextChars && text[end] != 0)
        ++end;
    if (end == kMaxDateTextChars && text[end] != 0) return false;
    while (end > start && isBlank(text[end - 1]))
        --end;
    // Every accepted form is shorter than this.
    wchar_t date[16];
    if (end - start >= 16) return false;
    for (int32_t i = start; i < end; ++i)
        date[i - start] = narrowed(text[i]);
    date[end - start] = 0;
    int32_t year = 0, month = 0, day = 0;
    if (!readDateParts(date, &year, &month, &day)) return false;
    if (year < 1 || month < 1 || month > 12 || day < 1 || day > daysInMonth(year, month)) return false;
    *dayNumber = daysFromCivil(year, month, day);
    return true;
}
