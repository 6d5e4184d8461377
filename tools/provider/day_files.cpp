#include "day_files.h"

#include <algorithm>
#include <fstream>
#include <stdexcept>

#include "text/numbers.h"

namespace quintara::provider {
namespace {

// "YYYYMMDD.txt": the name sorts in date order.
bool isDayFile(const std::filesystem::directory_entry& entry) {
    const std::string name = entry.path().filename().string();
    return entry.is_regular_file() && name.size() == 12 && name.ends_with(".txt") &&
           allDigits(std::string_view(name).substr(0, 8));
}

void readDayFile(const std::filesystem::path& file, std::vector<std::string>& draws) {
    std::ifstream in(file);
    if (!in) throw std::runtime_error("cannot read " + file.string());
    std::string line;
    for (int number = 1; std::getline(in, line); ++number) {
        if (line.ends_with('\r')) line.pop_back();
        if (line.empty()) continue;
        const std::string_view text = line;
        const bool numbered = text.size() > 4 && allDigits(text.substr(0, 3)) && text[3] == ' ';
        const std::string_view result = numbered ? text.substr(4) : std::string_view{};
        if (result == "-") continue;
        if (result.size() != 5 || !allDigits(result)) {
            throw std::runtime_error(file.string() + " line " + std::to_string(number) +
                                     ": not \"NNN DDDDD\" or \"NNN -\": " + line);
        }
        draws.emplace_back(result);
    }
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
