// What quintara-stats prints for --fairness and --backtest: a table, one
// line per test or figure with TABs between the columns, or the core's JSON
// (fairness/fairness_json.h). Both end with a line break.
#pragma once

#include <string>

#include "arguments.h"
#include "fairness/backtest.h"
#include "fairness/fairness_report.h"

namespace quintara::stats_tool {

[[nodiscard]] std::string fairnessOutput(const FairnessReport& report, OutputFormat format);
[[nodiscard]] std::string backtestOutput(const BacktestResult& result, const BacktestRequest& request,
                                         OutputFormat format);

}  // namespace quintara::stats_tool
