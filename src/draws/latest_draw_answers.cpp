#include "draws/latest_draw_answers.h"

#include <optional>

#include "draws/draw_history.h"
#include "draws/next_issue.h"
#include "text/keep_digits.h"
#include "text/marked_fields.h"
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

// The digits of the issue a lottery API answer names: after its first
// "\"issue\"", up to the ',' or '}' that ends the value; none when it names
// no issue.
std::optional<std::string> namedIssue(std::string_view body) {
    constexpr std::string_view kKey = "\"issue\"";
    const std::size_t key = body.find(kKey);
    if (key == std::string_view::npos) return std::nullopt;
    const std::string_view value = body.substr(key + kKey.size());
    return keepDigits(value.substr(0, value.find_first_of(",}")));
}

// The records of the newly-open list, as the pattern
// expect="(.*?)" opencode="(.*?)" opentime= finds them when "." stops at a
// line feed.
constexpr FieldMarkers kListMarkers{"expect=\"", "\" opencode=\"", "\" opentime=", "\n"};

// Calls `visit(key, entry)` for each record of the newly-open list that reads
// as a draw: an 11-digit issue (its key the rightmost 8 digits) and a code of
// five digits.
template <typename Visit>
void forEachListDraw(std::string_view body, Visit visit) {
    forEachMarkedFields(body, kListMarkers, [&visit](std::string_view issue, std::string_view code) {
        if (issue.size() != kLongIssueDigits || !allDigits(issue)) return;
        std::string entry = entryOf(issue, keepDigits(code));
        if (entry.size() != kDrawEntryLength) return;
        visit(leadingInteger(rightmost(issue, 8)), std::move(entry));
    });
}

// The digits of the flash data's current draw: its code's, then its issue's.
std::string flashDigits(std::string_view body) {
    return keepDigits(stretchFrom(body, "result", "leftTime"));
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
    // A source that answers with another draw than the one asked for names
    // that draw's issue: its code is not the asked issue's.
    if (const auto named = namedIssue(body); named && rightmost(*named, nextIssue.size()) != nextIssue) {
        return {};
    }
    std::string entry = entryOf(issue, code);
    return entry.size() == kDrawEntryLength ? entry : std::string();
}

std::string entryFromNewlyOpenList(std::string_view body, std::int64_t newestKey) {
    std::optional<std::int64_t> oldestKey;
    std::string oldest;
    forEachListDraw(body, [&](std::int64_t key, std::string entry) {
        if (key <= newestKey || (oldestKey && key >= *oldestKey)) return;
        oldestKey = key;
        oldest = std::move(entry);
    });
    return oldest;
}

std::string entryFromFlashData(std::string_view body, std::int64_t newestKey) {
    const std::string digits = flashDigits(body);
    // Five code digits and an 11-digit issue that do not overlap.
    if (digits.size() < kDrawTextLength + kLongIssueDigits) return {};
    const std::string_view code = std::string_view(digits).substr(0, kDrawTextLength);
    const std::string_view issue = rightmost(digits, kLongIssueDigits);
    if (leadingInteger(rightmost(issue, 8)) <= newestKey) return {};
    std::string entry = entryOf(issue, code);
    return entry.size() == kDrawEntryLength ? entry : std::string();
}

bool isLotteryApiAnswer(std::string_view body) {
    return body.find("code") != std::string_view::npos || body.find("gw") != std::string_view::npos;
}

bool isNewlyOpenListAnswer(std::string_view body) {
    bool read = false;
    forEachListDraw(body, [&read](std::int64_t, const std::string&) { read = true; });
    return read;
}

bool isFlashDataAnswer(std::string_view body) {
    return flashDigits(body).size() >= kDrawTextLength + kLongIssueDigits;
}

}  // namespace quintara
