// Alert rules (遗漏预警): what the user wants to hear of. A rule names a list
// by the name the statistics print (or every list), an item by its row label
// (or every item), and one condition; a silence rule watches the draws
// arriving at all. Rules are kept as a JSON array of objects:
//   {"list":"超级列表框_万遗漏","item":"7","when":"current","at_least":20}
//   {"list":"*","item":"*","when":"record"}
//   {"list":"*","item":"*","when":"chance","at_most":0.01}
//   {"when":"silence","minutes":10}
#pragma once

#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "stats/statistics_lists.h"

namespace quintara {

enum class AlertCondition {
    Current,  // the current absence is `atLeast` draws or more
    Record,   // the current absence (> 0) is at least as long as every earlier one
    Chance,   // the chance of the current absence is `atMost` or less
    Silence,  // no new draw for `minutes` minutes while polling runs
};

struct AlertRule {
    AlertCondition when = AlertCondition::Current;
    std::optional<StatisticsList> list;  // none: every list
    std::optional<std::string> item;     // none: every item
    int atLeast = 0;
    double atMost = 0;
    int minutes = 0;

    [[nodiscard]] bool watchesRows() const { return when != AlertCondition::Silence; }
    [[nodiscard]] bool covers(StatisticsList rowList) const { return !list || *list == rowList; }

    friend bool operator==(const AlertRule&, const AlertRule&) = default;
};

// The rules of a JSON text, or why they cannot be used: "rule 2: no list is
// called X". One bad element refuses the whole text.
struct AlertRulesReading {
    std::vector<AlertRule> rules;
    std::string error;  // empty when the rules are good

    [[nodiscard]] bool good() const { return error.empty(); }
};

[[nodiscard]] AlertRulesReading readAlertRules(std::string_view json);

// The rules as the JSON array they are read from.
[[nodiscard]] std::string alertRulesJson(std::span<const AlertRule> rules);

// The rule for a person: "万位 7：遗漏 ≥ 20 期", "全部：遗漏概率 ≤ 1.00%",
// "无新开奖 ≥ 10 分钟".
[[nodiscard]] std::string describeRule(const AlertRule& rule);

}  // namespace quintara
