#include "platform/local_time.h"

#include <ctime>

namespace quintara {

std::chrono::system_clock::time_point momentOf(const LocalTime& local) {
    std::tm moment{};
    moment.tm_year = local.year - 1900;
    moment.tm_mon = local.month - 1;
    moment.tm_mday = local.day;
    moment.tm_hour = local.hour;
    moment.tm_min = local.minute;
    moment.tm_sec = local.second;
    moment.tm_isdst = -1;  // as the time zone has it on that day
    return std::chrono::system_clock::from_time_t(std::mktime(&moment));
}

}  // namespace quintara
