#include <string>
#include <vector>

#include "draws/gap_fill.h"
#include "shell/application.h"
#include "shell/clock_text.h"

namespace quintara {
namespace {

DrawOrigin originOf(LatestDrawSource source) {
    switch (source) {
        case LatestDrawSource::LotteryApi: return DrawOrigin::Api;
        case LatestDrawSource::NewlyOpenList: return DrawOrigin::List;
        case LatestDrawSource::FlashData: return DrawOrigin::Flash;
    }
    return DrawOrigin::Api;
}

}  // namespace

bool Application::latestDrawUpdate() {
    const std::string newest = history_.newestIssue();
    const NewerDraw newer = providers_.findNewerDraw(newest);
    noteSources(newer);
    if (!newer.found()) return false;
    const std::string& entry = newer.entry;
    const Draw draw = DrawHistory::splitEntry(entry);

    std::string status = "提示：奖号于" + CurrentTimeText(platform_) + "成功更新";
    std::vector<std::string> entries;
    if (followsOn(newest, draw.issue)) {
        entries.push_back(entry);
    } else {
        // Draws are missing between the newest held one and this one: the
        // feed may hold them. One fetch, whatever it gives (a failed one
        // leaves the list empty): every gap ends with a newer newest draw, so
        // the same gap is never fetched for twice.
        std::vector<std::string> feed;
        providers_.fetchHistoryFeed(feed);
        GapFill fill = fillGap(newest, entry, feed);
        entries = std::move(fill.entries);
        if (fill.missing > 0) status += "，缺少" + std::to_string(fill.missing) + "期";
    }
    // No issue stands twice in the grid: what it holds already is no update.
    entries = history_.withoutHeld(std::move(entries));
    if (entries.empty()) return false;
    history_.insertNewestDraws(entries);
    recordPolled(entries, newer);
    showNewestDraw();
    setStatus(status);
    historyChanged();
    return true;
}

void Application::recordPolled(const std::vector<std::string>& entries, const NewerDraw& newer) {
    for (const std::string& entry : entries) {
        keeping_.note(entry, entry == newer.entry ? originOf(newer.source) : DrawOrigin::Feed);
    }
    keeping_.record();
}

}  // namespace quintara
