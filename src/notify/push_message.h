// What a push says: an alert, or the summary of the alerts held through the
// quiet hours, each as a title, a text for a person and a JSON record for a
// JSON web hook.
#pragma once

#include <span>
#include <string>

#include "alerts/alert_record.h"
#include "notify/quiet_hours.h"

namespace quintara {

struct PushMessage {
    std::string title;
    std::string text;
    std::string json;
    std::string issue;  // the newest issue when it was made

    friend bool operator==(const PushMessage&, const PushMessage&) = default;
};

// Title "遗漏预警 第20261209-045期", the alert's text, its record.
[[nodiscard]] PushMessage alertMessage(const AlertRecord& alert);

// The most alerts a summary lists line by line; it counts them all.
inline constexpr std::size_t kSummaryLines = 20;

// Title "静默时段 23:00-07:00：N 条预警", one line per alert (the first
// kSummaryLines), and {"quiet":"23:00-07:00","count":N,"alerts":[records…]}.
[[nodiscard]] PushMessage summaryMessage(std::span<const AlertRecord> held, const QuietHours& quiet);

}  // namespace quintara
