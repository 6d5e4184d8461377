// What the watcher prints: each alert as one JSON line on standard output,
// handed to the user's command when one is given; and one JSON line for each
// thing that went wrong without ending the watcher (a write to the archive
// that failed, runs of the command dropped, a push given up).
#pragma once

#include <atomic>
#include <memory>
#include <optional>
#include <span>
#include <string>

#include <nlohmann/json_fwd.hpp>

#include "alerts/alert_record.h"
#include "command_queue.h"
#include "notify/channel_worker.h"

namespace quintara::watch {

class AlertOutput {
public:
    AlertOutput(std::optional<std::string> command, const std::atomic<bool>& ending);

    void alertsFired(std::span<const AlertRecord> alerts);
    // A write to the archive failed: `unsaved` draws wait for the next one.
    void writeFailed(int unsaved, const std::string& reason);
    // A push given up after its last attempt; from a push channel's thread.
    void pushFailed(const PushFailure& failure);
    // Waits for the command's runs queued so far.
    void drain();

private:
    static void print(const std::string& line);
    static void print(const nlohmann::json& line);

    std::unique_ptr<CommandQueue> commands_;  // none without a command
};

}  // namespace quintara::watch
