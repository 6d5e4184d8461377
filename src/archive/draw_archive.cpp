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

SQLite::Database openDatabase(const ArchivePlace& place, DrawArchive::Access access) {
    const std::filesystem::path& file = place.file;
    if (access == DrawArchive::Access::ReadWrite) {
        if (place.makeFolder) makeArchiveFolder(file);
        prepareArchiveFile(file);
    } else if (std::error_code error; !std::filesystem::exists(file, error)) {
        // SQLite would say no more than "unable to open database file".
        throw ArchiveError(file.string() + ": " + (error ? error.message() : "no such file"));
    }
    return guarded(file, [&] {
        return SQLite::Database(file, access == DrawArchive::Access::ReadWrite ? SQLite::OPEN_READWRITE
                                                                               : SQLite::OPEN_READONLY,
                                static_cast<int>(place.busyTimeout.count()));
    });
}

Draw drawOf(const SQLite::Statement& row) {
    return {row.getColumn(0).getString(), row.getColumn(1).getString()};
}

}  // namespace

DrawArchive::DrawArchive(const std::filesystem::path& file, Access access,
                         std::chrono::milliseconds busyTimeout)
    : DrawArchive(ArchivePlace{.file = file, .busyTimeout = busyTimeout}, access) {}

DrawArchive::DrawArchive(const ArchivePlace& place) : DrawArchive(place, Access::ReadWrite) {}

DrawArchive::DrawArchive(const ArchivePlace& place, Access access)
    : file_(place.file), database_(openDatabase(place, access)) {
    guarded(file_, [&] {
        // Reading the header and the tables first: a file that is no
        // database, another program's or of a newer version is left
        // untouched, byte for byte.
        if (const std::string foreign = foreignnessOf(database_); !foreign.empty()) {
            throw ArchiveError(file_.string() + ": " + foreign);
        }
        if (access == Access::ReadOnly) {
            if (schemaVersionOf(database_) == 0) {
                throw ArchiveError(file_.string() + ": no draws were ever recorded in it");
            }
            return;
        }
        // One writer beside readers. Every commit is synced to the disk
        // before it counts: a draw once recorded outlives a power cut.
        database_.exec("PRAGMA journal_mode = WAL");
        database_.exec("PRAGMA synchronous = FULL");
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

std::vector<Draw> DrawArchive::newerThan(std::string_view issue, int limit) const {
    return guarded(file_, [&] {
        std::vector<Draw> draws;
        SQLite::Statement query(database_,
                                "SELECT issue, digits FROM draws WHERE issue > ? ORDER BY issue DESC LIMIT ?");
        query.bind(1, std::string(issue));
        query.bind(2, limit);
        while (query.executeStep()) draws.push_back(drawOf(query));
        return draws;
    });
}

std::int64_t DrawArchive::othersVersion() const {
    return guarded(file_, [&] { return database_.execAndGet("PRAGMA data_version").getInt64(); });
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

std::vector<bool> DrawArchive::logAlerts(std::span<const AlertLogEntry> alerts, std::int64_t firedAt) {
    if (alerts.empty()) return {};
    return guarded(file_, [&] {
        std::vector<bool> added;
        SQLite::Transaction transaction(database_, SQLite::TransactionBehavior::IMMEDIATE);
        SQLite::Statement log(database_,
                              "INSERT OR IGNORE INTO alert_log (fired_at, record, key) VALUES (?, ?, ?)");
        for (const AlertLogEntry& alert : alerts) {
            log.bind(1, firedAt);
            log.bind(2, alert.record);
            log.bind(3, alert.key);
            added.push_back(log.exec() == 1);
            log.reset();
        }
        SQLite::Statement trim(database_,
                               "DELETE FROM alert_log WHERE id NOT IN (SELECT id FROM alert_log ORDER BY id DESC LIMIT ?)");
        trim.bind(1, kAlertLogLength);
        trim.exec();
        transaction.commit();
        return added;
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
