#include "notify/push_message.h"

#include <algorithm>

namespace quintara {

PushMessage alertMessage(const AlertRecord& alert) {
    return {.title = "遗漏预警 第" + alert.issue + "期", .text = alert.text, .json = alertJson(alert), .issue = alert.issue};
}

PushMessage summaryMessage(std::span<const AlertRecord> held, const QuietHours& quiet) {
    PushMessage summary{.title = "静默时段 " + quiet.text() + "：" + std::to_string(held.size()) + " 条预警"};
    std::string records;
    for (const AlertRecord& alert : held) {
        if (!records.empty()) records += ',';
        records += alertJson(alert);
    }
    for (const AlertRecord& alert : held.first(std::min(held.size(), kSummaryLines))) {
        summary.text.append(summary.text.empty() ? "" : "\n").append("第" + alert.issue + "期 " + alert.text);
    }
    if (held.size() > kSummaryLines) summary.text += "\n…另有 " + std::to_string(held.size() - kSummaryLines) + " 条";
    summary.json = "{\"quiet\":\"" + quiet.text() + "\",\"count\":" + std::to_string(held.size()) + ",\"alerts\":[" +
                   records + "]}";
    summary.issue = held.empty() ? std::string() : held.back().issue;
    return summary;
}

}  // namespace quintara
