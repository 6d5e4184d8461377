#include <string>

#include "archive/archive_error.h"
#include "shell/application.h"
#include "shell/main_window_names.h"
#include "stats/row_tool_tip.h"

namespace quintara {

void Application::keepAlerts(AlertKeeping& alerts, std::optional<std::vector<AlertRule>> rules) {
    alerts_ = &alerts;
    alertRulesGiven_ = rules.has_value();
    if (rules) alerts_->useRules(std::move(*rules));
}

void Application::takeArchivedAlertRules() {
    DrawArchive* archive = keeping_.archive();
    if (alerts_ == nullptr || alertRulesGiven_ || archive == nullptr) return;
    try {
        const std::optional<std::string> json = archive->alertRules();
        if (!json) return;
        // Rules are checked before they are kept: what the archive holds was
        // good when it was saved.
        AlertRulesReading reading = readAlertRules(*json);
        if (reading.good()) alerts_->useRules(std::move(reading.rules));
    } catch (const ArchiveError&) {
        // Without readable rules there is nothing to watch; the draws' own
        // recording says when the archive fails.
    }
}

void Application::changeAlertRules(std::vector<AlertRule> rules) {
    if (alerts_ == nullptr) return;
    if (DrawArchive* archive = keeping_.archive()) {
        try {
            archive->saveAlertRules(alertRulesJson(rules));
        } catch (const ArchiveError&) {
            // The rules hold for this session all the same.
        }
    }
    alerts_->useRules(std::move(rules));
    if (!history_.isEmpty() && !running_) historyChanged();
}

void Application::markAlertingRows(const Statistics& written) {
    const AlertWatch* watch = alerts_ != nullptr ? alerts_->watch() : nullptr;
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
    const AlertWatch* watch = alerts_ != nullptr ? alerts_->watch() : nullptr;
    return watch != nullptr ? watch->rules() : std::vector<AlertRule>{};
}

}  // namespace quintara
