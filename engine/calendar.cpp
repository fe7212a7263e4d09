// The era-based civil-date conversions: 400-year eras of 146097 days, with
// years counted from March so that the leap day ends the year.
#include "engine/calendar.h"

#include "engine/text.h"

namespace {

constexpr int64_t kDaysPerEra = 146097;
// From 0000-03-01 to 1970-01-01.
constexpr int64_t kEpochShift = 719468;

} // namespace

int64_t daysFromCivil(int32_t year, int32_t month, int32_t day) {
    const int64_t y = int64_t{year} - (month <= 2 ? 1 : 0);                  // [-2^31 - 1, 2^31 - 1]
    const int64_t era = (y >= 0 ? y : y - 399) / 400;                        // floor(y / 400)
    const int64_t yoe = y - era * 400;                                       // [0, 399]
    const int64_t mp = month <= 2 ? int64_t{month} + 9 : int64_t{month} - 3; // [0, 11]
    const int64_t doy = (153 * mp + 2) / 5 + day - 1;                        // [0, 365]
    const int64_t doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;               // [0, 146096]
    return era * kDaysPerEra + doe - kEpochShift;
}

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
