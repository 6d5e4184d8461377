// quintara-archive import: each file's draws in one transaction of its own,
// so that a file is in the archive whole once its line is printed, and an
// import that is stopped leaves the files before it recorded.
#include <algorithm>
#include <array>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <ctime>
#include <fstream>

#include "archive/file_import.h"
#include "archive/import_formats.h"
#include "commands.h"

namespace quintara::archive_tool {
namespace {

namespace fs = std::filesystem;

// No file of draws comes near it; a larger one is not read into memory.
constexpr std::size_t kLargestFile = std::size_t{256} << 20;

struct FileBytes {
    std::string bytes;
    std::string problem;  // why they could not be read; empty when they were
};

FileBytes readBytes(const fs::path& file) {
    std::ifstream in(file, std::ios::binary);
    if (!in) return {{}, std::strerror(errno)};
    FileBytes read;
    std::array<char, 1 << 16> buffer;
    while (in.read(buffer.data(), buffer.size()) || in.gcount() > 0) {
        read.bytes.append(buffer.data(), static_cast<std::size_t>(in.gcount()));
        if (read.bytes.size() > kLargestFile) return {{}, "larger than 256 MiB"};
    }
    if (in.bad()) return {{}, "the file could not be read to its end"};
    return read;
}

// The files an import takes of what was named: a file itself, a folder's
// day files, *.csv and *.xml in the order of their names.
std::vector<fs::path> filesOf(const fs::path& named) {
    if (!fs::is_directory(named)) return {named};
    std::vector<fs::path> files;
    for (const fs::directory_entry& entry : fs::directory_iterator(named)) {
        if (!entry.is_directory() && importFormatNamed(entry.path().filename().string())) {
            files.push_back(entry.path());
        }
    }
    std::ranges::sort(files, {}, [](const fs::path& file) { return file.filename(); });
    return files;
}

// What an import found over its files.
struct ImportTally {
    int draws = 0;     // read, whether added, held or in conflict
    bool whole = true; // every file read, no line refused, no draw in conflict
};

// Imports one file, says what became of it and counts it in.
void importOne(DrawArchive& archive, const fs::path& file, ImportTally& tally) {
    const std::string name = file.string();
    const FileBytes read = readBytes(file);
    if (!read.problem.empty()) {
        complain(name + ": " + read.problem);
        tally.whole = false;
        return;
    }
    const FileImport imported = importFile(archive, file.filename().string(), read.bytes, std::time(nullptr));
    for (const RejectedLine& line : imported.rejected) {
        std::fprintf(stderr, "%s:%d: %s\n", name.c_str(), line.line, line.reason.c_str());
    }
    const RecordCounts& counts = imported.counts;
    std::printf("%s: %d added, %d held, %d conflicting, %zu rejected\n", name.c_str(), counts.added, counts.held,
                counts.conflicting, imported.rejected.size());
    // Committed: the line goes out now, not when a buffer fills.
    std::fflush(stdout);
    tally.draws += counts.added + counts.held + counts.conflicting;
    if (counts.conflicting > 0 || !imported.rejected.empty()) tally.whole = false;
}

}  // namespace

int importFiles(const Request& request) {
    DrawArchive archive(request.place());
    ImportTally tally;
    for (const std::string& named : request.inputs) {
        std::vector<fs::path> files;
        try {
            files = filesOf(named);
            if (files.empty()) complain(named + ": no file of draws in it (YYYYMMDD.txt, *.csv, *.xml)");
        } catch (const fs::filesystem_error& error) {
            complain(named + ": " + error.code().message());
            tally.whole = false;
        }
        for (const fs::path& file : files) importOne(archive, file, tally);
    }
    if (tally.draws == 0) complain("no draws found in what was named");
    return tally.whole && tally.draws > 0 ? kDone : kFailed;
}

}  // namespace quintara::archive_tool
