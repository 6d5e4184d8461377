// Watching the rules: after every change of the history each rule is held
// against every row it covers; an alert fires when a rule's condition becomes
// true for an item, and fires again for that rule and item only after the
// condition was false in between (the item appeared). At the first
// evaluation, what is already true fires once. Silence rules fire once per
// silence while polling runs.
#pragma once

#include <bitset>
#include <chrono>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "alerts/alert_record.h"
#include "alerts/alert_rule.h"
#include "stats/statistics.h"

namespace quintara {

class AlertWatch {
public:
    using Clock = std::chrono::system_clock;

    explicit AlertWatch(std::vector<AlertRule> rules);

    [[nodiscard]] const std::vector<AlertRule>& rules() const { return rules_; }

    // After a reload, a poll, a gap fill or the start from the archive: the
    // alerts that fire, in the order of the rules, each rule's in the lists'
    // and rows' order.
    [[nodiscard]] std::vector<AlertRecord> historyChanged(const Statistics& statistics,
                                                          std::string_view newestIssue, Clock::time_point now);
    // While polling runs: a silence rule fires once when no new draw has
    // entered the history for its minutes.
    [[nodiscard]] std::vector<AlertRecord> pollingTick(Clock::time_point now);

    // The places of the rules whose condition holds for the row now.
    [[nodiscard]] std::vector<std::size_t> rulesMetBy(StatisticsList list, std::string_view label) const;

private:
    // One bit per item of every list: list l's item i at 45 l + i.
    static constexpr std::size_t kItemsPerList = 45;
    using ItemBits = std::bitset<kStatisticsListCount * kItemsPerList>;

    std::vector<AlertRule> rules_;
    std::vector<ItemBits> met_;  // per rule: the items whose condition holds
    std::vector<bool> silenceFired_;  // per rule: fired in the present silence
    std::string newestIssue_;
    std::optional<Clock::time_point> quietSince_;  // the last new draw, or the first tick
};

}  // namespace quintara
