#include "range_option.h"

#include <string>

namespace quintara::tools {

CLI::Validator rangeReader(DrawRange& range, std::optional<int> most) {
    return CLI::Validator(
        [&range, most](std::string& text) -> std::string {
            const std::string counts = most ? "1 to " + std::to_string(*most) : std::string("1 or more");
            const auto read = rangeNamed(text);
            if (!read || (most && read->kind == DrawRange::Kind::Draws && read->count > *most)) {
                return "wants N (" + counts + "), today, 3d, 7d or FROM:TO, not \"" + text + "\"";
            }
            if (read->kind == DrawRange::Kind::Issues) {
                const auto issues = issueCount(read->from, read->to);
                if (!issues) {
                    return "FROM:TO wants two issues, the first not after the last, not \"" + text + "\"";
                }
                if (most && *issues > *most) {
                    return "\"" + text + "\" spans " + std::to_string(*issues) + " issues, more than " +
                           std::to_string(*most);
                }
            }
            range = *read;
            return {};
        },
        "");
}

}  // namespace quintara::tools
