// What the program keeps of its draws across restarts (本地开奖库): the
// archive opened at start, if it could be, into which every draw that enters
// the history is recorded, one transaction per event. A write that fails
// stops nothing: its draws wait in memory and go in with the next recording
// that succeeds; the first failure of a session is said in a box.
#pragma once

#include <chrono>
#include <filesystem>
#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "archive/draw_archive.h"
#include "archive/draw_origin.h"
#include "draws/draw_history.h"
#include "platform/platform.h"

namespace quintara {

// Where the archive is, and how long a write waits for another program's.
struct ArchivePlace {
    std::filesystem::path file;
    std::chrono::milliseconds busyTimeout = kArchiveBusyTimeout;

    // The user's archive, $XDG_DATA_HOME/quintara/draws.sqlite.
    [[nodiscard]] static ArchivePlace standard();
};

class DrawKeeping {
public:
    explicit DrawKeeping(Platform& platform) : platform_(platform) {}

    // Opens the archive and gives its newest draws, newest first, at most
    // `limit`. An archive that cannot be opened or read is said in a box and
    // left untouched; nothing is kept then.
    std::vector<Draw> open(const ArchivePlace& place, int limit);
    [[nodiscard]] bool isOpen() const { return archive_.has_value(); }
    // The archive that is open; null when none is.
    [[nodiscard]] DrawArchive* archive() { return archive_ ? &*archive_ : nullptr; }

    // The newest draws kept, newest first, at most `limit`; none when no
    // archive is open or it cannot be read.
    [[nodiscard]] std::optional<std::vector<Draw>> newest(int limit) const;

    // Notes a draw entry that entered the history, with its origin, for the
    // next recording. Without an archive, and for an entry that is no
    // well-formed draw (which the archive could never take), nothing.
    void note(std::string_view entry, DrawOrigin origin);
    // Records, in one transaction, the draws noted since the last recording
    // that succeeded; true when the archive holds them all.
    bool record();

private:
    Platform& platform_;
    std::optional<DrawArchive> archive_;
    // The entries noted and not yet recorded, each with the first origin it
    // was noted with.
    std::map<std::string, DrawOrigin> unrecorded_;
    bool failureSaid_ = false;
};

}  // namespace quintara
