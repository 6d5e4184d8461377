#include "shell/main_window_names.h"
#include "shell/application.h"
#include "text/regex_object.h"

namespace quintara {

void Application::showNewestDraw() {
    const Draw newest = history_.newestDraw();
    window_.transparentLabel(names::kNewestIssueLabel).setCaption(newest.issue);
    // Groups 1 to 5 of the first match are the five digits, 万 to 个; a draw
    // text that is not five characters long leaves the labels empty.
    RegexObject split;
    split.Create("(.)(.)(.)(.)(.)", newest.text);
    for (std::size_t k = 0; k < names::kNewestDigitLabels.size(); ++k) {
        window_.transparentLabel(names::kNewestDigitLabels[k]).setCaption(
            split.GetSubMatch(1, static_cast<int>(k) + 1));
    }
}

}  // namespace quintara
