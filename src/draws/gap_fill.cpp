#include "draws/gap_fill.h"

#include <map>

#include "draws/draw.h"

namespace quintara {

bool followsOn(const std::optional<Issue>& newestHeld, const Issue& issue) {
    return !newestHeld || newestHeld->successor() == issue;
}

GapFill fillGap(const Issue& newestHeld, const std::string& found, const std::vector<std::string>& feed) {
    GapFill fill;
    // The feed's draws after the newest held one, by issue: a draw the feed
    // lists twice is taken once, the first as it comes (the newest listing).
    std::map<Issue, std::string_view> later;
    bool holdsNewestHeld = false;
    for (const std::string& entry : feed) {
        const auto issue = Issue::parse(entryView(entry).issue);
        // No day has a draw past its 120th: such a listing is no draw.
        if (!issue || issue->sequence() > kDrawsPerDay) continue;
        if (*issue == newestHeld) holdsNewestHeld = true;
        if (*issue > newestHeld) later.try_emplace(*issue, entry);
    }
    if (later.empty()) {
        fill.feedHeldNone = true;
        fill.entries.push_back(found);
        if (const auto issue = Issue::parse(entryView(found).issue)) {
            fill.missing = issuesMissingBetween(newestHeld, *issue);
        }
        return fill;
    }
    for (auto newest = later.rbegin(); newest != later.rend(); ++newest) {
        fill.entries.emplace_back(newest->second);
    }
    if (!holdsNewestHeld) fill.missing = issuesMissingBetween(newestHeld, later.begin()->first);
    return fill;
}

}  // namespace quintara
