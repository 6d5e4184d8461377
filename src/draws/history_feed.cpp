#include "draws/history_feed.h"

#include <boost/regex.hpp>

#include <algorithm>
#include <array>
#include <optional>
#include <stdexcept>

#include "draws/keep_digits.h"

namespace quintara {
namespace {

constexpr std::string_view kIssueMarker = "expect=";
constexpr std::string_view kCodeMarker = "opencode=";
constexpr std::string_view kEndMarker = "opentime";
constexpr std::size_t kIssueDigits = 9;  // yymmdd and the sequence number
constexpr std::size_t kCodeDigits = 5;

// "." takes no line break, so a draw never reaches into the next line.
const boost::regex& drawPattern() {
    static const boost::regex pattern("expect=(.*?)opencode=(.*?)opentime",
                                      boost::regex::perl | boost::regex::no_mod_s);
    return pattern;
}

// Where the lines of a body end: at the characters that "." does not take.
// Each kind of break is looked for with its own search, which only moves
// forward.
class LineEnds {
public:
    explicit LineEnds(std::string_view body) : body_(body) {
        for (std::size_t kind = 0; kind < kBreaks.size(); ++kind) next_[kind] = find(kind, 0);
    }

    // The end of the line that starts at `start`: its first break, or the
    // end of the body.
    std::size_t endOfLineAt(std::size_t start) {
        std::size_t end = body_.size();
        for (std::size_t kind = 0; kind < kBreaks.size(); ++kind) {
            if (next_[kind] < start) next_[kind] = find(kind, start);
            end = std::min(end, next_[kind]);
        }
        return end;
    }

private:
    static constexpr std::array<char, 3> kBreaks{'\n', '\r', '\f'};

    [[nodiscard]] std::size_t find(std::size_t kind, std::size_t from) const {
        return std::min(body_.find(kBreaks[kind], from), body_.size());
    }

    std::string_view body_;
    std::array<std::size_t, kBreaks.size()> next_{};
};

std::string_view groupText(const boost::cmatch& match, int group) {
    return {match[group].first, static_cast<std::size_t>(match[group].length())};
}

// "20" and the issue's digits give the date and the sequence number:
// "180211001" becomes "20180211-001".
std::optional<std::string> drawEntry(std::string_view issueText, std::string_view codeText) {
    const std::string issueDigits = keepDigits(issueText);
    const std::string codeDigits = keepDigits(codeText);
    if (issueDigits.size() != kIssueDigits || codeDigits.size() != kCodeDigits) return std::nullopt;
    const std::string dated = "20" + issueDigits;
    return dated.substr(0, 8) + "-" + dated.substr(dated.size() - 3) + codeDigits;
}

// Appends the entries of one line, in document order. The engine is only
// set to work where its match is sure to succeed, an "expect=" followed by
// an "opencode=" and then an "opentime" in the line: elsewhere it would try
// every "expect=" to the end of the line, work that grows with the square of
// a long line. Every search here only moves forward.
void appendLineEntries(std::string_view line, std::vector<std::string>& entries) {
    boost::cmatch match;
    std::size_t from = 0;
    while (true) {
        const std::size_t issue = line.find(kIssueMarker, from);
        if (issue == std::string_view::npos) return;
        const std::size_t code = line.find(kCodeMarker, issue + kIssueMarker.size());
        if (code == std::string_view::npos) return;
        if (line.find(kEndMarker, code + kCodeMarker.size()) == std::string_view::npos) return;
        if (!boost::regex_search(line.data() + issue, line.data() + line.size(), match,
                                 drawPattern(), boost::match_continuous)) {
            return;
        }
        if (auto entry = drawEntry(groupText(match, 1), groupText(match, 2))) {
            entries.push_back(std::move(*entry));
        }
        from = static_cast<std::size_t>(match[0].second - line.data());
    }
}

}  // namespace

std::vector<std::string> parseHistoryFeed(std::string_view body) {
    std::vector<std::string> entries;
    try {
        LineEnds lineEnds(body);
        for (std::size_t start = 0; start < body.size();) {
            const std::size_t end = lineEnds.endOfLineAt(start);
            appendLineEntries(body.substr(start, end - start), entries);
            start = end + 1;
        }
    } catch (const std::runtime_error&) {
        return {};  // the engine gave up on the document: no draws
    }
    std::reverse(entries.begin(), entries.end());  // newest first
    return entries;
}

}  // namespace quintara
