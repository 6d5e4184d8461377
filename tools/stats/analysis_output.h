// What quintara-stats prints for --fairness and --backtest: a table, one
// line per test or figure with TABs between the columns, or JSON with the
// numbers in full double precision and null where there is none.
//   {"draws":n,"first":ISSUE,"last":ISSUE,"tests":[{"test":"frequency","scope":"万位",
//    "statistic":x,"df":9,"p":x,"p_adjusted":x},…],"smallest_p_adjusted":x,"deviation":false,
//    "detectable":x,"verdict":TEXT}
//   {"rule":"cold","position":"万位","k":3,"window":null,"bets":n,"hits":n,"rate":x,"baseline":0.3,
//    "ci_low":x,"ci_high":x,"p":x,"longest_miss":n,"verdict":TEXT}
// Both end with a line break.
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
