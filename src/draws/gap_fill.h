// Closing a gap in the draw history: a latest-draw source gave a draw that is
// not the direct successor of the newest one held, so the draws between them
// are looked for in the history feed before anything is stored.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace quintara {

// True when `issue` may go on top of `newestHeld` as it is: it is its direct
// successor, or one of the two is not a well-formed issue number (or the
// history is empty), so that no gap can be told.
[[nodiscard]] bool followsOn(std::string_view newestHeld, std::string_view issue);

struct GapFill {
    // The draw entries to put above the held draws, newest first.
    std::vector<std::string> entries;
    // Issue numbers still missing between the newest held draw and them.
    std::int64_t missing = 0;
    // The feed held no draw after the newest held one (it could not be
    // fetched, or it is behind the source that found the draw): the entries
    // are the found draw alone.
    bool feedHeldNone = false;
};

// What goes on top of the history whose newest issue is `newestHeld`, given
// the entry `found` that does not follow on, and the feed's entries, newest
// first (none when the feed could not be fetched). The feed's draws after
// the newest held one are taken when it has any; they are complete when the
// feed holds the newest held draw or its successor (a break of days between
// two draws is no gap once the feed shows it). Otherwise `found` alone is
// taken, and the issues skipped before it are missing.
[[nodiscard]] GapFill fillGap(std::string_view newestHeld, std::string_view found,
                              const std::vector<std::string>& feed);

}  // namespace quintara
