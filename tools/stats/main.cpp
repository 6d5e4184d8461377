// quintara-stats: reads a history feed or the draw archive, computes the
// statistics of its newest draws as a refresh does, and prints the 18 lists.
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

#include "arguments.h"
#include "newest_draws.h"
#include "report.h"
#include "stats/statistics.h"

namespace {

using namespace quintara;

constexpr int kDone = 0;
constexpr int kCannotWrite = 2;

constexpr char kTool[] = "quintara-stats";

int fail(int status, const std::string& message) {
    std::fprintf(stderr, "%s: %s\n", kTool, message.c_str());
    return status;
}

}  // namespace

int main(int argc, char** argv) {
    tools::ToolCommandLine commandLine(
        kTool, "Prints the 18 statistics lists of the newest 10000 draws of a history feed or of the draw "
               "archive, as the window's refresh computes them.");
    stats_tool::Request request;
    stats_tool::declareOptions(commandLine, request);
    if (const auto status = commandLine.read(argc, argv)) return *status;

    std::vector<std::string> texts;
    try {
        texts = stats_tool::newestDrawTexts(request);
    } catch (const stats_tool::NoDraws& none) {
        return fail(none.status, none.reason);
    }
    const std::vector<std::string_view> draws(texts.begin(), texts.end());
    const Statistics statistics = computeStatistics({.draws = draws, .selections = request.selections});

    const std::string out = stats_tool::report(statistics, request.format, request.detail);
    if (std::fwrite(out.data(), 1, out.size(), stdout) != out.size() || std::fflush(stdout) != 0) {
        return fail(kCannotWrite, std::string("cannot write the report: ") + std::strerror(errno));
    }
    return kDone;
}
