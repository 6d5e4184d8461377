// quintara-stats: reads a history feed, fills the draw history of an
// in-memory main window as the full reload does, refreshes the statistics
// and prints the 18 lists.
#include <array>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <memory>
#include <string>
#include <vector>

#include "arguments.h"
#include "controls/main_window_names.h"
#include "controls/memory_controls.h"
#include "draws/draw_history.h"
#include "draws/history_feed.h"
#include "report.h"
#include "stats/statistics.h"
#include "stats/statistics_window.h"

namespace {

using namespace quintara;

constexpr int kDone = 0;
constexpr int kNoDraws = 1;
constexpr int kCannotRun = 2;

struct FileCloser {
    void operator()(std::FILE* file) const { std::fclose(file); }
};

// The whole document, or false with errno set.
bool readAll(std::FILE* file, std::string& body) {
    std::array<char, 1 << 16> buffer;
    std::size_t got = 0;
    while ((got = std::fread(buffer.data(), 1, buffer.size(), file)) > 0) body.append(buffer.data(), got);
    return std::ferror(file) == 0;
}

bool readFeed(const std::string& path, std::string& body) {
    if (path == "-") return readAll(stdin, body);
    const std::unique_ptr<std::FILE, FileCloser> file(std::fopen(path.c_str(), "rb"));
    return file != nullptr && readAll(file.get(), body);
}

// Replaces the draw history with the feed's entries, newest at row 1.
void printUsage(std::FILE* stream) {
    std::fwrite(stats_tool::kUsage.data(), 1, stats_tool::kUsage.size(), stream);
}

int fail(int status, const std::string& message) {
    std::fprintf(stderr, "quintara-stats: %s\n", message.c_str());
    return status;
}

}  // namespace

int main(int argc, char** argv) {
    const std::vector<std::string_view> arguments(argv + 1, argv + argc);
    const stats_tool::ParsedArguments parsed = stats_tool::parseArguments(arguments);
    if (!parsed.error.empty()) {
        const int status = fail(kCannotRun, parsed.error);
        printUsage(stderr);
        return status;
    }
    const stats_tool::Request& request = parsed.request;
    if (request.help) {
        printUsage(stdout);
        return kDone;
    }

    std::string body;
    if (!readFeed(request.feed, body)) {
        return fail(kCannotRun, "cannot read " + request.feed + ": " + std::strerror(errno));
    }
    const std::vector<std::string> entries = parseHistoryFeed(body);
    if (entries.empty()) {
        std::fputs("no draws in feed\n", stderr);
        return kNoDraws;
    }

    const std::unique_ptr<Window> window = makeStatisticsWindow();
    for (const auto& [comboBox, index] : request.selections) window->comboBox(comboBox).setSelectedIndex(index);
    DrawHistory(window->grid(names::kDrawGrid)).replaceWith(entries);
    RefreshStatistics(*window);

    const std::string out = stats_tool::report(*window, request.format);
    if (std::fwrite(out.data(), 1, out.size(), stdout) != out.size() || std::fflush(stdout) != 0) {
        return fail(kCannotRun, std::string("cannot write the report: ") + std::strerror(errno));
    }
    return kDone;
}
