#include "alerts/alert_rule.h"

#include <nlohmann/json.hpp>

#include <algorithm>
#include <array>
#include <utility>

#include "alerts/alert_record.h"
#include "stats/row_labels.h"
#include "text/numbers.h"

namespace quintara {
namespace {

using Json = nlohmann::ordered_json;

constexpr std::string_view kEvery = "*";

constexpr std::array<std::pair<std::string_view, AlertCondition>, 4> kConditionNames{{
    {"current", AlertCondition::Current},
    {"record", AlertCondition::Record},
    {"chance", AlertCondition::Chance},
    {"silence", AlertCondition::Silence},
}};

std::string_view conditionName(AlertCondition condition) {
    for (const auto& [name, named] : kConditionNames) {
        if (named == condition) return name;
    }
    return {};
}

// A rule's element that cannot be used, and why.
struct Refusal {
    std::string reason;
};

std::string textOf(const Json& element, const char* key) {
    const auto found = element.find(key);
    if (found == element.end()) throw Refusal{"\"" + std::string(key) + "\" is missing"};
    if (!found->is_string()) throw Refusal{"\"" + std::string(key) + "\" must be a text"};
    return found->get<std::string>();
}

int wholeNumberOf(const Json& element, const char* key) {
    const auto found = element.find(key);
    if (found == element.end() || !found->is_number_integer() || found->get<long long>() < 1 ||
        found->get<long long>() > 1'000'000) {
        throw Refusal{"\"" + std::string(key) + "\" must be a whole number from 1 to 1000000"};
    }
    return found->get<int>();
}

double chanceOf(const Json& element, const char* key) {
    const auto found = element.find(key);
    if (found == element.end() || !found->is_number() || !(found->get<double>() > 0) ||
        found->get<double>() > 1) {
        throw Refusal{"\"" + std::string(key) + "\" must be a number above 0 and at most 1"};
    }
    return found->get<double>();
}

// The list and the item a row rule names; "*" for every one.
void readRows(const Json& element, AlertRule& rule) {
    const std::string list = textOf(element, "list");
    if (list != kEvery) {
        rule.list = statisticsListNamed(list);
        if (!rule.list) throw Refusal{"no list is called " + list};
    }
    const std::string item = textOf(element, "item");
    if (item == kEvery) return;
    const bool known = rule.list ? rowLabelIndex(*rule.list, item).has_value() : [&item] {
        for (const StatisticsList any : kStatisticsLists) {
            if (rowLabelIndex(any, item)) return true;
        }
        return false;
    }();
    if (!known) throw Refusal{rule.list ? "list " + list + " has no item " + item : "no list has an item " + item};
    rule.item = item;
}

AlertRule ruleOf(const Json& element) {
    if (!element.is_object()) throw Refusal{"not an object"};
    const std::string when = textOf(element, "when");
    AlertRule rule;
    const auto named = std::find_if(kConditionNames.begin(), kConditionNames.end(),
                                    [&when](const auto& entry) { return entry.first == when; });
    if (named == kConditionNames.end()) throw Refusal{"\"when\" must be current, record, chance or silence"};
    rule.when = named->second;
    std::vector<std::string_view> keys{"when"};
    switch (rule.when) {
        case AlertCondition::Current:
            rule.atLeast = wholeNumberOf(element, "at_least");
            keys.push_back("at_least");
            break;
        case AlertCondition::Chance:
            rule.atMost = chanceOf(element, "at_most");
            keys.push_back("at_most");
            break;
        case AlertCondition::Silence:
            rule.minutes = wholeNumberOf(element, "minutes");
            keys.push_back("minutes");
            break;
        case AlertCondition::Record:
            break;
    }
    if (rule.watchesRows()) {
        readRows(element, rule);
        keys.insert(keys.end(), {"list", "item"});
    }
    for (const auto& [key, value] : element.items()) {
        if (std::find(keys.begin(), keys.end(), key) == keys.end()) {
            throw Refusal{"\"" + key + "\" does not belong to a " + when + " rule"};
        }
    }
    return rule;
}

std::string rowsOf(const AlertRule& rule) {
    if (rule.list && rule.item) return rowName(*rule.list, *rule.item);
    if (rule.list) return std::string(itemKind(*rule.list)) + "（全部）";
    if (rule.item) return "各列表 " + *rule.item;
    return "全部列表";
}

}  // namespace

AlertRulesReading readAlertRules(std::string_view json) {
    const Json document = Json::parse(json, nullptr, false);
    if (document.is_discarded() || !document.is_array()) return {.error = "the rules are not a JSON array"};
    AlertRulesReading reading;
    for (std::size_t index = 0; index < document.size(); ++index) {
        try {
            reading.rules.push_back(ruleOf(document[index]));
        } catch (const Refusal& refusal) {
            return {.error = "rule " + std::to_string(index) + ": " + refusal.reason};
        }
    }
    return reading;
}

std::string alertRulesJson(std::span<const AlertRule> rules) {
    Json array = Json::array();
    for (const AlertRule& rule : rules) {
        Json element;
        if (rule.watchesRows()) {
            element["list"] = rule.list ? std::string(nameOf(*rule.list)) : std::string(kEvery);
            element["item"] = rule.item.value_or(std::string(kEvery));
        }
        element["when"] = conditionName(rule.when);
        if (rule.when == AlertCondition::Current) element["at_least"] = rule.atLeast;
        if (rule.when == AlertCondition::Chance) element["at_most"] = rule.atMost;
        if (rule.when == AlertCondition::Silence) element["minutes"] = rule.minutes;
        array.push_back(std::move(element));
    }
    return array.dump();
}

std::string describeRule(const AlertRule& rule) {
    switch (rule.when) {
        case AlertCondition::Current:
            return rowsOf(rule) + "：遗漏 ≥ " + std::to_string(rule.atLeast) + " 期";
        case AlertCondition::Record:
            return rowsOf(rule) + "：遗漏达到最大遗漏";
        case AlertCondition::Chance:
            return rowsOf(rule) + "：遗漏概率 ≤ " + percentText(rule.atMost);
        case AlertCondition::Silence:
            break;
    }
    return "无新开奖 ≥ " + std::to_string(rule.minutes) + " 分钟";
}

}  // namespace quintara
