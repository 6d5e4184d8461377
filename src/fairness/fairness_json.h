// The fairness tests and the backtest as JSON, as quintara-stats --fairness
// and --backtest --format json print them and the watcher serves them: the
// numbers in full double precision and null where there is none, ended by a
// line break.
//   {"draws":n,"first":ISSUE,"last":ISSUE,"tests":[{"test":"frequency","scope":"万位",
//    "statistic":x,"df":9,"p":x,"p_adjusted":x},…],"smallest_p_adjusted":x,"deviation":false,
//    "detectable":x,"verdict":TEXT}
//   {"rule":"cold","position":"万位","k":3,"window":null,"bets":n,"hits":n,"rate":x,"baseline":0.3,
//    "ci_low":x,"ci_high":x,"p":x,"longest_miss":n,"verdict":TEXT}
#pragma once

#include <string>

#include "fairness/backtest.h"
#include "fairness/fairness_report.h"

namespace quintara {

[[nodiscard]] std::string fairnessJson(const FairnessReport& report);
[[nodiscard]] std::string backtestJson(const BacktestResult& result, const BacktestRequest& request);

}  // namespace quintara
