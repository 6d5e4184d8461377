// 号温: how hot a position's digit is as of a draw, by its omission then:
// 热 (hot) 0 to 2 draws, 温 (warm) 3 to 9, 冷 (cold) 10 and more.
#pragma once

#include <array>
#include <string>
#include <string_view>

namespace quintara {

enum class Temperature { Hot, Warm, Cold };
inline constexpr std::array<Temperature, 3> kTemperatures{Temperature::Hot, Temperature::Warm,
                                                          Temperature::Cold};

// The least omissions that are warm and cold; the only place they are set.
inline constexpr int kWarmFrom = 3;
inline constexpr int kColdFrom = 10;

[[nodiscard]] constexpr Temperature temperatureOf(int omission) {
    if (omission >= kColdFrom) return Temperature::Cold;
    return omission >= kWarmFrom ? Temperature::Warm : Temperature::Hot;
}

// How the legend names it: "热 0-2", "温 3-9", "冷 ≥10".
[[nodiscard]] inline std::string temperatureLabel(Temperature temperature) {
    switch (temperature) {
        case Temperature::Hot: return "热 0-" + std::to_string(kWarmFrom - 1);
        case Temperature::Warm:
            return "温 " + std::to_string(kWarmFrom) + "-" + std::to_string(kColdFrom - 1);
        case Temperature::Cold: return "冷 ≥" + std::to_string(kColdFrom);
    }
    return {};
}

}  // namespace quintara
