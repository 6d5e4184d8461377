#include "archive/draw_archive.h"

#include <SQLiteCpp/Statement.h>
#include <SQLiteCpp/Transaction.h>

#include <string>
#include <system_error>
#include <utility>

#include "archive/archive_error.h"
#include "archive/archive_file.h"
#include "archive/schema.h"

namespace quintara {
namespace {

// Runs `work`, saying a failure of SQLite's with the file it concerns.
template <typename Work>
auto guarded(const std::filesystem::path& file, Work work) -> decltype(work()) {
    try {
        return work();
    } catch (const SQLite::Exception& error) {
        throw ArchiveError(file.string() + ": " + error.what());
    }
}

SQLite::Database openDatabase(const std::filesystem::path& file, DrawArchive::Access access,
                              std::chrono::milliseconds busyTimeout) {
    if (access == DrawArchive::Access::ReadWrite) {
        prepareArchiveFile(file);
    } else if (std::error_code error; !std::filesystem::exists(file, error)) {
        // SQLite would say no more than "unable to open database file".
        throw ArchiveError(file.string() + ": " + (error ? error.message() : "no such file"));
    }
    return guarded(file, [&] {
        return SQLite::Database(file, access == DrawArchive::Access::ReadWrite ? SQLite::OPEN_READWRITE
                                                                               : SQLite::OPEN_READONLY,
                                static_cast<int>(busyTimeout.count()));
    });
}

Draw drawOf(const SQLite::Statement& row) {
    return {row.getColumn(0).getString(), row.getColumn(1).getString()};
}

}  // namespace

DrawArchive::DrawArchive(const std::filesystem::path& file, Access access,
                         std::chrono::milliseconds busyTimeout)
    : file_(file), database_(openDatabase(file, access, busyTimeout)) {
    guarded(file_, [&] {
        // Reading the header first: a file that is no database, or of a
        // newer version, is left untouched.
        const int version = schemaVersionOf(database_);
        if (version > kArchiveSchemaVersion) {
            throw ArchiveError(file_.string() + ": the archive is of version " + std::to_string(version) +
                               ", newer than this program's (" + std::to_string(kArchiveSchemaVersion) +
                               ")");
        }
        if (access == Access::ReadOnly) {
            if (version == 0) throw ArchiveError(file_.string() + ": no draws were ever recorded in it");
            return;
        }
        // One writer beside readers, each commit durable once the log is
        // checkpointed; a power cut loses at most the last commits, never
        // the file.
        database_.exec("PRAGMA journal_mode = WAL");
        database_.exec("PRAGMA synchronous = NORMAL");
        migrateForward(database_);
    });
}

RecordCounts DrawArchive::record(std::span<const DrawView> draws, DrawOrigin origin,
                                 std::int64_t recordedAt) {
    const OriginDraws group{draws, origin};
    return record(std::span(&group, 1), recordedAt);
}

RecordCounts DrawArchive::record(std::span<const OriginDraws> groups, std::int64_t recordedAt) {
    return guarded(file_, [&] {
        RecordCounts counts;
        SQLite::Transaction transaction(database_, SQLite::TransactionBehavior::IMMEDIATE);
        SQLite::Statement held(database_, "SELECT digits, origin FROM draws WHERE issue = ?");
        SQLite::Statement add(database_,
                              "INSERT INTO draws (issue, digits, origin, recorded_at) VALUES (?, ?, ?, ?)");
        SQLite::Statement conflict(database_,
                                   "INSERT OR IGNORE INTO conflicts (issue, held, arrived, held_origin, "
                                   "arrived_origin, recorded_at) VALUES (?, ?, ?, ?, ?, ?)");
        for (const OriginDraws& group : groups) {
            const std::string originName(nameOf(group.origin));
            for (const DrawView& draw : group.draws) {
                const std::string issue(draw.issue);
                const std::string digits(draw.text);
                held.bind(1, issue);
                if (!held.executeStep()) {
                    add.bind(1, issue);
                    add.bind(2, digits);
                    add.bind(3, originName);
                    add.bind(4, recordedAt);
                    add.exec();
                    add.reset();
                    ++counts.added;
                } else if (held.getColumn(0).getString() == digits) {
                    ++counts.held;
                } else {
                    conflict.bind(1, issue);
                    conflict.bind(2, held.getColumn(0).getString());
                    conflict.bind(3, digits);
                    conflict.bind(4, held.getColumn(1).getString());
                    conflict.bind(5, originName);
                    conflict.bind(6, recordedAt);
                    conflict.exec();
                    conflict.reset();
                    ++counts.conflicting;
                }
                held.reset();
            }
        }
        transaction.commit();
        return counts;
    });
}

std::vector<Draw> DrawArchive::newest(int limit) const {
    return guarded(file_, [&] {
        std::vector<Draw> draws;
        SQLite::Statement query(database_, "SELECT issue, digits FROM draws ORDER BY issue DESC LIMIT ?");
        query.bind(1, limit);
        while (query.executeStep()) draws.push_back(drawOf(query));
        return draws;
    });
}

std::vector<Draw> DrawArchive::oldestFirst(const std::optional<std::string>& from,
                                           const std::optional<std::string>& to) const {
    return guarded(file_, [&] {
        std::vector<Draw> draws;
        SQLite::Statement query(database_,
                                "SELECT issue, digits FROM draws WHERE issue >= ? AND issue <= ? ORDER BY issue");
        // Every issue sorts after the empty text and before one of high bytes.
        query.bind(1, from.value_or(""));
        query.bind(2, to.value_or("\x7f"));
        while (query.executeStep()) draws.push_back(drawOf(query));
        return draws;
    });
}

int DrawArchive::drawCount() const {
    return guarded(file_, [&] { return database_.execAndGet("SELECT count(*) FROM draws").getInt(); });
}

std::vector<ArchiveConflict> DrawArchive::conflicts() const {
    return guarded(file_, [&] {
        std::vector<ArchiveConflict> conflicts;
        SQLite::Statement query(database_,
                                "SELECT issue, held, arrived, held_origin, arrived_origin, recorded_at "
                                "FROM conflicts ORDER BY issue, recorded_at");
        while (query.executeStep()) {
            conflicts.push_back({query.getColumn(0).getString(), query.getColumn(1).getString(),
                                 query.getColumn(2).getString(), query.getColumn(3).getString(),
                                 query.getColumn(4).getString(), query.getColumn(5).getInt64()});
        }
        return conflicts;
    });
}

std::vector<std::string> DrawArchive::integrityProblems() const {
    return guarded(file_, [&] {
        std::vector<std::string> problems;
        SQLite::Statement query(database_, "PRAGMA integrity_check");
        while (query.executeStep()) {
            std::string line = query.getColumn(0).getString();
            if (line != "ok") problems.push_back(std::move(line));
        }
        return problems;
    });
}

std::uintmax_t DrawArchive::bytes() const {
    std::uintmax_t total = 0;
    for (const std::filesystem::path& part : {file_, std::filesystem::path(file_.string() + "-wal")}) {
        std::error_code missing;
        const std::uintmax_t size = std::filesystem::file_size(part, missing);
        if (!missing) total += size;
    }
    return total;
}

std::optional<std::string> DrawArchive::alertRules() const {
    return guarded(file_, [&]() -> std::optional<std::string> {
        SQLite::Statement query(database_, "SELECT value FROM settings WHERE key = 'alert_rules'");
        if (!query.executeStep()) return std::nullopt;
        return query.getColumn(0).getString();
    });
}

void DrawArchive::saveAlertRules(std::string_view json) {
    guarded(file_, [&] {
        SQLite::Statement save(database_,
                               "INSERT INTO settings (key, value) VALUES ('alert_rules', ?) "
                               "ON CONFLICT (key) DO UPDATE SET value = excluded.value");
        save.bind(1, std::string(json));
        save.exec();
    });
}

void DrawArchive::logAlerts(std::span<const std::string> records, std::int64_t firedAt) {
    if (records.empty()) return;
    guarded(file_, [&] {
        SQLite::Transaction transaction(database_, SQLite::TransactionBehavior::IMMEDIATE);
        SQLite::Statement log(database_, "INSERT INTO alert_log (fired_at, record) VALUES (?, ?)");
        for (const std::string& record : records) {
            log.bind(1, firedAt);
            log.bind(2, record);
            log.exec();
            log.reset();
        }
        SQLite::Statement trim(database_, "DELETE FROM alert_log WHERE id <= (SELECT max(id) FROM alert_log) - ?");
        trim.bind(1, kAlertLogLength);
        trim.exec();
        transaction.commit();
    });
}

std::vector<std::string> DrawArchive::alertLog(int limit) const {
    return guarded(file_, [&] {
        std::vector<std::string> records;
        SQLite::Statement query(database_, "SELECT record FROM alert_log ORDER BY id DESC LIMIT ?");
        query.bind(1, limit);
        while (query.executeStep()) records.push_back(query.getColumn(0).getString());
        return records;
    });
}

}  // namespace quintara
