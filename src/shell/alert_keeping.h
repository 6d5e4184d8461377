// What the program does with its alert rules (遗漏预警): holds them against
// the lists after every change of the history and, while polling runs,
// watches for silence; logs every alert that fires in the archive, which the
// window and the watcher share, and hands it to the sink that tells the user.
#pragma once

#include <chrono>
#include <optional>
#include <span>
#include <string_view>
#include <vector>

#include "alerts/alert_watch.h"
#include "archive/draw_archive.h"

namespace quintara {

// Where fired alerts go: the window's tray message or notice, the watcher's
// standard output and command.
class AlertSink {
public:
    virtual ~AlertSink() = default;
    virtual void alertsFired(std::span<const AlertRecord> alerts) = 0;
};

class AlertKeeping {
public:
    explicit AlertKeeping(AlertSink& sink) : sink_(sink) {}

    // Watches the rules from now on, as at a first evaluation.
    void useRules(std::vector<AlertRule> rules) { watch_.emplace(std::move(rules)); }
    [[nodiscard]] const AlertWatch* watch() const { return watch_ ? &*watch_ : nullptr; }

    // After the history changed; `log` is the archive, when there is one.
    void historyChanged(const Statistics& statistics, std::string_view newestIssue,
                        std::chrono::system_clock::time_point now, DrawArchive* log);
    // At each poll.
    void pollingTick(std::chrono::system_clock::time_point now, DrawArchive* log);

private:
    void fired(const std::vector<AlertRecord>& alerts, std::chrono::system_clock::time_point now,
               DrawArchive* log);

    AlertSink& sink_;
    std::optional<AlertWatch> watch_;
};

}  // namespace quintara
