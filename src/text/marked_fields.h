// Two fields between three markers on one line: the records that the lazy
// pattern START(.*?)MIDDLE(.*?)END finds, with "." taking no line break,
// read without a regular-expression engine in one forward pass.
#pragma once

#include <algorithm>
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
template <typename Visit>
void forEachMarkedFields(std::string_view text, const FieldMarkers& markers, Visit visit) {
    std::size_t lineEnd = 0;  // the break that ends the line the scan is in
    for (std::size_t at = 0; (at = text.find(markers.start, at)) != std::string_view::npos;) {
        if (at >= lineEnd) lineEnd = std::min(text.find_first_of(markers.lineBreaks, at), text.size());
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
