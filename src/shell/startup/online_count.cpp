#include "shell/startup/online_count.h"

#include <array>
#include <string>

#include "shell/main_window_names.h"

namespace quintara {
namespace {

struct DigitRange {
    int low;
    int high;
};

// One range per digit of the count, both ends included.
constexpr std::array<DigitRange, 4> kDigitRanges{{{6, 6}, {5, 5}, {5, 9}, {0, 9}}};

}  // namespace

void onlineCountTick(const Window& window, Platform& platform) {
    platform.seedRandom(platform.tickCount());
    std::string count;
    for (const DigitRange& range : kDigitRanges) {
        count += std::to_string(platform.randomBetween(range.low, range.high));
    }
    window.label(names::kOnlineCountLabel).setCaption(count);
}

}  // namespace quintara
