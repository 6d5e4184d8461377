#include "alerts/alert_watch.h"

#include <utility>

#include "stats/row_labels.h"
#include "text/numbers.h"

namespace quintara {
namespace {

bool holds(const AlertRule& rule, const RowDetail& detail) {
    switch (rule.when) {
        case AlertCondition::Current:
            return detail.current >= rule.atLeast;
        case AlertCondition::Record:
            // The longest absence counts the current one too.
            return detail.current > 0 && detail.current >= detail.longest;
        case AlertCondition::Chance:
            return detail.chance <= rule.atMost;
        case AlertCondition::Silence:
            break;
    }
    return false;
}

std::string rowText(StatisticsList list, const StatisticsRow& row) {
    return rowName(list, row.label) + " 已遗漏 " + std::to_string(row.detail.current) + " 期（最大遗漏 " +
           std::to_string(row.detail.longest) + " 期，遗漏概率 " + percentText(row.detail.chance) + "）";
}

}  // namespace

AlertWatch::AlertWatch(std::vector<AlertRule> rules)
    : rules_(std::move(rules)), met_(rules_.size()), silenceFired_(rules_.size(), false) {}

std::vector<AlertRecord> AlertWatch::historyChanged(const Statistics& statistics, std::string_view newestIssue,
                                                    Clock::time_point now) {
    if (newestIssue != newestIssue_) {
        newestIssue_ = newestIssue;
        quietSince_ = now;
        silenceFired_.assign(rules_.size(), false);
    }
    const std::string time = isoLocalTime(now);
    std::vector<AlertRecord> fired;
    for (std::size_t place = 0; place < rules_.size(); ++place) {
        const AlertRule& rule = rules_[place];
        if (!rule.watchesRows()) continue;
        ItemBits met;
        for (const StatisticsList list : kStatisticsLists) {
            const auto& rows = statistics[list];
            if (!rule.covers(list) || !rows) continue;
            for (const StatisticsRow& row : *rows) {
                if (rule.item && *rule.item != row.label) continue;
                const auto item = rowLabelIndex(list, row.label);
                if (!item || !holds(rule, row.detail)) continue;
                const std::size_t bit = indexOf(list) * kItemsPerList + *item;
                met.set(bit);
                if (met_[place].test(bit)) continue;
                fired.push_back({.time = time,
                                 .issue = newestIssue_,
                                 .rule = place,
                                 .list = list,
                                 .item = row.label,
                                 .current = row.detail.current,
                                 .longest = row.detail.longest,
                                 .chance = row.detail.chance,
                                 .text = rowText(list, row)});
            }
        }
        met_[place] = met;
    }
    return fired;
}

std::vector<AlertRecord> AlertWatch::pollingTick(Clock::time_point now) {
    if (!quietSince_) quietSince_ = now;
    std::vector<AlertRecord> fired;
    for (std::size_t place = 0; place < rules_.size(); ++place) {
        const AlertRule& rule = rules_[place];
        if (rule.watchesRows() || silenceFired_[place] || now - *quietSince_ < std::chrono::minutes(rule.minutes)) {
            continue;
        }
        silenceFired_[place] = true;
        std::string text = "已 " + std::to_string(rule.minutes) + " 分钟没有新开奖";
        if (!newestIssue_.empty()) text += "（最新一期 " + newestIssue_ + "）";
        fired.push_back({.time = isoLocalTime(now), .issue = newestIssue_, .rule = place, .text = std::move(text)});
    }
    return fired;
}

std::vector<std::size_t> AlertWatch::rulesMetBy(StatisticsList list, std::string_view label) const {
    std::vector<std::size_t> places;
    const auto item = rowLabelIndex(list, label);
    if (!item) return places;
    for (std::size_t place = 0; place < rules_.size(); ++place) {
        if (met_[place].test(indexOf(list) * kItemsPerList + *item)) places.push_back(place);
    }
    return places;
}

}  // namespace quintara
