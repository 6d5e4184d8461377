#include <string>

#include "shell/application.h"
#include "shell/clock_text.h"

namespace quintara {

bool Application::latestDrawUpdate() {
    const std::string entry = providers_.findNewerDraw(history_.newestIssue());
    if (entry.empty()) return false;
    const Draw draw = DrawHistory::splitEntry(entry);
    history_.insertNewestDraw(draw.issue, draw.text);
    showNewestDraw();
    setStatus("提示：奖号于" + CurrentTimeText(platform_) + "成功更新");
    refreshWhenAutomatic();
    return true;
}

}  // namespace quintara
