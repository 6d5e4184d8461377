// quintara-chart: reads a history feed and writes its trend chart, the
// newest N draws (50 unless told), as a PNG picture, painted as the trend
// chart window paints it. Needs no display: Qt's offscreen platform serves.
// Exit status: 0 written, 1 no draws in the feed, 2 bad arguments or a file
// that cannot be read or written.
#include <QFile>
#include <QGuiApplication>
#include <QSaveFile>

#include <algorithm>
#include <charconv>
#include <cstdio>
#include <string>
#include <string_view>
#include <vector>

#include "draws/history_feed.h"
#include "shell/qt/fonts.h"
#include "shell/qt/trend_chart_painter.h"

namespace {

using namespace quintara;

constexpr std::string_view kUsage = "usage: quintara-chart [--draws N] FEED -o CHART.png\n"
                                    "  --draws N  the newest N draws (30, 50, 100, 200 or 500; 50)\n"
                                    "  FEED       a history feed document, or - for standard input\n";

struct Request {
    int draws = kDefaultChartSize;
    std::string feed;
    std::string chart;
};

bool parse(const std::vector<std::string_view>& arguments, Request& request) {
    for (std::size_t at = 0; at < arguments.size(); ++at) {
        const std::string_view argument = arguments[at];
        const bool hasValue = at + 1 < arguments.size();
        if (argument == "--draws" && hasValue) {
            const std::string_view value = arguments[++at];
            const auto [end, error] = std::from_chars(value.data(), value.data() + value.size(), request.draws);
            if (error != std::errc() || end != value.data() + value.size() ||
                std::find(kChartSizes.begin(), kChartSizes.end(), request.draws) == kChartSizes.end()) {
                return false;
            }
        } else if (argument == "-o" && hasValue) {
            request.chart = arguments[++at];
        } else if (request.feed.empty() && (argument == "-" || !argument.starts_with("-"))) {
            request.feed = argument;
        } else {
            return false;
        }
    }
    return !request.feed.empty() && !request.chart.empty();
}

int fail(int status, const std::string& message) {
    std::fprintf(stderr, "quintara-chart: %s\n", message.c_str());
    return status;
}

}  // namespace

int main(int argc, char** argv) {
    const std::vector<std::string_view> arguments(argv + 1, argv + argc);
    Request request;
    if (!parse(arguments, request)) {
        std::fwrite(kUsage.data(), 1, kUsage.size(), stderr);
        return 2;
    }
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication application(argc, argv);
    qt::installFontSubstitutes();

    QFile feed(QString::fromStdString(request.feed));
    const bool opened = request.feed == "-" ? feed.open(stdin, QIODevice::ReadOnly)
                                            : feed.open(QIODevice::ReadOnly);
    if (!opened) return fail(2, "cannot read " + request.feed);
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
        return fail(2, "cannot write " + request.chart);
    }
    return 0;
}
