// An alert that fired: what the window shows, the watcher prints as one JSON
// line and the archive logs:
//   {"time":"2026-12-09T14:30:05+08:00","issue":"20261209-045","rule":0,
//    "list":"超级列表框_万遗漏","item":"7","current":21,"longest":34,
//    "chance":0.109419,"text":"万位 7 已遗漏 21 期（最大遗漏 34 期，遗漏概率 10.94%）"}
// A silence alert has null for list, item, current, longest and chance.
#pragma once

#include <chrono>
#include <cstddef>
#include <optional>
#include <string>

#include "stats/statistics_lists.h"

namespace quintara {

struct AlertRecord {
    std::string time;   // local time with its offset from UTC, ISO 8601
    std::string issue;  // the newest issue held when it fired
    std::size_t rule = 0;  // the rule's place in the rules, from 0
    std::optional<StatisticsList> list;
    std::string item;
    std::optional<int> current;
    std::optional<int> longest;
    std::optional<double> chance;
    std::string text;   // for a person

    friend bool operator==(const AlertRecord&, const AlertRecord&) = default;
};

[[nodiscard]] std::string alertJson(const AlertRecord& alert);

// "2026-12-09T14:30:05+08:00" in the machine's time zone.
[[nodiscard]] std::string isoLocalTime(std::chrono::system_clock::time_point time);

}  // namespace quintara
