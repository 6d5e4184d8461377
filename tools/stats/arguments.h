// The command line of quintara-stats:
//   quintara-stats [--select N | --select NAME=N]... [--format text|json] [--detail] FEED|--archive [PATH]
//   quintara-stats --fairness [--range N|today|3d|7d|FROM:TO] [--format text|json] FEED|--archive [PATH]
//   quintara-stats --backtest cold|hot --position 万位 --k K [--window W] [--range …] [--format text|json]
//                  FEED|--archive [PATH]
#pragma once

#include <optional>
#include <string>

#include "fairness/backtest.h"
#include "draws/draw_range.h"
#include "stats/statistics_lists.h"
#include "draw_source.h"
#include "tool_cli.h"

namespace quintara::stats_tool {

enum class OutputFormat { Text, Json };

// What the tool prints: the 18 lists of the newest draws, the fairness
// tests of a range, or the backtest of a rule over it.
enum class Analysis { Lists, Fairness, Backtest };

struct Request {
    Analysis analysis = Analysis::Lists;
    DrawRange range = DrawRange::all();  // the fairness tests' and the backtest's
    BacktestRequest backtest;
    // The item of each count-window combo box, the last one given winning.
    CountWindowSelections selections;
    OutputFormat format = OutputFormat::Text;
    bool detail = false;  // each row's detail as well
    tools::DrawSource source;
};

// Declares the tool's options, read into `request`.
void declareOptions(CLI::App& commandLine, Request& request);

}  // namespace quintara::stats_tool
