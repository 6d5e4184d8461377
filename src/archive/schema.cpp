#include "archive/schema.h"

#include <SQLiteCpp/Transaction.h>

#include <array>
#include <string>

namespace quintara {
namespace {

// Statement k takes an archive of version k to version k + 1.
constexpr std::array<const char*, kArchiveSchemaVersion> kMigrations{
    // 1: the draws, keyed by their issue ("YYYYMMDD-NNN" sorts as time goes),
    // and the draws that arrived again with other digits.
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
};

}  // namespace

int schemaVersionOf(SQLite::Database& database) {
    return database.execAndGet("PRAGMA user_version").getInt();
}

void migrateForward(SQLite::Database& database) {
    if (schemaVersionOf(database) >= kArchiveSchemaVersion) return;
    // The write lock first: another program that opens the archive at the
    // same moment waits, then finds it migrated.
    SQLite::Transaction transaction(database, SQLite::TransactionBehavior::IMMEDIATE);
    const int from = schemaVersionOf(database);
    if (from >= kArchiveSchemaVersion) return;
    for (int version = from; version < kArchiveSchemaVersion; ++version) {
        database.exec(kMigrations[static_cast<std::size_t>(version)]);
    }
    database.exec("PRAGMA user_version = " + std::to_string(kArchiveSchemaVersion));
    transaction.commit();
}

}  // namespace quintara
