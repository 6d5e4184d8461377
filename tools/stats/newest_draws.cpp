#include "newest_draws.h"

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <utility>

#include "archive/archive_error.h"
#include "archive/archive_file.h"
#include "archive/draw_archive.h"
#include "draws/draw.h"
#include "draws/history_feed.h"
#include "feed_bytes.h"

namespace quintara::stats_tool {
namespace {

std::vector<std::string> feedTexts(const std::string& path) {
    const std::optional<FeedBytes> feed = FeedBytes::read(path);
    if (!feed) throw NoDraws{kCannotRead, "cannot read " + path + ": " + std::strerror(errno)};
    const std::vector<std::string> entries = parseHistoryFeed(feed->bytes());
    if (entries.empty()) throw NoDraws{kNoDrawsHeld, "no draws in feed"};
    const std::size_t read = std::min<std::size_t>(entries.size(), kDrawReadLimit);
    std::vector<std::string> texts;
    texts.reserve(read);
    for (std::size_t at = 0; at < read; ++at) texts.emplace_back(entryView(entries[at]).text);
    return texts;
}

std::vector<std::string> archiveTexts(const std::string& path) {
    std::vector<Draw> draws;
    try {
        draws = DrawArchive(path.empty() ? defaultArchiveFile() : std::filesystem::path(path), DrawArchive::Access::ReadOnly)
                    .newest(kDrawReadLimit);
    } catch (const ArchiveError& error) {
        throw NoDraws{kCannotRead, error.what()};
    }
    if (draws.empty()) throw NoDraws{kNoDrawsHeld, "no draws in the archive"};
    std::vector<std::string> texts;
    texts.reserve(draws.size());
    for (Draw& draw : draws) texts.push_back(std::move(draw.text));
    return texts;
}

}  // namespace

std::vector<std::string> newestDrawTexts(const Request& request) {
    return request.archive ? archiveTexts(*request.archive) : feedTexts(request.feed);
}

}  // namespace quintara::stats_tool
