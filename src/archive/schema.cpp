#include "archive/schema.h"

#include <SQLiteCpp/Statement.h>
#include <SQLiteCpp/Transaction.h>

#include <algorithm>
#include <array>
#include <cstdio>
#include <string_view>

namespace quintara {
namespace {

// Statement k takes an archive of version k to version k + 1.
constexpr std::array<const char*, kArchiveSchemaVersion> kMigrations{
    // 1: the draws, keyed by their issue ("YYYYMMDD-NNN" sorts as issues are
    // ordered, date first), and the draws that arrived again with other digits.
    R"sql(
    CREATE TABLE draws (
        issue TEXT PRIMARY KEY NOT NULL CHECK (length(issue) = 12),
        digits TEXT NOT NULL CHECK (length(digits) = 5),
        origin TEXT NOT NULL,
        recorded_at INTEGER NOT NULL
    ) WITHOUT ROWID;
    CREATE TABLE conflicts (
        issue TEXT NOT NULL,
        held TEXT NOT NULL,
        arrived TEXT NOT NULL,
        held_origin TEXT NOT NULL,
        arrived_origin TEXT NOT NULL,
        recorded_at INTEGER NOT NULL,
        UNIQUE (issue, arrived)
    );
    )sql",
    // 2: the alert rules (one JSON text) and the log of fired alerts, which
    // the program and the watcher share.
    R"sql(
    CREATE TABLE settings (
        key TEXT PRIMARY KEY NOT NULL,
        value TEXT NOT NULL
    ) WITHOUT ROWID;
    CREATE TABLE alert_log (
        id INTEGER PRIMARY KEY AUTOINCREMENT,
        fired_at INTEGER NOT NULL,
        record TEXT NOT NULL
    );
    )sql",
    // 3: each logged alert's key (its issue, rule and item), so that an alert
    // two programs fire on one archive is logged once.
    R"sql(
    ALTER TABLE alert_log ADD COLUMN key TEXT;
    CREATE UNIQUE INDEX alert_log_key ON alert_log (key);
    )sql",
};

constexpr std::array<std::string_view, 4> kArchiveTables{"draws", "conflicts", "settings", "alert_log"};

}  // namespace

int schemaVersionOf(SQLite::Database& database) {
    return database.execAndGet("PRAGMA user_version").getInt();
}

std::string foreignnessOf(SQLite::Database& database) {
    const int applicationId = database.execAndGet("PRAGMA application_id").getInt();
    if (applicationId != 0 && applicationId != kArchiveApplicationId) {
        char id[16];
        std::snprintf(id, sizeof id, "0x%08X", static_cast<unsigned>(applicationId));
        return std::string("another program's database (application id ") + id + ")";
    }
    SQLite::Statement tables(database,
                             "SELECT name FROM sqlite_master WHERE type = 'table' AND name NOT LIKE 'sqlite\\_%' "
                             "ESCAPE '\\' ORDER BY name");
    std::string others;
    while (tables.executeStep()) {
        const std::string name = tables.getColumn(0).getString();
        if (std::find(kArchiveTables.begin(), kArchiveTables.end(), name) != kArchiveTables.end()) continue;
        others += (others.empty() ? "" : ", ") + name;
    }
    if (!others.empty()) return "another program's database (it holds the tables " + others + ")";
    const int version = schemaVersionOf(database);
    if (version > kArchiveSchemaVersion) {
        return "the archive is of version " + std::to_string(version) + ", newer than this program's (" +
               std::to_string(kArchiveSchemaVersion) + ")";
    }
    return {};
}

void migrateForward(SQLite::Database& database) {
    const auto current = [&database] {
        return schemaVersionOf(database) >= kArchiveSchemaVersion &&
               database.execAndGet("PRAGMA application_id").getInt() == kArchiveApplicationId;
    };
    if (current()) return;
    // The write lock first: another program that opens the archive at the
    // same moment waits, then finds it migrated.
    SQLite::Transaction transaction(database, SQLite::TransactionBehavior::IMMEDIATE);
    if (current()) return;
    for (int version = schemaVersionOf(database); version < kArchiveSchemaVersion; ++version) {
        database.exec(kMigrations[static_cast<std::size_t>(version)]);
    }
    database.exec("PRAGMA user_version = " + std::to_string(kArchiveSchemaVersion));
    database.exec("PRAGMA application_id = " + std::to_string(kArchiveApplicationId));
    transaction.commit();
}

}  // namespace quintara
