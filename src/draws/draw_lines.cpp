#include "draws/draw_lines.h"

#include "draws/issue.h"
#include "text/numbers.h"

namespace quintara {
namespace {

constexpr std::size_t kExcerptBytes = 24;

}  // namespace

std::string quotedExcerpt(std::string_view text) {
    std::string excerpt = "\"";
    for (const char c : text.substr(0, kExcerptBytes)) excerpt += c >= ' ' && c <= '~' ? c : '?';
    return excerpt + (text.size() > kExcerptBytes ? "…\"" : "\"");
}

std::string drawProblem(std::string_view issue, std::string_view digits) {
    if (!isIssueNumber(issue)) {
        return "the issue " + quotedExcerpt(issue) + " is no YYYYMMDD-NNN of a real date and a sequence 001 to 999";
    }
    if (digits.size() != kDrawTextLength || !allDigits(digits)) {
        return "the digits " + quotedExcerpt(digits) + " are not five digits 0-9";
    }
    return {};
}

}  // namespace quintara
