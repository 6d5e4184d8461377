#include "follow/alert_keeping.h"

#include <span>

#include "archive/archive_error.h"

namespace quintara {
namespace {

// What makes two firings one alert: the newest issue, the rule and the item.
std::string alertKey(const AlertRecord& alert, const AlertRule& rule) {
    std::string key = alert.issue + "|" + alertRulesJson(std::span(&rule, 1)) + "|";
    if (alert.list) key.append(nameOf(*alert.list)).append("|").append(alert.item);
    return key;
}

}  // namespace

void AlertKeeping::useRules(std::vector<AlertRule> rules) {
    rulesJson_ = alertRulesJson(rules);
    watch_.emplace(std::move(rules));
}

bool AlertKeeping::takeArchivedRules(const DrawArchive& archive) {
    if (rulesGiven_) return false;
    try {
        const std::optional<std::string> json = archive.alertRules();
        if (!json || (watch_ && *json == rulesJson_)) return false;
        // What the archive holds was checked when it was saved; rules that
        // cannot be read leave the ones watched as they are.
        AlertRulesReading reading = readAlertRules(*json);
        if (!reading.good()) return false;
        useRules(std::move(reading.rules));
        return true;
    } catch (const ArchiveError&) {
        return false;
    }
}

std::optional<std::string> AlertKeeping::saveRules(const std::vector<AlertRule>& rules, DrawArchive& archive) {
    try {
        archive.saveAlertRules(alertRulesJson(rules));
        return std::nullopt;
    } catch (const ArchiveError& error) {
        return error.what();
    }
}

std::vector<AlertRecord> AlertKeeping::historyChanged(const Statistics& statistics, std::string_view newestIssue,
                                                      Clock::time_point now, DrawArchive* log) {
    if (!watch_) return {};
    return logged(watch_->historyChanged(statistics, newestIssue, now), now, log);
}

std::vector<AlertRecord> AlertKeeping::pollingTick(Clock::time_point now, DrawArchive* log) {
    if (!watch_) return {};
    return logged(watch_->pollingTick(now), now, log);
}

std::vector<AlertRecord> AlertKeeping::logged(std::vector<AlertRecord> alerts, Clock::time_point now,
                                              DrawArchive* log) const {
    if (alerts.empty() || log == nullptr) return alerts;
    std::vector<AlertLogEntry> entries;
    entries.reserve(alerts.size());
    for (const AlertRecord& alert : alerts) {
        entries.push_back({alertKey(alert, watch_->rules()[alert.rule]), alertJson(alert)});
    }
    try {
        const std::vector<bool> added = log->logAlerts(entries, Clock::to_time_t(now));
        std::vector<AlertRecord> first;
        for (std::size_t k = 0; k < alerts.size(); ++k) {
            if (added[k]) first.push_back(std::move(alerts[k]));
        }
        return first;
    } catch (const ArchiveError&) {
        // Unlogged, the alerts are still the user's to hear of; the draws'
        // own recording says when the archive fails.
        return alerts;
    }
}

}  // namespace quintara
