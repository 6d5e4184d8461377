// The local date and time as the platform gives it, and the moment it is.
#pragma once

#include <chrono>

namespace quintara {

struct LocalTime {
    int year = 1970;
    int month = 1;  // 1 to 12
    int day = 1;    // 1 to 31
    int hour = 0;   // 0 to 23
    int minute = 0;
    int second = 0;
};

// The moment a local time names, in the machine's time zone (as that zone
// has it on that day).
[[nodiscard]] std::chrono::system_clock::time_point momentOf(const LocalTime& local);

}  // namespace quintara
