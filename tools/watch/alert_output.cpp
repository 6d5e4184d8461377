#include "alert_output.h"

#include <cstdio>

#include "alert_command.h"

namespace quintara::watch {
namespace {

constexpr auto kCommandLimit = std::chrono::seconds(10);

}  // namespace

void AlertOutput::alertsFired(std::span<const AlertRecord> alerts) {
    for (const AlertRecord& alert : alerts) {
        const std::string record = alertJson(alert);
        std::fputs((record + "\n").c_str(), stdout);
        std::fflush(stdout);
        ++printed_;
        if (!command_ || ending_.load()) continue;
        const CommandRun run = runAlertCommand(*command_, record, alert.text, kCommandLimit, ending_);
        if (!run.started) {
            std::fputs("quintara-watch: the command could not be started\n", stderr);
        } else if (run.stopped && !ending_.load()) {
            std::fputs("quintara-watch: the command ran for 10 s and was stopped\n", stderr);
        }
    }
}

}  // namespace quintara::watch
