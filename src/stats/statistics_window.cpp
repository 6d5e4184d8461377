#include "stats/statistics_window.h"

#include <array>
#include <vector>

#include "controls/layout_spec.h"
#include "controls/main_window_names.h"
#include "controls/memory_controls.h"
#include "stats/count_window.h"
#include "stats/statistics.h"

namespace quintara {

std::unique_ptr<Window> makeStatisticsWindow() {
    // The grid as the main window has it at start: the header row and one
    // empty row, three columns.
    static constexpr std::array<ColumnSpec, 3> kGridColumns{};
    std::vector<ControlSpec> controls{
        {.name = names::kDrawGrid, .kind = ControlKind::Grid, .columns = kGridColumns, .rows = 2}};
    for (const std::string_view list : kStatisticsLists) {
        controls.push_back({.name = list, .kind = ControlKind::ListView});
    }
    for (const std::string_view box : kCountWindowBoxes) {
        controls.push_back({.name = box, .kind = ControlKind::ComboBox, .items = kCountWindowItems});
    }
    return makeMemoryWindow({.controls = controls});
}

}  // namespace quintara
