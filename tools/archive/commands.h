// The commands of quintara-archive. Each returns the tool's exit status; an
// archive that cannot be opened or written throws ArchiveError.
#pragma once

#include <string>
#include <string_view>

#include "arguments.h"

namespace quintara::archive_tool {

inline constexpr int kDone = 0;
inline constexpr int kFailed = 1;

// "quintara-archive: <message>" on standard error.
void complain(const std::string& message);

// Writes `text` to standard output: kDone, or kFailed having said why not.
[[nodiscard]] int print(std::string_view text);

// Each file in one transaction; kFailed when a file could not be read.
[[nodiscard]] int importFiles(const Request& request);
[[nodiscard]] int exportDraws(const Request& request);
[[nodiscard]] int describeArchive(const Request& request);
// kFailed when the check finds anything.
[[nodiscard]] int checkArchive(const Request& request);

}  // namespace quintara::archive_tool
