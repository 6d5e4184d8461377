#include "archive/import_formats.h"

#include <algorithm>
#include <string>
#include <utility>

#include "draws/day_file.h"
#include "draws/history_feed.h"
#include "draws/issue.h"
#include "text/numbers.h"

namespace quintara {
namespace {

constexpr std::string_view kIssueMarker = "expect=";
constexpr std::string_view kCodeMarker = "opencode=";

std::size_t countOf(std::string_view text, std::string_view marker) {
    std::size_t count = 0;
    for (std::size_t at = text.find(marker); at != std::string_view::npos; at = text.find(marker, at + marker.size())) {
        ++count;
    }
    return count;
}

// The draws of one feed line in line order, or why the line is refused.
std::string readFeedLine(std::string_view line, std::vector<Draw>& draws) {
    const std::vector<std::string> entries = parseHistoryFeed(line);
    const std::size_t elements = countOf(line, kIssueMarker);
    if (elements == 0 || entries.size() != elements || countOf(line, kCodeMarker) != elements) {
        return "not a draw element expect=\"YYMMDDNNN\" opencode=\"D,D,D,D,D\" opentime=…: " +
               quotedExcerpt(line);
    }
    for (auto entry = entries.rbegin(); entry != entries.rend(); ++entry) {
        Draw draw = splitEntry(*entry);
        if (std::string problem = drawProblem(draw.issue, draw.text); !problem.empty()) return problem;
        draws.push_back(std::move(draw));
    }
    return {};
}

// The text of a CSV field: without spaces or tabs around it and then
// without a pair of double quotes around it.
std::string_view fieldText(std::string_view field) {
    const std::size_t first = field.find_first_not_of(" \t");
    if (first == std::string_view::npos) return {};
    field = field.substr(first, field.find_last_not_of(" \t") - first + 1);
    if (field.size() >= 2 && field.front() == '"' && field.back() == '"') field = field.substr(1, field.size() - 2);
    return field;
}

// The draw of one CSV line, or why the line is refused.
std::string readCsvLine(std::string_view line, std::vector<Draw>& draws) {
    const std::size_t comma = line.find(',');
    if (comma == std::string_view::npos || line.find(',', comma + 1) != std::string_view::npos) {
        return "not \"issue,digits\": " + quotedExcerpt(line);
    }
    const std::string_view issueText = fieldText(line.substr(0, comma));
    const std::string_view digits = fieldText(line.substr(comma + 1));
    const std::optional<Issue> read = Issue::read(issueText);
    const std::string issue = read ? read->text() : std::string(issueText);
    if (std::string problem = drawProblem(issue, digits); !problem.empty()) return problem;
    draws.push_back({issue, std::string(digits)});
    return {};
}

// Reads each line that `wanted` takes with `readLine`, which adds the line's
// draws or says why it is refused.
template <typename Wanted, typename ReadLine>
DrawsRead readLines(std::string_view bytes, Wanted wanted, ReadLine readLine) {
    DrawsRead read;
    forEachLine(bytes, [&](int number, std::string_view line) {
        if (!wanted(number, line)) return;
        if (std::string reason = readLine(line, read.draws); !reason.empty()) {
            read.rejected.push_back({number, std::move(reason)});
        }
    });
    return read;
}

}  // namespace

std::optional<ImportFormat> importFormatNamed(std::string_view fileName) {
    if (isDayFileName(fileName)) return ImportFormat::DayFile;
    if (fileName.ends_with(".xml")) return ImportFormat::Feed;
    if (fileName.ends_with(".csv")) return ImportFormat::Csv;
    return std::nullopt;
}

DrawsRead readImportFile(std::string_view fileName, std::string_view bytes) {
    const ImportFormat format = importFormatNamed(fileName).value_or(
        bytes.find(kIssueMarker) != std::string_view::npos ? ImportFormat::Feed : ImportFormat::Csv);
    switch (format) {
        case ImportFormat::DayFile:
            return readDayFile(fileName.substr(0, 8), bytes);
        case ImportFormat::Feed:
            return readFeedDraws(bytes);
        case ImportFormat::Csv:
            break;
    }
    return readCsvDraws(bytes);
}

DrawsRead readFeedDraws(std::string_view bytes) {
    return readLines(
        bytes,
        [](int, std::string_view line) {
            return line.find(kIssueMarker) != std::string_view::npos || line.find(kCodeMarker) != std::string_view::npos;
        },
        readFeedLine);
}

DrawsRead readCsvDraws(std::string_view bytes) {
    return readLines(
        bytes,
        [](int number, std::string_view line) {
            const bool header = number == 1 && std::none_of(line.begin(), line.end(), isDigit);
            return !header && !fieldText(line).empty();
        },
        readCsvLine);
}

}  // namespace quintara
