#include "shell/list_writer.h"

#include "stats/row_tool_tip.h"

namespace quintara {

void writeListRows(ListView& view, StatisticsList list, const ListRows& rows) {
    view.deleteAllItems();
    for (const StatisticsRow& row : rows) {
        const int item = view.appendItem();
        view.setItemText(item, 0, row.label);
        view.setItemText(item, 1, row.value);
        view.setItemToolTip(item, rowToolTip(list, row));
    }
}

void writeStatistics(const Statistics& statistics,
                     const std::function<ListView&(StatisticsList)>& viewOf) {
    for (const StatisticsList list : kStatisticsLists) {
        if (const auto& rows = statistics[list]) writeListRows(viewOf(list), list, *rows);
    }
}

}  // namespace quintara
