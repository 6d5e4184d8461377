// quintara-chart: reads a history feed and writes its trend chart, the
// newest N draws (50 unless told), as a PNG picture, painted as the trend
// chart window paints it. Needs no display: Qt's offscreen platform serves.
// Exit status: 0 written, 1 no draws in the feed, 2 bad arguments or a file
// that cannot be read or written.
#include <QFile>
#include <QGuiApplication>
#include <QSaveFile>

#include <cstdio>
#include <string>
#include <string_view>
#include <vector>

#include "draws/history_feed.h"
#include "shell/qt/fonts.h"
#include "shell/qt/trend_chart_painter.h"
#include "tool_cli.h"

namespace {

using namespace quintara;

constexpr char kTool[] = "quintara-chart";

struct Request {
    int draws = kDefaultChartSize;
    std::string feed;
    std::string chart;
};

void declareOptions(CLI::App& commandLine, Request& request) {
    commandLine.add_option("--draws", request.draws, "Charts the newest N draws of the feed.")
        ->type_name("N")
        ->transform(tools::wholeNumber(kChartSizes.front(), kChartSizes.back()))
        ->check(CLI::IsMember(kChartSizes));
    commandLine.add_option("FEED", request.feed,
                           "The history feed document to read, or - for standard input.")
        ->required();
    commandLine.add_option("-o", request.chart, "The PNG picture to write the chart to.")
        ->type_name("CHART.png")
        ->required();
}

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

}  // namespace

int main(int argc, char** argv) {
    tools::ToolCommandLine commandLine(
        kTool,
        "Writes the trend chart of a history feed, its newest draws, as a PNG picture, painted "
        "as the trend chart window paints it; needs no display.");
    Request request;
    declareOptions(commandLine, request);
    if (const auto status = commandLine.read(argc, argv)) return *status;

    qInstallMessageHandler(passToolkitErrorsOnly);
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication application(argc, argv);
    qt::installFontSubstitutes();

    QFile feed(QString::fromStdString(request.feed));
    const bool opened = request.feed == "-" ? feed.open(stdin, QIODevice::ReadOnly)
                                            : feed.open(QIODevice::ReadOnly);
    if (!opened) return fail(2, "cannot read " + request.feed + ": " + feed.errorString().toStdString());
    const QByteArray body = feed.readAll();
    const std::vector<std::string> entries =
        parseHistoryFeed(std::string_view(body.constData(), static_cast<std::size_t>(body.size())));
    if (entries.empty()) return fail(1, "no draws in feed");

    std::vector<DrawView> draws;
    for (std::size_t at = 0; at < entries.size() && at < static_cast<std::size_t>(kDrawReadLimit); ++at) {
        draws.push_back(DrawHistory::entryView(entries[at]));
    }
    QSaveFile chart(QString::fromStdString(request.chart));
    if (!chart.open(QIODevice::WriteOnly) ||
        !qt::writeTrendChartPng(makeTrendChart(draws, request.draws), {}, chart) || !chart.commit()) {
        return fail(2, "cannot write " + request.chart + ": " + chart.errorString().toStdString());
    }
    return 0;
}
