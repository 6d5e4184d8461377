// quintara-stats: reads a history feed or the draw archive and prints the 18
// statistics lists of its newest draws as a refresh computes them, or the
// fairness tests or a backtest over a range of its draws.
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <limits>
#include <span>
#include <string>
#include <vector>

#include "analysis_output.h"
#include "arguments.h"
#include "draw_source.h"
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

std::string listsOutput(const std::vector<Draw>& newestFirst, const stats_tool::Request& request) {
    std::vector<std::string_view> texts;
    texts.reserve(newestFirst.size());
    for (const Draw& draw : newestFirst) texts.emplace_back(draw.text);
    const Statistics statistics = computeStatistics({.draws = texts, .selections = request.selections});
    return stats_tool::report(statistics, request.format, request.detail);
}

// The fairness tests or the backtest of the request's range; throws NoDraws
// when the range holds none of the draws.
std::string analysisOutput(const std::vector<Draw>& held, const stats_tool::Request& request) {
    std::vector<DrawView> newestFirst;
    newestFirst.reserve(held.size());
    for (const Draw& draw : held) newestFirst.push_back({draw.issue, draw.text});
    const RangeRows rows = rangeRows(newestFirst, request.range, std::numeric_limits<std::size_t>::max());
    if (rows.size() == 0) throw tools::NoDraws{tools::kNoDrawsHeld, "no draws in the range"};
    const std::span<const DrawView> fromRange = std::span(newestFirst).subspan(rows.newest);
    if (request.analysis == stats_tool::Analysis::Fairness) {
        return stats_tool::fairnessOutput(fairnessReport(fromRange.first(rows.size())), request.format);
    }
    return stats_tool::backtestOutput(backtest(fromRange, rows.size(), request.backtest), request.backtest,
                                      request.format);
}

}  // namespace

int main(int argc, char** argv) {
    tools::ToolCommandLine commandLine(
        kTool, "Prints the 18 statistics lists of the newest 10000 draws of a history feed or of the draw "
               "archive, as the window's refresh computes them; or, over a range of all its draws, the "
               "fairness tests (--fairness) or the backtest of a rule (--backtest).");
    stats_tool::Request request;
    stats_tool::declareOptions(commandLine, request);
    if (const auto status = commandLine.read(argc, argv)) return *status;

    std::string out;
    try {
        const bool lists = request.analysis == stats_tool::Analysis::Lists;
        const std::vector<Draw> held =
            tools::readDraws(request.source, lists ? kDrawReadLimit : std::numeric_limits<std::size_t>::max());
        out = lists ? listsOutput(held, request) : analysisOutput(held, request);
    } catch (const tools::NoDraws& none) {
        return fail(none.status, none.reason);
    }
    if (std::fwrite(out.data(), 1, out.size(), stdout) != out.size() || std::fflush(stdout) != 0) {
        return fail(kCannotWrite, std::string("cannot write the report: ") + std::strerror(errno));
    }
    return kDone;
}
