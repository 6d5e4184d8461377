// The command run for each alert: through /bin/sh -c, with the alert's
// record in QUINTARA_ALERT and its text in QUINTARA_ALERT_TEXT, in a process
// group of its own that is stopped once it has run for its time or the
// watcher is ending.
#pragma once

#include <atomic>
#include <chrono>
#include <string>

namespace quintara::watch {

struct CommandRun {
    bool started = false;
    bool stopped = false;  // ran past its time, or the watcher was ending
    int status = -1;       // its exit status when it exited
};

// Runs `command` to its end, at most `limit`, or until `ending` is set.
CommandRun runAlertCommand(const std::string& command, const std::string& record, const std::string& text,
                           std::chrono::milliseconds limit, const std::atomic<bool>& ending);

}  // namespace quintara::watch
