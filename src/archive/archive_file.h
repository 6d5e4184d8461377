// Where the archive lives: $XDG_DATA_HOME/quintara/draws.sqlite, or
// ~/.local/share/quintara/draws.sqlite when XDG_DATA_HOME is not set; and
// the file and folder made for it, readable by no other user.
#pragma once

#include <chrono>
#include <filesystem>

namespace quintara {

// How long a write waits for another program's before it fails.
inline constexpr std::chrono::milliseconds kArchiveBusyTimeout{5000};

[[nodiscard]] std::filesystem::path defaultArchiveFile();

// An archive to open: its file, how long a write waits for another
// program's, and whether its folder may be made. Only the default place's
// folder is: a folder the user names that does not exist is a mistake to
// report, not one to build.
struct ArchivePlace {
    std::filesystem::path file;
    std::chrono::milliseconds busyTimeout = kArchiveBusyTimeout;
    bool makeFolder = false;

    // The user's archive, defaultArchiveFile(), its folder made when missing.
    [[nodiscard]] static ArchivePlace standard();
};

// Makes the folder of `file` and any missing folder above it, each 0700.
// Throws ArchiveError.
void makeArchiveFolder(const std::filesystem::path& file);

// Makes an empty file (0600) where there is none yet, in a folder that must
// exist, so that nothing of the archive is ever readable by other users. An
// existing file is left as it is. Throws ArchiveError.
void prepareArchiveFile(const std::filesystem::path& file);

}  // namespace quintara
