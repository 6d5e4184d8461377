// The trend chart as a CSV table.
#include "chart/trend_chart.h"
#include "text/numbers.h"

namespace quintara {
namespace {

constexpr std::string_view kLineEnd = "\r\n";

void appendCell(std::string& line, std::string_view text) { line.append(",").append(text); }

void appendNumberCell(std::string& line, int value) {
    line += ',';
    appendDecimal(line, value);
}

void appendRow(std::string& csv, const TrendChart& chart, const ChartRow& row) {
    csv.append(row.issue).append(",").append(row.code);
    std::size_t column = 0;
    for (const ColumnGroup& group : chart.groups) {
        for (const ChartColumn& each : group.columns) {
            const ChartCell& cell = row.cells[column++];
            if (each.kind == ColumnKind::Value) {
                appendCell(csv, cell.text);
            } else {
                appendNumberCell(csv, cell.number);
            }
        }
    }
    csv += kLineEnd;
}

}  // namespace

std::string trendChartCsv(const TrendChart& chart) {
    std::string csv(kIssueCaption);
    appendCell(csv, kCodeCaption);
    for (const ColumnGroup& group : chart.groups) {
        for (const ChartColumn& column : group.columns) appendCell(csv, column.name);
    }
    csv += kLineEnd;

    for (const ChartRow& row : chart.rows) appendRow(csv, chart, row);

    // A summary line's caption stands over the issue and the code.
    for (const SummaryLine& line : chart.summaryLines) {
        csv.append(line.caption);
        appendCell(csv, "");
        for (const SummaryCell& cell : line.cells) appendCell(csv, cell.text());
        csv += kLineEnd;
    }
    return csv;
}

}  // namespace quintara
