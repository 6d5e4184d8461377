// The archive's tables, versioned with SQLite's user_version: each version
// is reached from the one before by its own statements, all pending ones in
// one transaction. The file carries an application_id of its own, so that
// neither this program nor another takes it for a file of theirs.
#pragma once

#include <SQLiteCpp/Database.h>

#include <cstdint>
#include <string>

namespace quintara {

// The version this program writes.
inline constexpr int kArchiveSchemaVersion = 3;
// "QNTR": the archive's mark in the SQLite header.
inline constexpr std::int32_t kArchiveApplicationId = 0x514E5452;

// The version the file says it is (0: a new, empty archive).
[[nodiscard]] int schemaVersionOf(SQLite::Database& database);

// Why the database is not ours to write, for a person: another
// application_id, tables that are not the archive's, or a version newer than
// this program's; empty when it is an archive (of any version up to this
// one, marked or from before the mark) or a new, empty file. Reads only.
[[nodiscard]] std::string foreignnessOf(SQLite::Database& database);

// Brings an archive of an older version up to this one and marks it as the
// archive's, in one transaction.
void migrateForward(SQLite::Database& database);

}  // namespace quintara
