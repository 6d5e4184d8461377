// Files of draws read line by line: the lines themselves, and what is said
// of a line that is refused ("LINE: reason").
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "draws/draw.h"

namespace quintara {

// A line that holds no draw of its file's format; nothing of it is taken.
struct RejectedLine {
    int line = 0;  // from 1
    std::string reason;

    friend bool operator==(const RejectedLine&, const RejectedLine&) = default;
};

// The draws of a file in the file's order, and the lines refused.
struct DrawsRead {
    std::vector<Draw> draws;
    std::vector<RejectedLine> rejected;
};

// Calls `visit(number, line)` for each line of `bytes`, numbered from 1,
// without its "\n" or a "\r" before it. A UTF-8 byte order mark at the start
// is no part of line 1; nothing follows a final "\n".
template <typename Visit>
void forEachLine(std::string_view bytes, Visit visit) {
    if (bytes.starts_with("\xEF\xBB\xBF")) bytes.remove_prefix(3);
    for (int number = 1; !bytes.empty(); ++number) {
        const std::size_t end = bytes.find('\n');
        std::string_view line = bytes.substr(0, end);
        bytes.remove_prefix(end == std::string_view::npos ? bytes.size() : end + 1);
        if (line.ends_with('\r')) line.remove_suffix(1);
        visit(number, line);
    }
}

// Some text of a line for a reason: in double quotes, at most 24 bytes of it
// and "…" after when there is more, a byte that is no printable ASCII shown
// as "?", so that no line of any length or bytes makes an unreadable reason.
[[nodiscard]] std::string quotedExcerpt(std::string_view text);

// What is wrong with a draw, said for a person: the issue is no
// "YYYYMMDD-NNN" of a real date and a sequence 001 to 999 (isIssueNumber),
// or the digits are not exactly five 0-9; nothing when it is a draw.
[[nodiscard]] std::string drawProblem(std::string_view issue, std::string_view digits);

}  // namespace quintara
