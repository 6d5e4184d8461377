#include "draw_source.h"

#include <QFile>

#include <ranges>

#include "archive/archive_error.h"
#include "archive/draw_archive.h"
#include "draws/history_feed.h"

namespace quintara::chart_tool {

SourceDraws feedDraws(const std::string& path) {
    QFile feed(QString::fromStdString(path));
    const bool opened = path == "-" ? feed.open(stdin, QIODevice::ReadOnly) : feed.open(QIODevice::ReadOnly);
    if (!opened) return {.failure = "cannot read " + path + ": " + feed.errorString().toStdString()};
    const QByteArray body = feed.readAll();
    SourceDraws draws;
    for (const std::string& entry :
         parseHistoryFeed(std::string_view(body.constData(), static_cast<std::size_t>(body.size())))) {
        draws.newestFirst.push_back(splitEntry(entry));
    }
    return draws;
}

SourceDraws archiveDraws(const std::filesystem::path& path) {
    try {
        std::vector<Draw> oldestFirst = DrawArchive(path, DrawArchive::Access::ReadOnly).oldestFirst();
        std::ranges::reverse(oldestFirst);
        return {.newestFirst = std::move(oldestFirst)};
    } catch (const ArchiveError& error) {
        return {.failure = std::string("cannot read ") + error.what()};
    }
}

}  // namespace quintara::chart_tool
