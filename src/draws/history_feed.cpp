#include "draws/history_feed.h"

#include <algorithm>

#include "draws/draw_history.h"
#include "text/numbers.h"

namespace quintara {
namespace {

constexpr std::string_view kIssueMarker = "expect=";
constexpr std::string_view kCodeMarker = "opencode=";
constexpr std::string_view kEndMarker = "opentime";
// The characters a draw's fields never reach across.
constexpr std::string_view kLineBreaks = "\n\r\f";
constexpr std::size_t kIssueDigits = 9;  // yymmdd and the sequence number
constexpr std::size_t kCodeDigits = 5;

// Appends the digits of `text` to `entry`, at most `most` of them; false when
// `text` holds another number of digits than `most`.
bool appendDigits(std::string& entry, std::string_view text, std::size_t most) {
    std::size_t taken = 0;
    for (const char c : text) {
        if (!isDigit(c)) continue;
        if (++taken > most) return false;
        entry += c;
    }
    return taken == most;
}

// "20" and the issue's digits give the date and the sequence number:
// "180211001" and "1,2,3,4,5" become "20180211-00112345". Nothing when the
// issue does not hold exactly 9 digits or the code exactly 5.
bool makeEntry(std::string_view issueText, std::string_view codeText, std::string& entry) {
    entry.assign("20");
    if (!appendDigits(entry, issueText, kIssueDigits)) return false;
    entry.insert(8, 1, '-');
    return appendDigits(entry, codeText, kCodeDigits);
}

}  // namespace

// The draws as the pattern expect=(.*?)opencode=(.*?)opentime finds them
// when "." takes no line break: a match starts at the first "expect=" still
// ahead, its lazy groups end at the first "opencode=" after it and the first
// "opentime" after that, all within one line; a line that lacks them has no
// match further on either, so the scan goes on at the next line. Every
// search moves forward only: one pass over the body, whatever it holds.
std::vector<std::string> parseHistoryFeed(std::string_view body) {
    std::vector<std::string> entries;
    std::string entry;
    entry.reserve(kDrawEntryLength);
    std::size_t lineEnd = 0;  // the break that ends the line the scan is in
    for (std::size_t at = 0; (at = body.find(kIssueMarker, at)) != std::string_view::npos;) {
        if (at >= lineEnd) lineEnd = std::min(body.find_first_of(kLineBreaks, at), body.size());
        const std::string_view line = body.substr(0, lineEnd);
        const std::size_t issue = at + kIssueMarker.size();
        const std::size_t code = line.find(kCodeMarker, issue);
        const std::size_t end =
            code == std::string_view::npos ? code : line.find(kEndMarker, code + kCodeMarker.size());
        if (end == std::string_view::npos) {
            at = lineEnd;
            continue;
        }
        const std::size_t codeStart = code + kCodeMarker.size();
        if (makeEntry(body.substr(issue, code - issue), body.substr(codeStart, end - codeStart),
                      entry)) {
            entries.push_back(entry);
        }
        at = end + kEndMarker.size();
    }
    std::reverse(entries.begin(), entries.end());  // newest first
    return entries;
}

}  // namespace quintara
