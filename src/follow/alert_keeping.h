// What the core does with the alert rules (遗漏预警): holds them against the
// statistics after every change of the history and, while polling runs,
// watches for silence; logs every alert that fires in the archive, which the
// window and the watcher share, once per archive: whichever program fires an
// alert first logs it and tells its user of it. Rules saved by one program
// are taken up by the other.
#pragma once

#include <chrono>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "alerts/alert_watch.h"
#include "archive/draw_archive.h"

namespace quintara {

class AlertKeeping {
public:
    using Clock = std::chrono::system_clock;

    // Watches the rules from now on, as at a first evaluation.
    void useRules(std::vector<AlertRule> rules);
    [[nodiscard]] const AlertWatch* watch() const { return watch_ ? &*watch_ : nullptr; }
    // True when the rules were given for this run: the archive's are then
    // neither taken nor followed.
    void holdRulesGiven() { rulesGiven_ = true; }

    // Takes the archive's rules when they differ from the ones watched (the
    // start, or another program saved new ones); true when it did.
    bool takeArchivedRules(const DrawArchive& archive);
    // Saves the rules in the archive; why it failed, or nothing.
    [[nodiscard]] std::optional<std::string> saveRules(const std::vector<AlertRule>& rules, DrawArchive& archive);

    // After the history changed; `log` is the archive, when there is one.
    // Gives the alerts to tell the user of: those this program logged first,
    // or all that fired when there is no log to share or it cannot be written.
    [[nodiscard]] std::vector<AlertRecord> historyChanged(const Statistics& statistics, std::string_view newestIssue,
                                                          Clock::time_point now, DrawArchive* log);
    // At each poll, the same for silence.
    [[nodiscard]] std::vector<AlertRecord> pollingTick(Clock::time_point now, DrawArchive* log);

private:
    [[nodiscard]] std::vector<AlertRecord> logged(std::vector<AlertRecord> alerts, Clock::time_point now,
                                                  DrawArchive* log) const;

    std::optional<AlertWatch> watch_;
    std::string rulesJson_;  // of the rules watched
    bool rulesGiven_ = false;
};

}  // namespace quintara
