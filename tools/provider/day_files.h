// Real past draws from a folder of day files.
#pragma once

#include <filesystem>
#include <string>
#include <vector>

namespace quintara::provider {

// The five digits of every draw in the folder's day files "YYYYMMDD.txt",
// day by day in date order and in line order within a day. A line reads
// "NNN DDDDD" (sequence number, five digits) or "NNN -" (nothing drawn, left
// out). Throws std::runtime_error when the folder cannot be read, a line has
// another form, or there is no draw at all.
[[nodiscard]] std::vector<std::string> readDayFiles(const std::filesystem::path& folder);

}  // namespace quintara::provider
