#include <climits>
#include <ctime>

#include "engine/local_time.h"

LocalTime readLocalTime() {
    const std::time_t now = std::time(nullptr);
    std::tm parts{};
    // A clock the C library cannot break down (or a year past int32) reads as the epoch.
    if (now == static_cast<std::time_t>(-1) || localtime_r(&now, &parts) == nullptr ||
        parts.tm_year > INT32_MAX - 1900)
        return LocalTime{1970, 1, 1, 0, 0, 0};
    return LocalTime{parts.tm_year + 1900, parts.tm_mon + 1, parts.tm_mday,
                     parts.tm_hour,        parts.tm_min,     parts.tm_sec};
}
