// What the program keeps of its draws across restarts (本地开奖库): the
// archive opened at start, if it could be, into which every draw that enters
// the history is recorded, one transaction per event. A write that fails
// stops nothing: its draws are held in memory and go in with the next
// recording that succeeds, and the keeping says how many wait and why.
// Another program may record into the same archive meanwhile; the keeping
// tells when it has.
#pragma once

#include <cstdint>
#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "archive/draw_archive.h"
#include "archive/draw_origin.h"
#include "draws/draw.h"

namespace quintara {

class DrawKeeping {
public:
    // Opens the archive and gives its newest draws, newest first, at most
    // `limit`; none and why, leaving the file untouched, when it cannot be
    // opened or read. Nothing is kept then.
    struct Opening {
        std::vector<Draw> newest;
        std::string error;
    };
    Opening open(const ArchivePlace& place, int limit);
    [[nodiscard]] bool isOpen() const { return archive_.has_value(); }
    // The archive that is open; null when none is.
    [[nodiscard]] DrawArchive* archive() { return archive_ ? &*archive_ : nullptr; }

    // The newest draws kept, newest first, at most `limit`; none when no
    // archive is open or it cannot be read.
    [[nodiscard]] std::optional<std::vector<Draw>> newest(int limit) const;
    // The draws kept after `issue`, newest first, at most `limit`; none as
    // for newest.
    [[nodiscard]] std::optional<std::vector<Draw>> newerThan(std::string_view issue, int limit) const;

    // Notes a draw that entered the history, with its origin, for the next
    // recording. Without an archive, and for a draw that is no well-formed
    // draw (which the archive could never take), nothing.
    void note(const Draw& draw, DrawOrigin origin);
    // Records, in one transaction, the draws noted since the last recording
    // that succeeded, at `now` (seconds since 1970, UTC); true when the
    // archive holds them all.
    bool record(std::int64_t now);
    // The draws noted and not yet recorded.
    [[nodiscard]] int unsaved() const { return static_cast<int>(unrecorded_.size()); }
    // Why the latest recording failed; empty once one succeeds.
    [[nodiscard]] const std::string& failure() const { return failure_; }

    // True when another program committed to the archive since the last
    // time this was asked (or the archive was opened).
    bool changedElsewhere();

private:
    std::optional<DrawArchive> archive_;
    // The draws noted and not yet recorded, by issue, each with the first
    // origin it was noted with.
    std::map<std::string, std::pair<std::string, DrawOrigin>> unrecorded_;
    std::string failure_;
    std::optional<std::int64_t> othersVersion_;
};

}  // namespace quintara
