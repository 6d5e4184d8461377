// The draw archive on a real SQLite file: importing 59,940 draws of day files
// into an empty archive and again into the full one (each file in one
// transaction, as quintara-archive import does), and recording one polled
// draw into an archive of 100,000 draws.
//
// The day files are made here: 677 files of 120 lines from 11 February 2018
// on, the first 89 or 88 lines of a day drawn and the rest "NNN -", 59,940
// draws in all (the count, files and lines of the real past draws), their
// digits the real ones of real_draws.h. With QUINTARA_DAY_FILES set to a
// folder, its day files are read instead (into memory, before timing).
#include <benchmark/benchmark.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "archive/draw_archive.h"
#include "archive/file_import.h"
#include "draws/day_file.h"
#include "draws/issue.h"
#include "real_history.h"

namespace {

using namespace std::chrono;
using namespace quintara;
namespace fs = std::filesystem;

constexpr int kDayFiles = 677;
constexpr int kDayFileDraws = 59940;

struct DayFile {
    std::string name;  // "YYYYMMDD.txt"
    std::string bytes;
};

std::string dateText(sys_days day) {
    const year_month_day date{day};
    char text[16];
    std::snprintf(text, sizeof text, "%04d%02u%02u", static_cast<int>(date.year()),
                  static_cast<unsigned>(date.month()), static_cast<unsigned>(date.day()));
    return text;
}

std::vector<DayFile> madeDayFiles() {
    std::vector<DayFile> files;
    std::size_t drawn = 0;
    for (int day = 0; day < kDayFiles; ++day) {
        DayFile file{dateText(sys_days{2018y / February / 11} + days{day}) + ".txt", {}};
        const int drawsOfDay = kDayFileDraws / kDayFiles + (day < kDayFileDraws % kDayFiles ? 1 : 0);
        for (int sequence = 1; sequence <= bench::kDrawsPerDay; ++sequence) {
            file.bytes += bench::sequenceText(sequence) + " ";
            if (sequence <= drawsOfDay) {
                file.bytes += kRealDraws.substr(drawn++ % bench::kRealDrawCount * kDrawTextLength, kDrawTextLength);
            } else {
                file.bytes += "-";
            }
            file.bytes += "\n";
        }
        files.push_back(std::move(file));
    }
    return files;
}

std::vector<DayFile> readDayFiles(const fs::path& folder) {
    std::vector<DayFile> files;
    for (const fs::directory_entry& entry : fs::directory_iterator(folder)) {
        const std::string name = entry.path().filename().string();
        if (!isDayFileName(name)) continue;
        std::ifstream in(entry.path(), std::ios::binary);
        files.push_back({name, {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()}});
    }
    std::ranges::sort(files, {}, &DayFile::name);
    return files;
}

const std::vector<DayFile>& dayFiles() {
    static const std::vector<DayFile> files = [] {
        const char* folder = std::getenv("QUINTARA_DAY_FILES");
        return folder != nullptr ? readDayFiles(folder) : madeDayFiles();
    }();
    return files;
}

// An archive file in a folder of its own, removed with its log at the end.
class ScratchArchive {
public:
    ScratchArchive() {
        std::string pattern = (fs::temp_directory_path() / "quintara-bench-XXXXXX").string();
        if (::mkdtemp(pattern.data()) != nullptr) folder_ = pattern;
    }
    ~ScratchArchive() { clear(); }
    ScratchArchive(const ScratchArchive&) = delete;
    ScratchArchive& operator=(const ScratchArchive&) = delete;

    [[nodiscard]] fs::path file() const { return folder_ / "draws.sqlite"; }
    void clear() const {
        std::error_code ignored;
        fs::remove_all(folder_, ignored);
        fs::create_directory(folder_, ignored);
    }

private:
    fs::path folder_;
};

// Opens the archive and imports every day file, as the tool does; the draws
// it added and held.
RecordCounts importDayFiles(const fs::path& file) {
    DrawArchive archive(file);
    RecordCounts total;
    for (const DayFile& day : dayFiles()) {
        const RecordCounts counts = importFile(archive, day.name, day.bytes, std::time(nullptr)).counts;
        total.added += counts.added;
        total.held += counts.held;
    }
    return total;
}

void BM_ImportDayFilesIntoEmptyArchive(benchmark::State& state) {
    const ScratchArchive scratch;
    for (auto _ : state) {
        state.PauseTiming();
        scratch.clear();
        state.ResumeTiming();
        if (importDayFiles(scratch.file()).added != kDayFileDraws) state.SkipWithError("draws were not added");
    }
    state.counters["files"] = static_cast<double>(dayFiles().size());
}
BENCHMARK(BM_ImportDayFilesIntoEmptyArchive)->Unit(benchmark::kMillisecond)->UseRealTime();

void BM_ImportDayFilesAllHeld(benchmark::State& state) {
    const ScratchArchive scratch;
    importDayFiles(scratch.file());
    for (auto _ : state) {
        if (importDayFiles(scratch.file()).held != kDayFileDraws) state.SkipWithError("draws were not held");
    }
}
BENCHMARK(BM_ImportDayFilesAllHeld)->Unit(benchmark::kMillisecond)->UseRealTime();

// The archive of 100,000 draws, 120 a day up to 19 December 2019; each
// iteration records the next draw after it, as a poll does.
void BM_RecordOnePolledDraw(benchmark::State& state) {
    const ScratchArchive scratch;
    DrawArchive archive(scratch.file());
    std::vector<Draw> held;
    for (int newer = 100000 - 1; newer >= 0; --newer) {
        const bench::BenchDraw draw = bench::benchDraw(newer);
        held.push_back({draw.date + "-" + bench::sequenceText(draw.sequence), std::string(draw.text)});
    }
    std::vector<DrawView> views;
    for (const Draw& draw : held) views.push_back({draw.issue, draw.text});
    archive.record(views, DrawOrigin::Feed, 0);
    std::string issue = held.back().issue;
    for (auto _ : state) {
        issue = Issue::parse(issue)->successor().text();
        const DrawView polled{issue, "12345"};
        if (archive.record({&polled, 1}, DrawOrigin::Api, std::time(nullptr)).added != 1) {
            state.SkipWithError("the draw was not added");
        }
    }
}
BENCHMARK(BM_RecordOnePolledDraw)->Unit(benchmark::kMicrosecond)->UseRealTime();

}  // namespace
