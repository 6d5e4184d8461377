#include "draws/history_feed.h"

#include <algorithm>
#include <array>

#include "draws/issue.h"
#include "text/marked_fields.h"
#include "text/numbers.h"

namespace quintara {
namespace {

// The pattern expect=(.*?)opencode=(.*?)opentime, "." taking no line break.
constexpr FieldMarkers kDrawMarkers{"expect=", "opencode=", "opentime", "\n\r\f"};
constexpr std::size_t kIssueDigits = 9;  // yymmdd and the sequence number
constexpr std::size_t kCodeDigits = 5;

using Entry = std::array<char, kDrawEntryLength>;

// Writes the digits of `text` to `out`, which has room for `count`; false
// when `text` holds another number of digits than `count`.
bool writeDigits(std::string_view text, char* out, std::size_t count) {
    std::size_t taken = 0;
    for (const char c : text) {
        if (!isDigit(c)) continue;
        if (taken == count) return false;
        out[taken++] = c;
    }
    return taken == count;
}

// "20" and the issue's digits give the date and the sequence number:
// "180211001" and "1,2,3,4,5" become "20180211-00112345". False when the
// issue does not hold exactly 9 digits or the code exactly 5.
bool makeEntry(std::string_view issueText, std::string_view codeText, Entry& entry) {
    std::array<char, kIssueDigits> issue;
    if (!writeDigits(issueText, issue.data(), issue.size()) ||
        !writeDigits(codeText, entry.data() + kIssueLength, kCodeDigits)) {
        return false;
    }
    char* out = std::copy_n("20", 2, entry.data());
    out = std::copy_n(issue.data(), 6, out);  // yymmdd
    *out++ = '-';
    std::copy_n(issue.data() + 6, 3, out);  // the sequence number
    return true;
}

}  // namespace

std::vector<std::string> parseHistoryFeed(std::string_view body) {
    std::vector<std::string> entries;
    // No record is shorter than its three markers and 14 digits: room for as
    // many as the body could hold is reserved once. What is never written of
    // it is never touched.
    entries.reserve(body.size() / (kDrawMarkers.start.size() + kDrawMarkers.middle.size() +
                                   kDrawMarkers.end.size() + kIssueDigits + kCodeDigits) +
                    1);
    Entry entry;
    forEachMarkedFields(body, kDrawMarkers, [&](std::string_view issue, std::string_view code) {
        if (makeEntry(issue, code, entry)) entries.emplace_back(entry.data(), entry.size());
    });
    std::reverse(entries.begin(), entries.end());  // newest first
    return entries;
}

bool feedCarries(std::string_view issue) { return isIssueNumber(issue) && issue.starts_with("20"); }

std::string historyFeedDocument(std::span<const Draw> oldestFirst) {
    std::string document = "<?xml version=\"1.0\" encoding=\"utf-8\"?>\n<xml>\n";
    for (const Draw& draw : oldestFirst) {
        const std::string_view issue = draw.issue;  // "20190101-001"
        document.append("<row expect=\"").append(issue.substr(2, 6)).append(issue.substr(9));
        document.append("\" opencode=\"");
        for (std::size_t at = 0; at < draw.text.size(); ++at) {
            if (at > 0) document += ',';
            document += draw.text[at];
        }
        document.append("\" opentime=\"").append(issue.substr(0, 4)).append("-").append(issue.substr(4, 2));
        document.append("-").append(issue.substr(6, 2)).append("\"/>\n");
    }
    return document + "</xml>\n";
}

}  // namespace quintara
