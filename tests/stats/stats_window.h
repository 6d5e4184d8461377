// The in-memory main window for the statistics tests. A list's rows read as
// one text, "column 0:column 1" joined by commas: "5:1 期,1:0 期".
#pragma once

#include <gtest/gtest.h>

#include <memory>
#include <sstream>
#include <string>
#include <string_view>
#include <vector>

#include "controls/main_window_names.h"
#include "controls/memory_controls.h"
#include "draws/draw_history.h"
#include "stats/statistics_window.h"

namespace quintara::testing {

using Draws = std::vector<std::string>;

// `count` copies of one draw text, then `older`.
inline Draws repeated(std::string_view text, std::size_t count, const Draws& older = {}) {
    Draws draws(count, std::string(text));
    draws.insert(draws.end(), older.begin(), older.end());
    return draws;
}

// One row per space-separated label, all with the same count.
inline std::string rows(std::string_view labels, std::string_view count) {
    std::istringstream words{std::string(labels)};
    std::string joined;
    for (std::string label; words >> label;) joined += (joined.empty() ? "" : ",") + label + ":" + std::string(count);
    return joined;
}

// The rows of all parts, in order; an empty part adds none.
template <typename... Parts>
std::string join(const Parts&... parts) {
    std::string joined;
    for (const std::string& part : {std::string(parts)...}) {
        if (!part.empty()) joined += (joined.empty() ? "" : ",") + part;
    }
    return joined;
}

inline constexpr std::string_view kPairs =
    "01 02 03 04 05 06 07 08 09 12 13 14 15 16 17 18 19 23 24 25 26 27 28 29 34 35 36 37 38 39 45 46 "
    "47 48 49 56 57 58 59 67 68 69 78 79 89";

// The 45 pairs in their fixed order but those of `except`, all with `count`.
inline std::string pairsBut(std::string_view except, std::string_view count) {
    std::istringstream words{std::string(kPairs)};
    std::string kept;
    for (std::string pair; words >> pair;) {
        if (except.find(pair) == std::string_view::npos) kept += pair + " ";
    }
    return rows(kept, count);
}

class StatsWindow {
public:
    // Replaces the draw history as the full reload does (newest draw at row
    // 1), then runs the statistics step.
    void run(void (*step)(const Window&), const Draws& newestFirst) const {
        DrawHistory history(window_->grid(names::kDrawGrid));
        history.clear();
        int row = 1;
        for (const std::string& text : newestFirst) {
            history.appendDraw(row, "20190101-" + std::to_string(row), text);  // any issue will do
            ++row;
        }
        step(*window_);
    }

    void select(std::string_view comboBox, int index) const {
        window_->comboBox(comboBox).setSelectedIndex(index);
    }

    [[nodiscard]] std::string rows(std::string_view listName) const {
        const ListView& list = window_->listView(listName);
        std::string joined;
        for (int item = 0; item < list.itemCount(); ++item) {
            joined += (item == 0 ? "" : ",") + list.itemText(item, 0) + ":" + list.itemText(item, 1);
        }
        return joined;
    }

    // The detail of the row whose column 0 is `label`; fails the test when
    // there is none.
    [[nodiscard]] RowDetail detail(std::string_view listName, std::string_view label) const {
        const ListView& list = window_->listView(listName);
        for (int item = 0; item < list.itemCount(); ++item) {
            if (list.itemText(item, 0) != label) continue;
            if (const RowDetail* found = list.itemDetail(item)) return *found;
        }
        ADD_FAILURE() << "no detail of " << label << " in " << listName;
        return {};
    }

    [[nodiscard]] const Window& window() const { return *window_; }

private:
    std::unique_ptr<Window> window_ = makeStatisticsWindow();
};

}  // namespace quintara::testing
