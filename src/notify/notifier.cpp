#include "notify/notifier.h"

#include <nlohmann/json.hpp>

namespace quintara {
namespace {

using Json = nlohmann::ordered_json;

constexpr std::string_view kindName(ChannelState::Kind kind) {
    switch (kind) {
        case ChannelState::Kind::Idle: return "idle";
        case ChannelState::Kind::Ok: return "ok";
        case ChannelState::Kind::Retrying: return "retrying";
        case ChannelState::Kind::Failing: return "failing";
    }
    return "idle";
}

// The state for a person.
std::string summaryOf(const ChannelState& state) {
    std::string summary;
    switch (state.kind) {
        case ChannelState::Kind::Idle: summary = "尚未推送"; break;
        case ChannelState::Kind::Ok: summary = "正常，已送达 " + std::to_string(state.delivered) + " 条"; break;
        case ChannelState::Kind::Retrying: summary = "推送失败，稍后重试：" + state.lastError; break;
        case ChannelState::Kind::Failing:
            summary = "推送失败，重试 3 次后放弃 " + std::to_string(state.givenUp) + " 条：" + state.lastError;
            break;
    }
    if (state.held > 0) summary += "；静默时段暂存 " + std::to_string(state.held) + " 条";
    return summary;
}

}  // namespace

Notifier::Notifier(std::vector<PushChannel> channels, const PushClock& clock, std::optional<QuietHours> quiet,
                   PushFailureReport report) {
    for (PushChannel& channel : channels) {
        workers_.push_back(std::make_unique<ChannelWorker>(std::move(channel), clock, quiet, report));
    }
}

void Notifier::alertsFired(std::span<const AlertRecord> alerts) {
    for (const auto& worker : workers_) worker->alertsFired(alerts);
}

std::vector<ChannelState> Notifier::states() const {
    std::vector<ChannelState> states;
    for (const auto& worker : workers_) states.push_back(worker->state());
    return states;
}

std::string Notifier::statesJson() const {
    Json channels = Json::array();
    for (const ChannelState& state : states()) {
        channels.push_back({{"channel", state.channel},
                            {"state", kindName(state.kind)},
                            {"delivered", state.delivered},
                            {"given_up", state.givenUp},
                            {"pending", state.pending},
                            {"held", state.held},
                            {"last_error", state.lastError.empty() ? Json(nullptr) : Json(state.lastError)},
                            {"summary", summaryOf(state)}});
    }
    return channels.dump();
}

void Notifier::wake() {
    for (const auto& worker : workers_) worker->wake();
}

void Notifier::drain(const std::atomic<bool>& ending) {
    for (const auto& worker : workers_) worker->drain(ending);
}

std::string pushFailureJson(const PushFailure& failure, PushClock::Clock::time_point at) {
    return Json{{"time", isoLocalTime(at)},
                {"event", "push_failed"},
                {"channel", failure.channel},
                {"issue", failure.issue},
                {"attempts", failure.attempts},
                {"reason", failure.reason}}
        .dump(-1, ' ', false, Json::error_handler_t::replace);
}

}  // namespace quintara
