// The sum-tail and span omission lists: one value from 0 to 9 per draw,
// derived from its back three digits.
#include <algorithm>
#include <array>

#include "controls/main_window_names.h"
#include "draws/draw_history.h"
#include "stats/statistics.h"
#include "stats/value_omission_list.h"

namespace quintara {
namespace {

using BackThreeDigits = std::array<int, 3>;

// Characters 3 to 5 of the draw text; one that is missing or not a digit
// counts as 0.
BackThreeDigits backThreeDigits(std::string_view drawText) {
    BackThreeDigits digits{};
    for (std::size_t index = 0; index < digits.size(); ++index) {
        const std::size_t position = static_cast<std::size_t>(kBackThree.first) - 1 + index;
        if (position < drawText.size()) digits[index] = std::max(digitValue(drawText[position]), 0);
    }
    return digits;
}

int sumTail(const BackThreeDigits& digits) { return (digits[0] + digits[1] + digits[2]) % 10; }

int span(const BackThreeDigits& digits) {
    const auto [smallest, largest] = std::minmax_element(digits.begin(), digits.end());
    return *largest - *smallest;
}

void refreshBackThreeOmission(const Window& window, std::string_view listName,
                              int (*valueOf)(const BackThreeDigits&)) {
    // An empty history clears the list.
    const auto draws = DrawHistory(window.grid(names::kDrawGrid)).drawTexts();
    fillValueOmissionList(window.listView(listName), draws, [valueOf](std::string_view text) {
        return static_cast<DigitSet>(1U << valueOf(backThreeDigits(text)));
    });
}

}  // namespace

void RefreshSumTailOmission(const Window& window) {
    refreshBackThreeOmission(window, names::kSumTailOmissionList, sumTail);
}

void RefreshSpanOmission(const Window& window) {
    refreshBackThreeOmission(window, names::kSpanOmissionList, span);
}

}  // namespace quintara
