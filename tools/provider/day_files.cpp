#include "day_files.h"

#include <algorithm>
#include <fstream>
#include <iterator>
#include <stdexcept>

#include "draws/day_file.h"

namespace quintara::provider {
namespace {

bool isDayFile(const std::filesystem::directory_entry& entry) {
    return entry.is_regular_file() && isDayFileName(entry.path().filename().string());
}

void readDayFile(const std::filesystem::path& file, std::vector<std::string>& draws) {
    std::ifstream in(file, std::ios::binary);
    if (!in) throw std::runtime_error("cannot read " + file.string());
    const std::string bytes{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    // The name "YYYYMMDD.txt" gives the date.
    const DrawsRead read = quintara::readDayFile(file.filename().string().substr(0, 8), bytes);
    if (!read.rejected.empty()) {
        const RejectedLine& first = read.rejected.front();
        throw std::runtime_error(file.string() + " line " + std::to_string(first.line) + ": " + first.reason);
    }
    for (const quintara::Draw& draw : read.draws) draws.push_back(draw.text);
}

}  // namespace

std::vector<std::string> readDayFiles(const std::filesystem::path& folder) {
    std::error_code error;
    std::vector<std::filesystem::path> files;
    for (const auto& entry : std::filesystem::directory_iterator(folder, error)) {
        if (isDayFile(entry)) files.push_back(entry.path());
    }
    if (error) {
        throw std::runtime_error("cannot read the folder " + folder.string() + ": " +
                                 error.message());
    }
    std::ranges::sort(files);

    std::vector<std::string> draws;
    for (const auto& file : files) readDayFile(file, draws);
    if (draws.empty()) {
        throw std::runtime_error("no draws in day files YYYYMMDD.txt in " + folder.string());
    }
    return draws;
}

}  // namespace quintara::provider
