#include "platform/clock_text.h"

#include <cstdio>

namespace quintara {

std::string CurrentTimeText(const Platform& platform) {
    const LocalTime now = platform.localTime();
    char text[16];
    std::snprintf(text, sizeof text, "%02d:%02d:%02d", now.hour, now.minute, now.second);
    return text;
}

}  // namespace quintara
