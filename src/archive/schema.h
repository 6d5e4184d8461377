// The archive's tables, versioned with SQLite's user_version: each version
// is reached from the one before by its own statements, all pending ones in
// one transaction.
#pragma once

#include <SQLiteCpp/Database.h>

namespace quintara {

// The version this program writes.
inline constexpr int kArchiveSchemaVersion = 2;

// The version the file says it is (0: a new, empty archive).
[[nodiscard]] int schemaVersionOf(SQLite::Database& database);

// Brings an archive of an older version up to this one, in one transaction.
void migrateForward(SQLite::Database& database);

}  // namespace quintara
