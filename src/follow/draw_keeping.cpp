#include "follow/draw_keeping.h"

#include <array>

#include "archive/archive_error.h"
#include "draws/issue.h"
#include "text/numbers.h"

namespace quintara {
namespace {

// An issue "YYYYMMDD-NNN" and five digits, as the archive keeps a draw.
bool isWellFormed(const Draw& draw) {
    return isIssueNumber(draw.issue) && draw.text.size() == kDrawTextLength && allDigits(draw.text);
}

// Reads from the archive; none when it cannot.
template <typename Read>
auto readOrNone(Read read) -> std::optional<decltype(read())> {
    try {
        return read();
    } catch (const ArchiveError&) {
        return std::nullopt;
    }
}

}  // namespace

DrawKeeping::Opening DrawKeeping::open(const ArchivePlace& place, int limit) {
    try {
        archive_.emplace(place);
        othersVersion_ = archive_->othersVersion();
        return {archive_->newest(limit), {}};
    } catch (const ArchiveError& error) {
        archive_.reset();
        return {{}, error.what()};
    }
}

std::optional<std::vector<Draw>> DrawKeeping::newest(int limit) const {
    if (!archive_) return std::nullopt;
    return readOrNone([&] { return archive_->newest(limit); });
}

std::optional<std::vector<Draw>> DrawKeeping::newerThan(std::string_view issue, int limit) const {
    if (!archive_) return std::nullopt;
    return readOrNone([&] { return archive_->newerThan(issue, limit); });
}

void DrawKeeping::note(const Draw& draw, DrawOrigin origin) {
    if (archive_ && isWellFormed(draw)) unrecorded_.try_emplace(draw.issue, draw.text, origin);
}

bool DrawKeeping::record(std::int64_t now) {
    if (!archive_) return false;
    if (unrecorded_.empty()) return true;
    std::array<std::vector<DrawView>, kDrawOriginNames.size()> byOrigin;
    for (const auto& [issue, noted] : unrecorded_) {
        byOrigin[static_cast<std::size_t>(noted.second)].push_back({issue, noted.first});
    }
    std::vector<OriginDraws> groups;
    for (std::size_t origin = 0; origin < byOrigin.size(); ++origin) {
        if (!byOrigin[origin].empty()) groups.push_back({byOrigin[origin], static_cast<DrawOrigin>(origin)});
    }
    try {
        archive_->record(groups, now);
        unrecorded_.clear();
        failure_.clear();
        return true;
    } catch (const ArchiveError& error) {
        failure_ = error.what();
        return false;
    }
}

bool DrawKeeping::changedElsewhere() {
    if (!archive_) return false;
    const auto version = readOrNone([&] { return archive_->othersVersion(); });
    if (!version || version == othersVersion_) return false;
    othersVersion_ = version;
    return true;
}

}  // namespace quintara
