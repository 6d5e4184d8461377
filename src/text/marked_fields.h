// Two fields between three markers on one line: the records that the lazy
// pattern START(.*?)MIDDLE(.*?)END finds, with "." taking no line break,
// read without a regular-expression engine in one forward pass.
#pragma once

#include <algorithm>
#include <array>
#include <string_view>

namespace quintara {

struct FieldMarkers {
    std::string_view start;
    std::string_view middle;
    std::string_view end;
    std::string_view lineBreaks;  // the characters "." does not take
};

// Calls `visit(first, second)` for each record of `text` in document order.
// A match starts at the next `start` still ahead; its fields end at the
// first `middle` after it and the first `end` after that, within the line. A
// line that lacks them holds no match further on either, so the scan goes on
// at the next line: the work stays linear on any text.
// Where the lines of a text end: the first line break at or after a
// position. Each kind of break is looked for with a search of its own that
// only moves forward, so walking through a text of any lines stays linear.
class LineEnds {
public:
    // Up to four kinds of `breaks`.
    LineEnds(std::string_view text, std::string_view breaks)
        : text_(text), breaks_(breaks.substr(0, std::min(breaks.size(), std::size_t{4}))) {
        for (std::size_t kind = 0; kind < breaks_.size(); ++kind) next_[kind] = find(breaks_[kind], 0);
    }

    [[nodiscard]] std::size_t endOfLineAt(std::size_t from) {
        std::size_t end = text_.size();
        for (std::size_t kind = 0; kind < breaks_.size(); ++kind) {
            if (next_[kind] < from) next_[kind] = find(breaks_[kind], from);
            end = std::min(end, next_[kind]);
        }
        return end;
    }

private:
    [[nodiscard]] std::size_t find(char lineBreak, std::size_t from) const {
        return std::min(text_.find(lineBreak, from), text_.size());
    }

    std::string_view text_;
    std::string_view breaks_;
    std::array<std::size_t, 4> next_{};  // the next break of each kind, or the text's end
};

template <typename Visit>
void forEachMarkedFields(std::string_view text, const FieldMarkers& markers, Visit visit) {
    LineEnds lineEnds(text, markers.lineBreaks);
    std::size_t lineEnd = 0;  // the break that ends the line the scan is in
    for (std::size_t at = 0; (at = text.find(markers.start, at)) != std::string_view::npos;) {
        if (at >= lineEnd) lineEnd = lineEnds.endOfLineAt(at);
        const std::string_view line = text.substr(0, lineEnd);
        const std::size_t first = at + markers.start.size();
        const std::size_t middle = line.find(markers.middle, first);
        const std::size_t end = middle == std::string_view::npos
                                    ? middle
                                    : line.find(markers.end, middle + markers.middle.size());
        if (end == std::string_view::npos) {
            at = lineEnd;
            continue;
        }
        const std::size_t second = middle + markers.middle.size();
        visit(text.substr(first, middle - first), text.substr(second, end - second));
        at = end + markers.end.size();
    }
}

}  // namespace quintara
