#include "draws/latest_draw_answers.h"

#include <optional>

#include "draws/draw_history.h"
#include "draws/next_issue.h"
#include "text/keep_digits.h"
#include "text/numbers.h"

namespace quintara {
namespace {

constexpr std::size_t kLongIssueDigits = 11;  // four-digit year, month, day, sequence

// The entry of a draw whose issue digits are `issue` (year with four digits).
std::string entryOf(std::string_view issue, std::string_view code) {
    std::string entry(issue.substr(0, std::min<std::size_t>(8, issue.size())));
    entry += '-';
    entry += rightmost(issue, 3);
    entry += code;
    return entry;
}

// The text from the start of the first `start` up to the first `end`, as the
// answers of the lottery API and the flash data are read; empty when either
// is missing or the end comes first.
std::string_view stretchFrom(std::string_view body, std::string_view start, std::string_view end) {
    const std::size_t from = body.find(start);
    const std::size_t to = body.find(end);
    if (from == std::string_view::npos || to == std::string_view::npos || to < from) return {};
    return body.substr(from, to - from);
}

struct ListRecord {
    std::string_view issue;
    std::string_view code;
};

// The records of the newly-open list, found as the pattern
// expect="(.*?)" opencode="(.*?)" opentime= finds them when "." stops at a
// line break: the lazy groups end at the first closing marker after them,
// and a start whose line lacks the markers can only fail, so the scan skips
// to the next line. The work stays linear on any body.
template <typename Visit>
void forEachListRecord(std::string_view body, Visit visit) {
    constexpr std::string_view kExpect = "expect=\"";
    constexpr std::string_view kCode = "\" opencode=\"";
    constexpr std::string_view kTime = "\" opentime=";
    std::size_t at = 0;
    while ((at = body.find(kExpect, at)) != std::string_view::npos) {
        const std::size_t lineEnd = std::min(body.find('\n', at), body.size());
        const std::string_view line = body.substr(0, lineEnd);
        const std::size_t issueStart = at + kExpect.size();
        const std::size_t code = line.find(kCode, issueStart);
        const std::size_t time =
            code == std::string_view::npos ? code : line.find(kTime, code + kCode.size());
        if (time == std::string_view::npos) {
            at = lineEnd;
            continue;
        }
        const std::size_t codeStart = code + kCode.size();
        visit(ListRecord{body.substr(issueStart, code - issueStart),
                         body.substr(codeStart, time - codeStart)});
        at = time + kTime.size();
    }
}

}  // namespace

std::string entryFromLotteryApi(std::string_view body, std::string_view nextIssue) {
    constexpr std::size_t kShortestAnswer = 36;
    if (body.size() <= kShortestAnswer || body.find("gw") == std::string_view::npos) return {};
    const std::string code = keepDigits(stretchFrom(body, ":", "sw"));
    const std::string issue = "20" + std::string(nextIssue);
    if (code == std::string_view(issue).substr(0, std::min<std::size_t>(5, issue.size()))) {
        return {};
    }
    std::string entry = entryOf(issue, code);
    return entry.size() == kDrawEntryLength ? entry : std::string();
}

std::string entryFromNewlyOpenList(std::string_view body, std::int64_t newestKey) {
    std::optional<std::int64_t> oldestKey;
    std::string oldest;
    forEachListRecord(body, [&](const ListRecord& record) {
        if (record.issue.size() != kLongIssueDigits || !allDigits(record.issue)) return;
        const std::int64_t key = leadingInteger(rightmost(record.issue, 8));
        if (key <= newestKey || (oldestKey && key >= *oldestKey)) return;
        std::string entry = entryOf(record.issue, keepDigits(record.code));
        if (entry.size() != kDrawEntryLength) return;
        oldestKey = key;
        oldest = std::move(entry);
    });
    return oldest;
}

std::string entryFromFlashData(std::string_view body, std::int64_t newestKey) {
    const std::string digits = keepDigits(stretchFrom(body, "result", "leftTime"));
    // Five code digits and an 11-digit issue that do not overlap.
    if (digits.size() < kDrawTextLength + kLongIssueDigits) return {};
    const std::string_view code = std::string_view(digits).substr(0, kDrawTextLength);
    const std::string_view issue = rightmost(digits, kLongIssueDigits);
    if (leadingInteger(rightmost(issue, 8)) <= newestKey) return {};
    std::string entry = entryOf(issue, code);
    return entry.size() == kDrawEntryLength ? entry : std::string();
}

}  // namespace quintara
