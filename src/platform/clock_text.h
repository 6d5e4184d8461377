// The local time as the window shows it.
#pragma once

#include <string>

#include "platform/platform.h"

namespace quintara {

// "HH:MM:SS", each part padded with "0" to two digits.
[[nodiscard]] std::string CurrentTimeText(const Platform& platform);

}  // namespace quintara
