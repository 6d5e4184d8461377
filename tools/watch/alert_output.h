// Where the watcher's alerts go: each as one JSON line on standard output,
// and to the user's command when one is given, one at a time.
#pragma once

#include <atomic>
#include <optional>
#include <span>
#include <string>

#include "shell/alert_keeping.h"

namespace quintara::watch {

class AlertOutput : public AlertSink {
public:
    AlertOutput(std::optional<std::string> command, const std::atomic<bool>& ending)
        : command_(std::move(command)), ending_(ending) {}

    void alertsFired(std::span<const AlertRecord> alerts) override;

    [[nodiscard]] int printed() const { return printed_; }

private:
    std::optional<std::string> command_;
    const std::atomic<bool>& ending_;
    int printed_ = 0;
};

}  // namespace quintara::watch
