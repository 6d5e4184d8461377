#include "notify/push_clock.h"

#include <ctime>

namespace quintara {

std::chrono::seconds SystemPushClock::timeOfDay(Clock::time_point moment) const {
    const std::time_t seconds = Clock::to_time_t(moment);
    std::tm local{};
    localtime_r(&seconds, &local);
    return std::chrono::hours(local.tm_hour) + std::chrono::minutes(local.tm_min) + std::chrono::seconds(local.tm_sec);
}

}  // namespace quintara
