// The online-users label: a made-up count from 6550 to 6599, renewed on each
// tick of the timer 人数时钟.
#pragma once

#include "platform/platform.h"
#include "controls/window.h"

namespace quintara {

// Seeds the generator from the tick count and writes four drawn digits
// (6, 5, 5 to 9, 0 to 9) as the caption of 人数标签.
void onlineCountTick(const Window& window, Platform& platform);

}  // namespace quintara
