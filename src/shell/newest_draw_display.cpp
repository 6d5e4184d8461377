#include <array>
#include <string_view>

#include "shell/application.h"

namespace quintara {

void Application::showNewestDraw() {
    static constexpr std::array<std::string_view, 5> kDigitLabels{
        "透明标签_万", "透明标签_千", "透明标签_百", "透明标签_十", "透明标签_个"};
    const Draw newest = history_.newestDraw();
    window_.transparentLabel("透明标签_显示期号").setCaption(newest.issue);
    for (std::size_t k = 0; k < kDigitLabels.size(); ++k) {
        const std::string_view digit =
            k < newest.text.size() ? std::string_view(newest.text).substr(k, 1) : "";
        window_.transparentLabel(kDigitLabels[k]).setCaption(digit);
    }
}

}  // namespace quintara
