#include <string>
#include <vector>

#include "shell/application.h"

namespace quintara {

void Application::fullReload() {
    if (running_) return;
    const Running running(*this, false);
    window_.button("按钮_更新号码").setEnabled(true);
    setStatus(" 正在更新数据，请稍后......");

    std::vector<std::string> entries;
    if (!providers_.fetchHistoryFeed(entries)) {
        // The history and the timer stay as they are; the user learns that
        // nothing more is going on.
        setStatus("提示：数据更新失败，请稍后重试");
        return;
    }

    history_.replaceWith(entries);
    window_.timer("时钟_自动更新").setInterval(kPollingInterval);
    setStatus("");
    if (!history_.newestIssue().empty()) showNewestDraw();
    refreshWhenAutomatic();
}

}  // namespace quintara
