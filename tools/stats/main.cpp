// quintara-stats: reads a history feed, computes the statistics of its
// newest draws as a refresh does, and prints the 18 lists.
#include <algorithm>
#include <optional>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

#include "arguments.h"
#include "draws/draw_history.h"
#include "draws/history_feed.h"
#include "feed_bytes.h"
#include "report.h"
#include "stats/statistics.h"

namespace {

using namespace quintara;

constexpr int kDone = 0;
constexpr int kNoDraws = 1;
constexpr int kCannotRun = 2;

constexpr char kTool[] = "quintara-stats";

int fail(int status, const std::string& message) {
    std::fprintf(stderr, "%s: %s\n", kTool, message.c_str());
    return status;
}

}  // namespace

int main(int argc, char** argv) {
    tools::ToolCommandLine commandLine(
        kTool, "Prints the 18 statistics lists of a history feed's newest 10000 draws, as the "
               "window's refresh computes them.");
    stats_tool::Request request;
    stats_tool::declareOptions(commandLine, request);
    if (const auto status = commandLine.read(argc, argv)) return *status;

    const std::optional<stats_tool::FeedBytes> feed = stats_tool::FeedBytes::read(request.feed);
    if (!feed) return fail(kCannotRun, "cannot read " + request.feed + ": " + std::strerror(errno));
    const std::vector<std::string> entries = parseHistoryFeed(feed->bytes());
    if (entries.empty()) return fail(kNoDraws, "no draws in feed");

    // The statistics read the newest 10000 draws only.
    const std::size_t read = std::min<std::size_t>(entries.size(), kDrawReadLimit);
    std::vector<std::string_view> draws;
    draws.reserve(read);
    for (std::size_t at = 0; at < read; ++at) draws.push_back(DrawHistory::entryView(entries[at]).text);
    const Statistics statistics = computeStatistics({.draws = draws, .selections = request.selections});

    const std::string out = stats_tool::report(statistics, request.format, request.detail);
    if (std::fwrite(out.data(), 1, out.size(), stdout) != out.size() || std::fflush(stdout) != 0) {
        return fail(kCannotRun, std::string("cannot write the report: ") + std::strerror(errno));
    }
    return kDone;
}
