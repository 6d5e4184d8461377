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

    history_.replaceWith(entries);
    window_.timer(names::kUpdateTimer).setInterval(kPollingInterval);
    setStatus("");
    if (!history_.newestIssue().empty()) showNewestDraw();
    refreshWhenAutomatic();
}

}  // namespace quintara
