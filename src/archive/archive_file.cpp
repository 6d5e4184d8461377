#include "archive/archive_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <system_error>

#include "archive/archive_error.h"

namespace quintara {
namespace {

[[noreturn]] void fail(const std::filesystem::path& path, int error) {
    throw ArchiveError(path.string() + ": " + std::strerror(error));
}

void makeFolder(const std::filesystem::path& folder) {
    if (std::error_code error; folder.empty() || std::filesystem::is_directory(folder, error)) return;
    makeFolder(folder.parent_path());
    if (::mkdir(folder.c_str(), 0700) != 0 && errno != EEXIST) fail(folder, errno);
}

}  // namespace

std::filesystem::path defaultArchiveFile() {
    const char* data = std::getenv("XDG_DATA_HOME");
    std::filesystem::path folder;
    if (data != nullptr && *data == '/') {
        folder = data;
    } else {
        const char* home = std::getenv("HOME");
        folder = std::filesystem::path(home != nullptr ? home : "") / ".local" / "share";
    }
    return folder / "quintara" / "draws.sqlite";
}

ArchivePlace ArchivePlace::standard() { return {.file = defaultArchiveFile(), .makeFolder = true}; }

void makeArchiveFolder(const std::filesystem::path& file) { makeFolder(file.parent_path()); }

void prepareArchiveFile(const std::filesystem::path& file) {
    const std::filesystem::path folder = file.parent_path().empty() ? "." : file.parent_path();
    if (std::error_code error; !std::filesystem::is_directory(folder, error)) {
        throw ArchiveError(file.string() + ": there is no folder " + folder.string());
    }
    const int descriptor = ::open(file.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0600);
    if (descriptor >= 0) {
        ::close(descriptor);
    } else if (errno != EEXIST) {
        fail(file, errno);
    }
}

}  // namespace quintara
