// The local wall-clock time, read from the operating system.
#pragma once

#include <cstdint>

struct LocalTime {
    int32_t year;
    int32_t month; // 1..12
    int32_t day;   // 1..31
    int32_t hour;
    int32_t minute;
    int32_t second;
};

// Reads the clock (GetLocalTime on Windows, the C library's local time elsewhere).
LocalTime readLocalTime();

// The clock the program uses; tests replace it to get fixed dates.
using LocalTimeSource = LocalTime (*)();
extern LocalTimeSource localTimeSource;
