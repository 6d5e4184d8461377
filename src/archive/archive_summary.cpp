#include "archive/archive_summary.h"

#include <chrono>
#include <optional>

#include "draws/issue.h"

namespace quintara {
namespace {

// Calls `day(date, sequences)` for each day that holds a draw, oldest first,
// with the sequence numbers held that day in order. The archive holds issue
// numbers only.
template <typename Day>
void forEachDay(const std::vector<Draw>& oldestFirst, Day day) {
    std::optional<std::chrono::sys_days> date;
    std::vector<int> sequences;
    for (const Draw& draw : oldestFirst) {
        const std::optional<Issue> issue = Issue::parse(draw.issue);
        if (!issue) continue;
        if (issue->date() != date && !sequences.empty()) {
            day(*date, sequences);
            sequences.clear();
        }
        date = issue->date();
        sequences.push_back(issue->sequence());
    }
    if (!sequences.empty()) day(*date, sequences);
}

}  // namespace

ArchiveSummary summarize(const DrawArchive& archive) {
    const std::vector<Draw> draws = archive.oldestFirst();
    ArchiveSummary summary{.draws = static_cast<int>(draws.size()),
                           .conflicts = static_cast<int>(archive.conflicts().size()),
                           .bytes = archive.bytes()};
    if (!draws.empty()) {
        summary.first = draws.front().issue;
        summary.last = draws.back().issue;
    }
    forEachDay(draws, [&summary](std::chrono::sys_days, const std::vector<int>& sequences) {
        ++summary.days;
        summary.missing += sequences.back() - static_cast<int>(sequences.size());
    });
    return summary;
}

std::vector<std::string> missingIssues(const DrawArchive& archive) {
    std::vector<std::string> missing;
    forEachDay(archive.oldestFirst(), [&missing](std::chrono::sys_days date, const std::vector<int>& sequences) {
        int expected = 1;
        for (const int held : sequences) {
            for (; expected < held; ++expected) missing.push_back(Issue(date, expected).text());
            expected = held + 1;
        }
    });
    return missing;
}

}  // namespace quintara
