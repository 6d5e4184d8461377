#include "text/text_between.h"

namespace quintara {

std::string textBetween(std::string_view text, std::string_view start, std::string_view end) {
    const std::size_t startAt = text.find(start);
    if (startAt == std::string_view::npos) return {};
    const std::string_view after = text.substr(startAt + start.size());
    const std::size_t endAt = after.find(end);
    if (endAt == std::string_view::npos) return {};
    return std::string(after.substr(0, endAt));
}

}  // namespace quintara
