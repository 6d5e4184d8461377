#include "draws/gap_fill.h"

#include <map>

#include "draws/draw_history.h"
#include "draws/issue_sequence.h"

namespace quintara {

bool followsOn(std::string_view newestHeld, std::string_view issue) {
    if (!issueOrdinal(newestHeld) || !issueOrdinal(issue)) return true;
    return successorOf(newestHeld) == issue;
}

GapFill fillGap(std::string_view newestHeld, std::string_view found,
                const std::vector<std::string>& feed) {
    GapFill fill;
    const auto held = issueOrdinal(newestHeld);
    const auto foundAlone = [&] {
        fill.feedHeldNone = true;
        fill.entries.emplace_back(found);
        fill.missing = issuesBetween(newestHeld, DrawHistory::entryView(found).issue).value_or(0);
        return fill;
    };
    if (!held) return foundAlone();

    // The feed's draws after the newest held one, by issue: a draw the feed
    // lists twice is taken once, the first as it comes (the newest listing).
    std::map<std::int64_t, std::string_view> later;
    bool holdsNewestHeld = false;
    for (const std::string& entry : feed) {
        const auto ordinal = issueOrdinal(DrawHistory::entryView(entry).issue);
        if (!ordinal) continue;
        if (*ordinal == *held) holdsNewestHeld = true;
        if (*ordinal > *held) later.try_emplace(*ordinal, entry);
    }
    if (later.empty()) return foundAlone();

    for (auto newest = later.rbegin(); newest != later.rend(); ++newest) {
        fill.entries.emplace_back(newest->second);
    }
    if (!holdsNewestHeld) fill.missing = later.begin()->first - *held - 1;
    return fill;
}

}  // namespace quintara
