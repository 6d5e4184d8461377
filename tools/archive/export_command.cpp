// quintara-archive export: the draws held, oldest first, as CSV, a history feed or
// JSON.
#include <nlohmann/json.hpp>

#include <algorithm>

#include "archive/draw_archive.h"
#include "commands.h"
#include "draws/history_feed.h"

namespace quintara::archive_tool {
namespace {

std::string csvOf(const std::vector<Draw>& draws) {
    std::string csv = "issue,digits\n";
    for (const Draw& draw : draws) csv.append(draw.issue).append(",").append(draw.text).append("\n");
    return csv;
}

// One object a line between the brackets.
std::string jsonOf(const std::vector<Draw>& draws) {
    std::string json = "[";
    for (const Draw& draw : draws) {
        json.append(json.size() > 1 ? ",\n" : "\n");
        json.append(nlohmann::ordered_json{{"issue", draw.issue}, {"digits", draw.text}}.dump(
            -1, ' ', false, nlohmann::json::error_handler_t::replace));
    }
    return json.append(draws.empty() ? "]\n" : "\n]\n");
}

}  // namespace

int exportDraws(const Request& request) {
    const DrawArchive archive(request.place().file, DrawArchive::Access::ReadOnly);
    const std::vector<Draw> draws = archive.oldestFirst(request.from, request.to);
    switch (request.exportFormat) {
        case ExportFormat::Csv:
            return print(csvOf(draws));
        case ExportFormat::Json:
            return print(jsonOf(draws));
        case ExportFormat::Feed:
            break;
    }
    const auto uncarried = std::ranges::find_if(draws, [](const Draw& draw) { return !feedCarries(draw.issue); });
    if (uncarried != draws.end()) {
        complain("the issue " + uncarried->issue + " cannot go in a feed, which writes the years 2000 to 2099 only");
        return kFailed;
    }
    return print(historyFeedDocument(draws));
}

}  // namespace quintara::archive_tool
