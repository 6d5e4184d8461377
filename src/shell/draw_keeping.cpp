#include "shell/draw_keeping.h"

#include <array>
#include <stdexcept>

#include "archive/archive_file.h"
#include "draws/issue_sequence.h"
#include "text/numbers.h"

namespace quintara {
namespace {

constexpr std::string_view kCaption = "警告：";

// An issue "YYYYMMDD-NNN" and five digits, as the archive keeps a draw.
bool isWellFormed(std::string_view entry) {
    if (entry.size() != static_cast<std::size_t>(kDrawEntryLength)) return false;
    const DrawView draw = DrawHistory::entryView(entry);
    return isIssueNumber(draw.issue) && allDigits(draw.text);
}

}  // namespace

ArchivePlace ArchivePlace::standard() { return {defaultArchiveFile()}; }

std::vector<Draw> DrawKeeping::open(const ArchivePlace& place, int limit) {
    try {
        archive_.emplace(place.file, DrawArchive::Access::ReadWrite, place.busyTimeout);
        return archive_->newest(limit);
    } catch (const std::runtime_error& error) {
        archive_.reset();
        platform_.showMessage("本地开奖库无法打开：" + std::string(error.what()), kCaption,
                              MessageIcon::Exclamation);
        return {};
    }
}

std::optional<std::vector<Draw>> DrawKeeping::newest(int limit) const {
    if (!archive_) return std::nullopt;
    try {
        return archive_->newest(limit);
    } catch (const std::runtime_error&) {
        return std::nullopt;
    }
}

void DrawKeeping::note(std::string_view entry, DrawOrigin origin) {
    if (archive_ && isWellFormed(entry)) unrecorded_.try_emplace(std::string(entry), origin);
}

bool DrawKeeping::record() {
    if (!archive_) return false;
    if (unrecorded_.empty()) return true;
    std::array<std::vector<DrawView>, kDrawOriginNames.size()> byOrigin;
    for (const auto& [entry, origin] : unrecorded_) {
        byOrigin[static_cast<std::size_t>(origin)].push_back(DrawHistory::entryView(entry));
    }
    std::vector<OriginDraws> groups;
    for (std::size_t origin = 0; origin < byOrigin.size(); ++origin) {
        if (!byOrigin[origin].empty()) groups.push_back({byOrigin[origin], static_cast<DrawOrigin>(origin)});
    }
    try {
        archive_->record(groups, std::chrono::system_clock::to_time_t(momentOf(platform_.localTime())));
        unrecorded_.clear();
        return true;
    } catch (const std::runtime_error& error) {
        // Once a session: the draws stay noted and go in with the next
        // recording that succeeds.
        if (!failureSaid_) {
            failureSaid_ = true;
            platform_.showMessage("本地开奖库写入失败，开奖号码暂不保存：" + std::string(error.what()),
                                  kCaption, MessageIcon::Exclamation);
        }
        return false;
    }
}

}  // namespace quintara
