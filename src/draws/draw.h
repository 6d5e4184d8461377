// A draw as the program passes it around: its issue number and its draw
// text, the five digits of 万, 千, 百, 十 and 个. Between the sources and
// the history a draw travels as one draw entry, the issue followed directly
// by the draw text ("20181101-12023780").
#pragma once

#include <algorithm>
#include <string>
#include <string_view>

namespace quintara {

inline constexpr int kDrawReadLimit = 10000;  // the most draws the statistics read
inline constexpr int kIssueLength = 12;       // "20180211-001"
inline constexpr int kDrawTextLength = 5;     // "23780"
inline constexpr int kDrawEntryLength = kIssueLength + kDrawTextLength;

struct Draw {
    std::string issue;
    std::string text;

    friend bool operator==(const Draw&, const Draw&) = default;
};

// A draw whose texts live elsewhere, valid as long as they are.
struct DrawView {
    std::string_view issue;
    std::string_view text;
};

// The parts of a draw entry: its leftmost 12 characters (the issue) and its
// rightmost 5 (the draw text), valid as long as the entry is.
[[nodiscard]] inline DrawView entryView(std::string_view entry) {
    return {entry.substr(0, std::min<std::size_t>(kIssueLength, entry.size())),
            entry.substr(entry.size() - std::min<std::size_t>(kDrawTextLength, entry.size()))};
}

[[nodiscard]] inline Draw splitEntry(std::string_view entry) {
    const DrawView parts = entryView(entry);
    return {std::string(parts.issue), std::string(parts.text)};
}

}  // namespace quintara
