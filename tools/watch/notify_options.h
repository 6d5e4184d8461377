// The watcher's pushes on its command line: --notify URL, once per channel,
// and --quiet HH:MM-HH:MM.
#pragma once

#include <optional>
#include <string>
#include <variant>
#include <vector>

#include "notify/push_channel.h"
#include "notify/quiet_hours.h"
#include "tool_cli.h"

namespace quintara::watch {

struct NotifyRequest {
    std::vector<std::string> channels;
    std::optional<std::string> quiet;
};

void declareNotifyOptions(CLI::App& commandLine, NotifyRequest& request);

struct NotifySettings {
    std::vector<PushChannel> channels;
    std::optional<QuietHours> quiet;
};

// The channels and the quiet hours asked for, or why they cannot be had (one
// line that repeats no address: addresses carry secrets).
[[nodiscard]] std::variant<NotifySettings, std::string> notifySettings(const NotifyRequest& request);

}  // namespace quintara::watch
