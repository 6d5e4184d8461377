#include "report.h"

#include "stats/row_tool_tip.h"
#include "stats/statistics_json.h"

namespace quintara::stats_tool {
namespace {

void appendText(std::string& out, StatisticsList list, const ListRows& rows, bool detail) {
    out.append("[").append(nameOf(list)).append("]\n");
    for (const StatisticsRow& row : rows) {
        out.append(row.label).append("\t").append(row.value);
        if (detail) out.append("\t").append(rowToolTipLines(list, row).joined(kToolTipOneLine));
        out.append("\n");
    }
}

}  // namespace

std::string report(const Statistics& statistics, OutputFormat format, bool detail) {
    if (format == OutputFormat::Json) return statisticsJson(statistics, detail);
    std::string out;
    for (const StatisticsList list : kStatisticsLists) appendText(out, list, rowsOf(statistics, list), detail);
    return out;
}

}  // namespace quintara::stats_tool
