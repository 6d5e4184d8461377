#include <string>
#include <vector>

#include "draws/gap_fill.h"
#include "shell/application.h"
#include "shell/clock_text.h"

namespace quintara {

bool Application::latestDrawUpdate() {
    const std::string newest = history_.newestIssue();
    const NewerDraw newer = providers_.findNewerDraw(newest);
    noteSources(newer);
    if (!newer.found()) return false;
    const std::string& entry = newer.entry;
    const Draw draw = DrawHistory::splitEntry(entry);

    std::string status = "提示：奖号于" + CurrentTimeText(platform_) + "成功更新";
    if (followsOn(newest, draw.issue)) {
        history_.insertNewestDraw(draw.issue, draw.text);
    } else {
        // Draws are missing between the newest held one and this one: the
        // feed may hold them. One fetch, whatever it gives (a failed one
        // leaves the list empty): every gap ends with a newer newest draw, so
        // the same gap is never fetched for twice.
        std::vector<std::string> feed;
        providers_.fetchHistoryFeed(feed);
        const GapFill fill = fillGap(newest, entry, feed);
        history_.insertNewestDraws(fill.entries);
        if (fill.missing > 0) status += "，缺少" + std::to_string(fill.missing) + "期";
    }
    showNewestDraw();
    setStatus(status);
    refreshWhenAutomatic();
    return true;
}

}  // namespace quintara
