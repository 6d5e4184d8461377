// quintara-stats: reads a history feed, fills the draw history of an
// in-memory main window as the full reload does, refreshes the statistics
// and prints the 18 lists.
#include <algorithm>
#include <optional>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <memory>
#include <string>
#include <vector>

#include "arguments.h"
#include "controls/main_window_names.h"
#include "controls/memory_controls.h"
#include "draws/draw_history.h"
#include "draws/history_feed.h"
#include "feed_bytes.h"
#include "report.h"
#include "stats/statistics.h"
#include "stats/statistics_window.h"

namespace {

using namespace quintara;

constexpr int kDone = 0;
constexpr int kNoDraws = 1;
constexpr int kCannotRun = 2;

void printUsage(std::FILE* stream) {
    std::fwrite(stats_tool::kUsage.data(), 1, stats_tool::kUsage.size(), stream);
}

int fail(int status, const std::string& message) {
    std::fprintf(stderr, "quintara-stats: %s\n", message.c_str());
    return status;
}

}  // namespace

int main(int argc, char** argv) {
    const std::vector<std::string_view> arguments(argv + 1, argv + argc);
    const stats_tool::ParsedArguments parsed = stats_tool::parseArguments(arguments);
    if (!parsed.error.empty()) {
        const int status = fail(kCannotRun, parsed.error);
        printUsage(stderr);
        return status;
    }
    const stats_tool::Request& request = parsed.request;
    if (request.help) {
        printUsage(stdout);
        return kDone;
    }

    const std::optional<stats_tool::FeedBytes> feed = stats_tool::FeedBytes::read(request.feed);
    if (!feed) return fail(kCannotRun, "cannot read " + request.feed + ": " + std::strerror(errno));
    std::vector<std::string> entries = parseHistoryFeed(feed->bytes());
    if (entries.empty()) {
        std::fputs("no draws in feed\n", stderr);
        return kNoDraws;
    }

    const std::unique_ptr<Window> window = makeStatisticsWindow();
    for (const auto& [comboBox, index] : request.selections) window->comboBox(comboBox).setSelectedIndex(index);
    // The statistics read the newest 10000 draws only: the history holds no
    // more than those.
    entries.resize(std::min<std::size_t>(entries.size(), kDrawReadLimit));
    DrawHistory(window->grid(names::kDrawGrid)).replaceWith(entries);
    RefreshStatistics(*window);

    const std::string out = stats_tool::report(*window, request.format, request.detail);
    if (std::fwrite(out.data(), 1, out.size(), stdout) != out.size() || std::fflush(stdout) != 0) {
        return fail(kCannotRun, std::string("cannot write the report: ") + std::strerror(errno));
    }
    return kDone;
}
