#include "shell/alert_keeping.h"

#include <string>

#include "archive/archive_error.h"

namespace quintara {

void AlertKeeping::historyChanged(const Statistics& statistics, std::string_view newestIssue,
                                  std::chrono::system_clock::time_point now, DrawArchive* log) {
    if (watch_) fired(watch_->historyChanged(statistics, newestIssue, now), now, log);
}

void AlertKeeping::pollingTick(std::chrono::system_clock::time_point now, DrawArchive* log) {
    if (watch_) fired(watch_->pollingTick(now), now, log);
}

void AlertKeeping::fired(const std::vector<AlertRecord>& alerts, std::chrono::system_clock::time_point now,
                         DrawArchive* log) {
    if (alerts.empty()) return;
    if (log != nullptr) {
        std::vector<std::string> records;
        records.reserve(alerts.size());
        for (const AlertRecord& alert : alerts) records.push_back(alertJson(alert));
        try {
            log->logAlerts(records, std::chrono::system_clock::to_time_t(now));
        } catch (const ArchiveError&) {
            // The log is a record for later; the user still hears of the
            // alerts, and the draws' own recording says when the archive fails.
        }
    }
    sink_.alertsFired(alerts);
}

}  // namespace quintara
