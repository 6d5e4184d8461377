// Where the archive lives: $XDG_DATA_HOME/quintara/draws.sqlite, or
// ~/.local/share/quintara/draws.sqlite when XDG_DATA_HOME is not set.
#pragma once

#include <filesystem>

namespace quintara {

[[nodiscard]] std::filesystem::path defaultArchiveFile();

// Makes the archive's folder (0700) and an empty file (0600) where there is
// none yet, so that nothing of the archive is ever readable by other users.
// An existing folder or file is left as it is. Throws ArchiveError.
void prepareArchiveFile(const std::filesystem::path& file);

}  // namespace quintara
