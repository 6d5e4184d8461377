// quintara-chart: reads a history feed or the draw archive and writes the
// trend chart of a range of its draws (the newest 50 unless told), for a
// view and its sections, as a PNG picture painted as the trend chart window
// paints it, and as a CSV table. Needs no display: Qt's offscreen platform
// serves.
// Exit status: 0 written, 1 no draws in the source, 2 bad arguments or a
// file that cannot be read or written.
#include <QFile>
#include <QGuiApplication>
#include <QSaveFile>

#include <cstdio>
#include <string>
#include <vector>

#include "chart_request.h"
#include "draw_source.h"
#include "shell/qt/window/fonts.h"
#include "shell/qt/chart/trend_chart_painter.h"
#include "tool_cli.h"

namespace {

using namespace quintara;

constexpr char kTool[] = "quintara-chart";

void report(const std::string& message) { std::fprintf(stderr, "%s: %s\n", kTool, message.c_str()); }

int fail(int status, const std::string& message) {
    report(message);
    return status;
}

// The tool says itself what went wrong. Qt's warnings are about the place it
// runs in, not about the chart (with no XDG_RUNTIME_DIR, as under cron or in
// a container, every start warns about it), so only Qt's errors pass, named
// after the tool.
void passToolkitErrorsOnly(QtMsgType type, const QMessageLogContext&, const QString& message) {
    if (type == QtCriticalMsg || type == QtFatalMsg) report(message.toStdString());
}

// Writes the file at `path` ("-": standard output for the CSV) through
// `write`; the failure's line, or nothing.
template <typename Write>
std::optional<std::string> writeFile(const std::string& path, Write write) {
    if (path == "-") {
        QFile out;
        if (out.open(stdout, QIODevice::WriteOnly) && write(out) && out.flush()) return std::nullopt;
        return "cannot write to standard output: " + out.errorString().toStdString();
    }
    QSaveFile file(QString::fromStdString(path));
    if (file.open(QIODevice::WriteOnly) && write(file) && file.commit()) return std::nullopt;
    return "cannot write " + path + ": " + file.errorString().toStdString();
}

}  // namespace

int main(int argc, char** argv) {
    tools::ToolCommandLine commandLine(
        kTool,
        "Writes the trend chart of a history feed or of the draw archive, a range of its draws "
        "for a view and its sections, as a PNG picture painted as the trend chart window paints "
        "it, and as a CSV table; needs no display. The omissions of the chart's top rows count "
        "from every draw before them.");
    const chart_tool::RequestOptions options(commandLine);
    if (const auto status = commandLine.read(argc, argv)) return *status;
    std::string wrong;
    const std::optional<chart_tool::Request> request = options.request(wrong);
    if (!request) return fail(tools::kBadArguments, wrong);

    qInstallMessageHandler(passToolkitErrorsOnly);
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication application(argc, argv);
    qt::installFontSubstitutes();

    std::vector<Draw> held;
    try {
        held = tools::readDraws(request->source);
    } catch (const tools::NoDraws& none) {
        return fail(none.status, none.reason);
    }
    std::vector<DrawView> draws;
    draws.reserve(held.size());
    for (const Draw& draw : held) draws.push_back({draw.issue, draw.text});
    const TrendChart chart = makeTrendChart(draws, request->chart);

    if (!request->picture.empty()) {
        const auto failure = writeFile(
            request->picture, [&chart](QIODevice& out) { return qt::writeTrendChartPng(chart, {}, out); });
        if (failure) return fail(2, *failure);
    }
    if (!request->csv.empty()) {
        const std::string csv = trendChartCsv(chart);
        const auto failure = writeFile(request->csv, [&csv](QIODevice& out) {
            return out.write(csv.data(), static_cast<qint64>(csv.size())) == static_cast<qint64>(csv.size());
        });
        if (failure) return fail(2, *failure);
    }
    return 0;
}
