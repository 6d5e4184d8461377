#include "draw_source.h"

#include <algorithm>
#include <cerrno>
#include <cstring>

#include "archive/archive_error.h"
#include "archive/draw_archive.h"
#include "draws/history_feed.h"
#include "feed_bytes.h"

namespace quintara::tools {
namespace {

std::vector<Draw> feedDraws(const std::string& path, std::size_t limit) {
    const std::optional<FeedBytes> feed = FeedBytes::read(path);
    if (!feed) throw NoDraws{kCannotRead, "cannot read " + path + ": " + std::strerror(errno)};
    const std::vector<std::string> entries = parseHistoryFeed(feed->bytes());
    if (entries.empty()) throw NoDraws{kNoDrawsHeld, "no draws in feed"};
    const std::size_t read = std::min(entries.size(), limit);
    std::vector<Draw> draws;
    draws.reserve(read);
    for (std::size_t at = 0; at < read; ++at) draws.push_back(splitEntry(entries[at]));
    return draws;
}

std::vector<Draw> archiveDraws(const std::string& path, std::size_t limit) {
    std::vector<Draw> draws;
    try {
        const DrawArchive archive(path.empty() ? defaultArchiveFile() : std::filesystem::path(path),
                                  DrawArchive::Access::ReadOnly);
        draws = archive.newest(static_cast<int>(std::min<std::size_t>(limit, std::numeric_limits<int>::max())));
    } catch (const ArchiveError& error) {
        throw NoDraws{kCannotRead, std::string("cannot read ") + error.what()};
    }
    if (draws.empty()) throw NoDraws{kNoDrawsHeld, "no draws in the archive"};
    return draws;
}

}  // namespace

std::vector<Draw> readDraws(const DrawSource& source, std::size_t limit) {
    return source.archive ? archiveDraws(*source.archive, limit) : feedDraws(source.feed.value_or("-"), limit);
}

}  // namespace quintara::tools
