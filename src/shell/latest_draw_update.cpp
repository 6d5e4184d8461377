#include <string>
#include <vector>

#include "draws/gap_fill.h"
#include "shell/application.h"
#include "shell/clock_text.h"

namespace quintara {
namespace {

// The further polls a gap waits for a feed that held nothing after the newest
// held draw, before the found draw goes in without the draws between.
constexpr int kPollsAGapWaits = 2;

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
        // feed may hold them. A feed that holds nothing after the newest held
        // draw (a fetch that failed, or a feed behind the source) leaves the
        // gap open: the poll takes nothing and the next ones fetch the feed
        // again, since a draw taken without the ones between would leave
        // them out of the history for good. After kPollsAGapWaits such polls
        // the draw goes in without them.
        std::vector<std::string> feed;
        providers_.fetchHistoryFeed(feed);
        GapFill fill = fillGap(newest, entry, feed);
        if (fill.feedHeldNone && pollsGapWaited_ < kPollsAGapWaits) {
            ++pollsGapWaited_;
            return false;
        }
        entries = std::move(fill.entries);
        if (fill.missing > 0) status += "，缺少" + std::to_string(fill.missing) + "期";
    }
    pollsGapWaited_ = 0;
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
