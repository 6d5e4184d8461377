#include "newest_draws.h"

#include <algorithm>
#include <cerrno>
#include <cstring>

#include "archive/archive_error.h"
#include "archive/archive_file.h"
#include "archive/draw_archive.h"
#include "draws/draw.h"
#include "draws/history_feed.h"
#include "feed_bytes.h"

namespace quintara::stats_tool {
namespace {

std::vector<Draw> feedDraws(const std::string& path, int limit) {
    const std::optional<FeedBytes> feed = FeedBytes::read(path);
    if (!feed) throw NoDraws{kCannotRead, "cannot read " + path + ": " + std::strerror(errno)};
    const std::vector<std::string> entries = parseHistoryFeed(feed->bytes());
    if (entries.empty()) throw NoDraws{kNoDrawsHeld, "no draws in feed"};
    const std::size_t read = std::min<std::size_t>(entries.size(), static_cast<std::size_t>(limit));
    std::vector<Draw> draws;
    draws.reserve(read);
    for (std::size_t at = 0; at < read; ++at) draws.push_back(splitEntry(entries[at]));
    return draws;
}

std::vector<Draw> archiveDraws(const std::string& path, int limit) {
    std::vector<Draw> draws;
    try {
        draws = DrawArchive(path.empty() ? defaultArchiveFile() : std::filesystem::path(path), DrawArchive::Access::ReadOnly)
                    .newest(limit);
    } catch (const ArchiveError& error) {
        throw NoDraws{kCannotRead, error.what()};
    }
    if (draws.empty()) throw NoDraws{kNoDrawsHeld, "no draws in the archive"};
    return draws;
}

}  // namespace

std::vector<Draw> newestDraws(const Request& request, int limit) {
    return request.archive ? archiveDraws(*request.archive, limit) : feedDraws(request.feed, limit);
}

}  // namespace quintara::stats_tool
