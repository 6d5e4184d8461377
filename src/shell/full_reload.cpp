#include <string>
#include <vector>

#include "shell/main_window_names.h"
#include "shell/application.h"

namespace quintara {

void Application::fullReload() {
    if (running_) return;
    const Running running(*this, false);
    window_.button(names::kUpdateButton).setEnabled(true);
    setStatus(" 正在更新数据，请稍后......");

    std::vector<std::string> entries;
    if (!providers_.fetchHistoryFeed(entries)) {
        // The history and the timer stay as they are; the user learns that
        // nothing more is going on.
        setStatus("提示：数据更新失败，请稍后重试");
        return;
    }

    takeFeed(entries);
    window_.timer(names::kUpdateTimer).setInterval(kPollingInterval);
    setStatus("");
    if (!history_.newestIssue().empty()) showNewestDraw();
    historyChanged();
}

void Application::takeFeed(const std::vector<std::string>& entries) {
    if (!keeping_.isOpen()) {
        history_.replaceWith(entries);
        return;
    }
    // The feed merged into the archive, then the archive's newest draws: the
    // feed's on top of the older ones kept. When the archive cannot take or
    // give them, the feed's draws join those the window holds.
    for (const std::string& entry : entries) keeping_.note(entry, DrawOrigin::Feed);
    std::optional<std::vector<Draw>> kept;
    if (keeping_.record()) kept = keeping_.newest(kKeptHistoryLimit);
    if (kept) {
        history_.replaceWithDraws(*kept);
    } else {
        history_.mergeIn(entries, kKeptHistoryLimit);
    }
}

}  // namespace quintara
