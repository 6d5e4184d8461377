#include <array>
#include <string_view>

#include "draws/regex_object.h"
#include "shell/application.h"

namespace quintara {

void Application::showNewestDraw() {
    static constexpr std::array<std::string_view, 5> kDigitLabels{
        "透明标签_万", "透明标签_千", "透明标签_百", "透明标签_十", "透明标签_个"};
    const Draw newest = history_.newestDraw();
    window_.transparentLabel("透明标签_显示期号").setCaption(newest.issue);
    // Groups 1 to 5 of the first match are the five digits, 万 to 个; a draw
    // text that is not five characters long leaves the labels empty.
    RegexObject split;
    split.Create("(.)(.)(.)(.)(.)", newest.text);
    for (std::size_t k = 0; k < kDigitLabels.size(); ++k) {
        window_.transparentLabel(kDigitLabels[k]).setCaption(
            split.GetSubMatch(1, static_cast<int>(k) + 1));
    }
}

}  // namespace quintara
