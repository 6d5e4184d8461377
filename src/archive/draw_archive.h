// The draw archive (本地开奖库): every draw the program has seen, kept in one
// SQLite file across restarts, so that the history starts where it ended and
// reaches back as far as the draws recorded or imported.
#pragma once

#include <SQLiteCpp/Database.h>

#include <chrono>
#include <cstdint>
#include <filesystem>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "archive/archive_file.h"
#include "archive/draw_origin.h"
#include "draws/draw.h"

namespace quintara {

// Draws of one origin, as a recording hands them over.
struct OriginDraws {
    std::span<const DrawView> draws;
    DrawOrigin origin = DrawOrigin::Feed;
};

// What became of the draws of one recording.
struct RecordCounts {
    int added = 0;        // not held before
    int held = 0;         // held already with the same digits
    int conflicting = 0;  // held already with other digits: kept apart, never overwriting

    friend bool operator==(const RecordCounts&, const RecordCounts&) = default;
};

// A draw that arrived again with other digits than the ones held.
struct ArchiveConflict {
    std::string issue;
    std::string held;     // the digits held
    std::string arrived;  // the other digits
    std::string heldOrigin;
    std::string arrivedOrigin;
    std::int64_t recordedAt = 0;  // when the other digits arrived, seconds since 1970 (UTC)
};

// A fired alert as the log takes it: its key (what makes it the same alert
// when two programs fire it) and its JSON record.
struct AlertLogEntry {
    std::string key;
    std::string record;
};

class DrawArchive {
public:
    enum class Access { ReadWrite, ReadOnly };

    // Opens the archive in `file`; with ReadWrite a missing or empty file in
    // an existing folder becomes a new archive, and an older one is brought
    // up to this version and marked as the archive's. Throws ArchiveError,
    // having written nothing, when the file is no SQLite database, is another
    // program's (foreignnessOf), is of a newer version than this program's,
    // or cannot be opened; with ReadOnly also when there is no file or no
    // archive in it yet. A write waits up to `busyTimeout` for another
    // program's.
    explicit DrawArchive(const std::filesystem::path& file, Access access = Access::ReadWrite,
                         std::chrono::milliseconds busyTimeout = kArchiveBusyTimeout);
    // The archive of the place; its folder made first when the place says so.
    explicit DrawArchive(const ArchivePlace& place);

    [[nodiscard]] const std::filesystem::path& file() const { return file_; }

    // Records the draws in one transaction: one not held is added with its
    // origin and `recordedAt` (seconds since 1970, UTC); one held with the
    // same digits is left; one held with other digits is kept apart as a
    // conflict. Throws ArchiveError when the write fails, keeping nothing of
    // it.
    RecordCounts record(std::span<const DrawView> draws, DrawOrigin origin, std::int64_t recordedAt);
    // The same for draws of several origins, all in one transaction, group
    // after group: a draw arriving in two groups keeps the first one's origin.
    RecordCounts record(std::span<const OriginDraws> groups, std::int64_t recordedAt);

    // The newest draws held, newest first, at most `limit`.
    [[nodiscard]] std::vector<Draw> newest(int limit) const;
    // The draws after issue `issue`, newest first, at most `limit`.
    [[nodiscard]] std::vector<Draw> newerThan(std::string_view issue, int limit) const;
    // A number that changes whenever another connection to the file commits
    // (SQLite's data_version): what another program recorded is there to
    // read once it differs from the one read before.
    [[nodiscard]] std::int64_t othersVersion() const;
    // The draws from issue `from` to issue `to`, both included (none: no
    // bound on that side), oldest first.
    [[nodiscard]] std::vector<Draw> oldestFirst(const std::optional<std::string>& from = std::nullopt,
                                               const std::optional<std::string>& to = std::nullopt) const;
    [[nodiscard]] int drawCount() const;
    [[nodiscard]] std::vector<ArchiveConflict> conflicts() const;
    // What SQLite's integrity check finds wrong with the file; empty when
    // nothing is.
    [[nodiscard]] std::vector<std::string> integrityProblems() const;
    // The file's size in bytes, its write-ahead log included.
    [[nodiscard]] std::uintmax_t bytes() const;

    // The alert rules as their JSON text; none when none were saved.
    [[nodiscard]] std::optional<std::string> alertRules() const;
    void saveAlertRules(std::string_view json);
    // Adds fired alerts to the log, which keeps the newest kAlertLogLength,
    // in one transaction. An alert whose key the log holds already (another
    // program fired it first) is not added again. Gives, for each alert,
    // whether it was added.
    std::vector<bool> logAlerts(std::span<const AlertLogEntry> alerts, std::int64_t firedAt);
    // The logged records, newest first, at most `limit`.
    [[nodiscard]] std::vector<std::string> alertLog(int limit = kAlertLogLength) const;

    static constexpr int kAlertLogLength = 1000;

private:
    DrawArchive(const ArchivePlace& place, Access access);

    std::filesystem::path file_;
    mutable SQLite::Database database_;
};

}  // namespace quintara
