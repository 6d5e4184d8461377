#include "archive/archive_summary.h"

#include <charconv>
#include <string_view>

#include "draws/issue_sequence.h"

namespace quintara {
namespace {

// Calls `day(date, sequences)` for each day that holds a draw, oldest first,
// with the sequence numbers held that day in order.
template <typename Day>
void forEachDay(const std::vector<Draw>& oldestFirst, Day day) {
    std::string_view date;
    std::vector<int> sequences;
    for (const Draw& draw : oldestFirst) {
        const std::string_view issue(draw.issue);
        const std::string_view drawDate = issue.substr(0, 8);
        if (drawDate != date && !sequences.empty()) {
            day(date, sequences);
            sequences.clear();
        }
        date = drawDate;
        int sequence = 0;
        std::from_chars(issue.data() + 9, issue.data() + issue.size(), sequence);
        sequences.push_back(sequence);
    }
    if (!sequences.empty()) day(date, sequences);
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
    forEachDay(draws, [&summary](std::string_view, const std::vector<int>& sequences) {
        ++summary.days;
        summary.missing += sequences.back() - static_cast<int>(sequences.size());
    });
    return summary;
}

std::vector<std::string> missingIssues(const DrawArchive& archive) {
    std::vector<std::string> missing;
    forEachDay(archive.oldestFirst(), [&missing](std::string_view date, const std::vector<int>& sequences) {
        int expected = 1;
        for (const int held : sequences) {
            for (; expected < held; ++expected) missing.push_back(issueOf(date, expected));
            expected = held + 1;
        }
    });
    return missing;
}

}  // namespace quintara
