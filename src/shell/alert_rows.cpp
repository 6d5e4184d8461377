#include <string>

#include "shell/application.h"
#include "shell/main_window_names.h"
#include "stats/row_tool_tip.h"

namespace quintara {

void Application::keepAlerts(AlertSink& sink, std::optional<std::vector<AlertRule>> rules) {
    alertSink_ = &sink;
    if (rules) follower_.holdRules(std::move(*rules));
}

std::optional<std::string> Application::changeAlertRules(std::vector<AlertRule> rules) {
    std::optional<std::string> failure = follower_.changeRules(std::move(rules));
    if (!history_.isEmpty() && !running_) {
        // Evaluated first: the rows that alert are those the new rules meet.
        const std::vector<AlertRecord> fired = follower_.evaluateAlerts();
        refreshWhenAutomatic();
        tell(fired);
    }
    return failure;
}

void Application::tell(const std::vector<AlertRecord>& alerts) {
    if (alertSink_ != nullptr && !alerts.empty()) alertSink_->alertsFired(alerts);
}

void Application::markAlertingRows(const Statistics& written) {
    const AlertWatch* watch = follower_.alertWatch();
    if (watch == nullptr) return;
    for (const StatisticsList list : kStatisticsLists) {
        if (!written[list]) continue;
        ListView& view = window_.listView(nameOf(list));
        for (std::size_t row = 0; row < written[list]->size(); ++row) {
            const StatisticsRow& shown = (*written[list])[row];
            const std::vector<std::size_t> rules = watch->rulesMetBy(list, shown.label);
            if (rules.empty()) continue;
            ToolTipLines tip = rowToolTipLines(list, shown);
            for (const std::size_t rule : rules) tip.add("预警：" + describeRule(watch->rules()[rule]));
            const int item = static_cast<int>(row);
            view.setItemColour(item, kRed);
            view.setItemToolTip(item, tip.joined(kToolTipLineBreak));
        }
    }
}

std::vector<AlertRule> Application::alertRules() const {
    const AlertWatch* watch = follower_.alertWatch();
    return watch != nullptr ? watch->rules() : std::vector<AlertRule>{};
}

}  // namespace quintara
