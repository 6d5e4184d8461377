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
    const std::vector<std::string> entries = parseHistoryFeed(feed->bytes());
    if (entries.empty()) {
        std::fputs("no draws in feed\n", stderr);
        return kNoDraws;
    }

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
