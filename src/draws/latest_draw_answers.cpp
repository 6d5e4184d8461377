#include "draws/latest_draw_answers.h"

#include <optional>
#include <utility>

#include "draws/draw.h"
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

// True when `issue` can be taken after the newest held draw.
bool isAfter(const Issue& issue, const std::optional<Issue>& newestHeld) {
    return !newestHeld || issue > *newestHeld;
}

// The draw entry of an 11-digit issue and a code, when both are well formed.
std::optional<std::pair<Issue, std::string>> drawOf(std::string_view issueDigits, std::string_view code) {
    if (issueDigits.size() != kLongIssueDigits || !allDigits(issueDigits)) return std::nullopt;
    const std::optional<Issue> issue = Issue::read(issueDigits);
    std::string entry = entryOf(issueDigits, code);
    if (!issue || entry.size() != kDrawEntryLength) return std::nullopt;
    return std::pair{*issue, std::move(entry)};
}

// Calls `visit(issue, entry)` for each record of the newly-open list that
// reads as a draw: an 11-digit issue of a real date and a code of five digits.
template <typename Visit>
void forEachListDraw(std::string_view body, Visit visit) {
    forEachMarkedFields(body, kListMarkers, [&visit](std::string_view issue, std::string_view code) {
        if (auto draw = drawOf(issue, keepDigits(code))) visit(draw->first, std::move(draw->second));
    });
}

// The digits of the flash data's current draw: its code's, then its issue's.
std::string flashDigits(std::string_view body) {
    return keepDigits(stretchFrom(body, "result", "leftTime"));
}

}  // namespace

std::string entryFromLotteryApi(std::string_view body, std::string_view nextIssue,
                                const std::optional<Issue>& newestHeld) {
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
    const auto draw = drawOf(issue, code);
    return draw && isAfter(draw->first, newestHeld) ? draw->second : std::string();
}

std::string entryFromNewlyOpenList(std::string_view body, const std::optional<Issue>& newestHeld) {
    std::optional<Issue> oldestNewer;
    std::string oldest;
    forEachListDraw(body, [&](const Issue& issue, std::string entry) {
        if (!isAfter(issue, newestHeld) || (oldestNewer && issue >= *oldestNewer)) return;
        oldestNewer = issue;
        oldest = std::move(entry);
    });
    return oldest;
}

std::string entryFromFlashData(std::string_view body, const std::optional<Issue>& newestHeld) {
    const std::string digits = flashDigits(body);
    // Five code digits and an 11-digit issue that do not overlap.
    if (digits.size() < kDrawTextLength + kLongIssueDigits) return {};
    const std::string_view code = std::string_view(digits).substr(0, kDrawTextLength);
    const auto draw = drawOf(rightmost(digits, kLongIssueDigits), code);
    return draw && isAfter(draw->first, newestHeld) ? draw->second : std::string();
}

bool isLotteryApiAnswer(std::string_view body) {
    return body.find("code") != std::string_view::npos || body.find("gw") != std::string_view::npos;
}

bool isNewlyOpenListAnswer(std::string_view body) {
    bool read = false;
    forEachListDraw(body, [&read](const Issue&, const std::string&) { read = true; });
    return read;
}

bool isFlashDataAnswer(std::string_view body) {
    return flashDigits(body).size() >= kDrawTextLength + kLongIssueDigits;
}

}  // namespace quintara
