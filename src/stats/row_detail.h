// The detail written with each row of a statistics list (its tool tip is
// made from it: stats/row_tool_tip.h).
#pragma once

#include <optional>

#include "stats/item_history.h"

namespace quintara {

// What stands behind a row of a statistics list: the row's item (a digit, a
// value, a pair, a pattern) over the draws the statistics read.
struct RowDetail {
    int draws = 0;        // the draws read, newest first: n
    int appearances = 0;  // draws that show the item (positions, on a frequency row)
    int current = 0;      // draws since it was last shown; n when never
    std::optional<int> previous;  // the absence before that; none when never shown
    int longest = 0;      // the longest run of draws without it
    double average = 0;   // the mean of those runs
    int streak = 0;       // the longest run of draws that all show it
    double expected = 0;  // appearances a fair game would give over the n draws
    // The chance that a fair game leaves the item absent for `current` draws
    // in a row: (1 − p)^current, p the chance that one draw shows it.
    double chance = 1;
    // A frequency row's count window: its draws, the row's count in it, and
    // the count a fair game would give in it.
    std::optional<int> window;
    std::optional<int> windowCount;
    std::optional<double> windowExpected;

    friend bool operator==(const RowDetail&, const RowDetail&) = default;
};

// What a frequency row counts: positions, not draws.
struct CountedPositions {
    int appearances;  // positions of the draws read that show the digit
    double chance;    // what one draw adds to them in a fair game
};

// A frequency row's count window.
struct CountedWindow {
    int draws;            // the draws in the window
    int count;            // the row's own count in it
    double chance;        // what one draw adds to it in a fair game
};

// The detail of a row whose item has `history` over `drawsRead` draws, a fair
// game showing it with `chance` per draw. A frequency row counts positions:
// its appearances and expected count are those of `positions`, and `window`
// is its count window. An item never shown has no previous absence.
[[nodiscard]] RowDetail rowDetail(const ItemHistory& history, int drawsRead, double chance,
                                  std::optional<CountedPositions> positions = std::nullopt,
                                  std::optional<CountedWindow> window = std::nullopt);

}  // namespace quintara
