// What the watcher serves as of its latest step: the history with its
// statistics, the newest alerts, the 定位 omissions with the cells alerting,
// the sources' state and the watcher's own health. The watcher makes a new
// state on its own thread after every step and publishes it whole; the
// server's threads only ever read states, never the core that follows
// draws.
#pragma once

#include <chrono>
#include <memory>
#include <mutex>
#include <optional>
#include <string>
#include <vector>

#include "follow/sources_state.h"
#include "serve/history_view.h"

namespace quintara {

struct WatchState {
    using Clock = std::chrono::system_clock;

    std::shared_ptr<const HistoryView> history;
    // The alerts' JSON records (alerts/alert_record.h), newest first.
    std::shared_ptr<const std::vector<std::string>> alerts;
    // The five positions' digit omissions, each cell saying whether an alert
    // rule holds for it now (api_json.h).
    std::string omissionsJson;
    SourcesState sources;
    int unsaved = 0;          // draws taken but not yet in the archive
    std::string saveFailure;  // why, while some are
    // When the newest draw came in while the watcher ran, and when the next
    // is expected from the pace of those that came before it.
    std::optional<Clock::time_point> newestArrived;
    std::optional<Clock::time_point> nextExpected;
    std::chrono::milliseconds pollInterval{0};
};

// Where the watcher puts its states and the server's threads take them.
class StateBoard {
public:
    void publish(std::shared_ptr<const WatchState> state);
    // The latest state; null before the first.
    [[nodiscard]] std::shared_ptr<const WatchState> current() const;

private:
    mutable std::mutex mutex_;
    std::shared_ptr<const WatchState> current_;
};

}  // namespace quintara
