#include "analysis_output.h"

#include <optional>
#include <string_view>

#include "fairness/fairness_json.h"
#include "fairness/five_digits.h"
#include "text/numbers.h"

namespace quintara::stats_tool {
namespace {

// A table's line: the cells with TABs between them.
std::string line(std::initializer_list<std::string_view> cells) {
    std::string text;
    for (const std::string_view cell : cells) text.append(text.empty() ? "" : "\t").append(cell);
    return text + "\n";
}

std::string numberOr(const std::optional<double>& value, std::string_view none) {
    return value ? shortNumber(*value) : std::string(none);
}

std::string fairnessTable(const FairnessReport& report) {
    std::string table = line({"公平性检验", std::to_string(report.draws) + "期", report.first + " 至 " + report.last});
    table += line({"检验", "范围", "统计量", "自由度", "p值", "校正p值"});
    for (const FairnessTest& test : report.tests) {
        table += line({testLabel(test.kind), test.scope, test.statistic ? statisticText(*test.statistic) : "-",
                       test.degrees ? std::to_string(*test.degrees) : "-", numberOr(test.p, "期数不足"),
                       numberOr(test.pAdjusted, "-")});
    }
    table += line({"结论", report.verdict});
    if (report.detectable) table += line({"可检出", "±" + shortNumber(*report.detectable), detectableText(report)});
    return table;
}

std::string percentOr(const std::optional<double>& share) { return share ? percentText(*share) : "-"; }

std::string backtestTable(const BacktestResult& result, const BacktestRequest& request) {
    std::string rule = std::string(ruleLabel(request.rule)).append(" ").append(ruleName(request.rule));
    if (request.rule == BacktestRule::Hot) rule += " 窗口" + std::to_string(request.window) + "期";
    std::string table = line({"回测", rule, positionName(request.position), "k=" + std::to_string(request.k)});
    table += line({"下注", std::to_string(result.bets)});
    table += line({"命中", std::to_string(result.hits)});
    table += line({"命中率", percentOr(result.rate)});
    table += line({"公平命中率", percentText(result.baseline)});
    table += line({"95%区间", percentOr(result.ciLow) + " - " + percentOr(result.ciHigh)});
    table += line({"p值", numberOr(result.p, "-")});
    table += line({"最长连续未中", std::to_string(result.longestMiss)});
    return table + line({"结论", result.verdict});
}

}  // namespace

std::string fairnessOutput(const FairnessReport& report, OutputFormat format) {
    return format == OutputFormat::Json ? fairnessJson(report) : fairnessTable(report);
}

std::string backtestOutput(const BacktestResult& result, const BacktestRequest& request, OutputFormat format) {
    return format == OutputFormat::Json ? backtestJson(result, request) : backtestTable(result, request);
}

}  // namespace quintara::stats_tool
