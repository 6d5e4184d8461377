#include "alert_output.h"

#include <chrono>
#include <cstdio>

#include <nlohmann/json.hpp>

#include "notify/notifier.h"

namespace quintara::watch {

AlertOutput::AlertOutput(std::optional<std::string> command, const std::atomic<bool>& ending)
    : commands_(command ? std::make_unique<CommandQueue>(std::move(*command), ending) : nullptr) {}

void AlertOutput::alertsFired(std::span<const AlertRecord> alerts) {
    int dropped = 0;
    for (const AlertRecord& alert : alerts) {
        const std::string record = alertJson(alert);
        print(record);
        if (commands_ && !commands_->push(record, alert.text)) ++dropped;
    }
    if (dropped > 0) {
        print(nlohmann::json{{"time", isoLocalTime(std::chrono::system_clock::now())},
                             {"event", "commands_dropped"},
                             {"dropped", dropped},
                             {"queued", CommandQueue::kCapacity}});
    }
}

void AlertOutput::writeFailed(int unsaved, const std::string& reason) {
    print(nlohmann::json{{"time", isoLocalTime(std::chrono::system_clock::now())},
                         {"event", "archive_write_failed"},
                         {"unsaved", unsaved},
                         {"reason", reason}});
}

void AlertOutput::pushFailed(const PushFailure& failure) {
    print(pushFailureJson(failure, std::chrono::system_clock::now()));
}

void AlertOutput::drain() {
    if (commands_) commands_->drain();
}

void AlertOutput::print(const nlohmann::json& line) {
    // A path or a system's message need not be UTF-8: such bytes are replaced.
    print(line.dump(-1, ' ', false, nlohmann::json::error_handler_t::replace));
}

void AlertOutput::print(const std::string& line) {
    std::fputs((line + "\n").c_str(), stdout);
    std::fflush(stdout);
}

}  // namespace quintara::watch
