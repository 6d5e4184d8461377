#include "fairness/fairness_json.h"

#include <nlohmann/json.hpp>

#include <optional>

#include "fairness/five_digits.h"

namespace quintara {
namespace {

using Json = nlohmann::ordered_json;

template <typename Number>
Json orNull(const std::optional<Number>& value) {
    return value ? Json(*value) : Json(nullptr);
}

std::string dumped(const Json& json) {
    // Our texts are UTF-8; an issue read from a feed that is not is replaced, not refused.
    return json.dump(-1, ' ', false, Json::error_handler_t::replace) + "\n";
}

}  // namespace

std::string fairnessJson(const FairnessReport& report) {
    Json tests = Json::array();
    for (const FairnessTest& test : report.tests) {
        tests.push_back({{"test", testName(test.kind)},
                         {"scope", test.scope},
                         {"statistic", orNull(test.statistic)},
                         {"df", orNull(test.degrees)},
                         {"p", orNull(test.p)},
                         {"p_adjusted", orNull(test.pAdjusted)}});
    }
    return dumped({{"draws", report.draws},
                   {"first", report.first},
                   {"last", report.last},
                   {"tests", std::move(tests)},
                   {"smallest_p_adjusted", orNull(report.smallestAdjusted)},
                   {"deviation", report.deviation},
                   {"detectable", orNull(report.detectable)},
                   {"verdict", report.verdict}});
}

std::string backtestJson(const BacktestResult& result, const BacktestRequest& request) {
    return dumped({{"rule", ruleName(request.rule)},
                   {"position", positionName(request.position)},
                   {"k", request.k},
                   {"window", request.rule == BacktestRule::Hot ? Json(request.window) : Json(nullptr)},
                   {"bets", result.bets},
                   {"hits", result.hits},
                   {"rate", orNull(result.rate)},
                   {"baseline", result.baseline},
                   {"ci_low", orNull(result.ciLow)},
                   {"ci_high", orNull(result.ciHigh)},
                   {"p", orNull(result.p)},
                   {"longest_miss", result.longestMiss},
                   {"verdict", result.verdict}});
}

}  // namespace quintara
