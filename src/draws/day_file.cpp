#include "draws/day_file.h"

#include <string>
#include <utility>

#include "draws/issue.h"
#include "text/numbers.h"

namespace quintara {
bool isDayFileName(std::string_view name) {
    return name.size() == kIssueDateLength + 4 && name.ends_with(".txt") && allDigits(name.substr(0, kIssueDateLength));
}

DrawsRead readDayFile(std::string_view date, std::string_view bytes) {
    DrawsRead read;
    forEachLine(bytes, [&](int number, std::string_view line) {
        if (line.empty()) return;
        const std::string_view sequence = line.substr(0, kIssueSequenceLength);
        if (line.size() <= kIssueSequenceLength + 1 || !allDigits(sequence) || line[kIssueSequenceLength] != ' ') {
            read.rejected.push_back({number, "not \"NNN DDDDD\" or \"NNN -\": " + quotedExcerpt(line)});
            return;
        }
        const std::string_view digits = line.substr(kIssueSequenceLength + 1);
        if (digits == "-") return;
        std::string issue = std::string(date) + '-' + std::string(sequence);
        if (std::string problem = drawProblem(issue, digits); !problem.empty()) {
            read.rejected.push_back({number, std::move(problem)});
        } else {
            read.draws.push_back({std::move(issue), std::string(digits)});
        }
    });
    return read;
}

}  // namespace quintara
