// What the archive holds, as `quintara-archive info` and `check` tell it.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "archive/draw_archive.h"

namespace quintara {

struct ArchiveSummary {
    int draws = 0;
    std::string first;  // the oldest issue held; empty without draws
    std::string last;   // the newest
    int days = 0;       // days that hold a draw
    // For each day that holds a draw, the sequence numbers from 001 to its
    // last held one that are not held. Schedules differ from day to day, so
    // nothing is counted past a day's last draw.
    int missing = 0;
    int conflicts = 0;
    std::uintmax_t bytes = 0;
};

[[nodiscard]] ArchiveSummary summarize(const DrawArchive& archive);

// The missing issues themselves, oldest first.
[[nodiscard]] std::vector<std::string> missingIssues(const DrawArchive& archive);

}  // namespace quintara
