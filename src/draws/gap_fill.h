// Closing a gap in the draw history: a latest-draw source gave a draw that is
// not the direct successor of the newest one held, so the draws between them
// are looked for in the history feed before anything is stored.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "draws/issue.h"

namespace quintara {

// True when `issue` may go on top of `newestHeld` without asking the feed:
// it is its successor on a full day, or the history is empty. Any other
// issue may follow a gap (a day of 120 draws that lost its last ones looks
// like a day that ended early), which only the feed can tell.
[[nodiscard]] bool followsOn(const std::optional<Issue>& newestHeld, const Issue& issue);

struct GapFill {
    // The draw entries to put above the held draws, newest first.
    std::vector<std::string> entries;
    // Issue numbers known to be missing between the newest held draw and them.
    std::int64_t missing = 0;
    // The feed held no draw after the newest held one (it could not be
    // fetched, or it is behind the source that found the draw): the entries
    // are the found draw alone.
    bool feedHeldNone = false;
};

// What goes on top of the history whose newest draw is `newestHeld`, given
// the entry `found` that does not follow on, and the feed's entries, newest
// first (none when the feed could not be fetched). The feed's draws after
// the newest held one are taken when it has any; they are complete when the
// feed holds the newest held draw (a break of days, or a day that ended
// early, is no gap once the feed shows it). Otherwise `found` alone is
// taken, and the issues known to be skipped before it are missing.
[[nodiscard]] GapFill fillGap(const Issue& newestHeld, const std::string& found,
                              const std::vector<std::string>& feed);

}  // namespace quintara
