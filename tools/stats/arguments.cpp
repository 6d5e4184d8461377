#include "arguments.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <optional>

#include "stats/statistics_lists.h"

namespace quintara::stats_tool {
namespace {

// An item index from -1 (no selection) to 4, and nothing else in the text.
std::optional<int> itemIndex(std::string_view text) {
    int index = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), index);
    if (error != std::errc() || end != text.data() + text.size() || index < -1 || index > 4) {
        return std::nullopt;
    }
    return index;
}

// Adds the selections of one --select value; false when it is not valid.
bool addSelection(std::string_view value, Request& request) {
    const std::size_t equals = value.find('=');
    const std::optional<int> index =
        itemIndex(equals == std::string_view::npos ? value : value.substr(equals + 1));
    if (!index) return false;
    if (equals == std::string_view::npos) {
        request.selections.items.fill(*index);
        return true;
    }
    const std::optional<CountWindowBox> box = countWindowBoxNamed(value.substr(0, equals));
    if (!box) return false;
    request.selections[*box] = *index;
    return true;
}

}  // namespace

ParsedArguments parseArguments(std::span<const std::string_view> arguments) {
    ParsedArguments parsed;
    Request& request = parsed.request;
    bool haveFeed = false;
    for (std::size_t at = 0; at < arguments.size() && parsed.error.empty(); ++at) {
        const std::string_view argument = arguments[at];
        const bool hasValue = at + 1 < arguments.size();
        if (argument == "--help" || argument == "-h") {
            request.help = true;
        } else if (argument == "--select") {
            if (!hasValue || !addSelection(arguments[++at], request)) {
                parsed.error = "--select takes N or NAME=N, N from -1 to 4, NAME a count-window combo box";
            }
        } else if (argument == "--detail") {
            request.detail = true;
        } else if (argument == "--format") {
            const std::string_view format = hasValue ? arguments[++at] : "";
            if (format == "text") {
                request.format = OutputFormat::Text;
            } else if (format == "json") {
                request.format = OutputFormat::Json;
            } else {
                parsed.error = "--format takes text or json";
            }
        } else if (argument.starts_with("-") && argument != "-") {
            parsed.error = "unknown option " + std::string(argument);
        } else if (haveFeed) {
            parsed.error = "one FEED only";
        } else {
            request.feed = argument;
            haveFeed = true;
        }
    }
    if (parsed.error.empty() && !haveFeed && !request.help) parsed.error = "no FEED given";
    return parsed;
}

}  // namespace quintara::stats_tool
