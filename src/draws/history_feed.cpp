#include "draws/history_feed.h"

#include <algorithm>

#include "draws/draw_history.h"
#include "text/marked_fields.h"
#include "text/numbers.h"

namespace quintara {
namespace {

// The pattern expect=(.*?)opencode=(.*?)opentime, "." taking no line break.
constexpr FieldMarkers kDrawMarkers{"expect=", "opencode=", "opentime", "\n\r\f"};
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

std::vector<std::string> parseHistoryFeed(std::string_view body) {
    std::vector<std::string> entries;
    std::string entry;
    entry.reserve(kDrawEntryLength);
    forEachMarkedFields(body, kDrawMarkers, [&](std::string_view issue, std::string_view code) {
        if (makeEntry(issue, code, entry)) entries.push_back(entry);
    });
    std::reverse(entries.begin(), entries.end());  // newest first
    return entries;
}

}  // namespace quintara
