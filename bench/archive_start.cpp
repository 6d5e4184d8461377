// The program over its draw archive: the start (the window's created event)
// with an empty archive and with 100,000 draws kept, on the in-memory window
// and on the real Qt window, with the heap the kept history takes; and one
// poll that puts a draw on top of 100,000 and records it.
//
//   build/bench/bench_archive_start
#include <benchmark/benchmark.h>
#include <malloc.h>

#include <SQLiteCpp/Database.h>

#include <memory>
#include <string>
#include <vector>

#include "archive/draw_archive.h"
#include "controls/memory_controls.h"
#include "support/issues.h"
#include "qt_main.h"
#include "real_history.h"
#include "shell/application.h"
#include "shell/main_window_layout.h"
#include "shell/main_window_names.h"
#include "shell/qt/window/main_window.h"
#include "support/fake_platform.h"
#include "support/fake_providers.h"
#include "support/fake_startup_extras.h"
#include "support/scratch_folder.h"

namespace {

using namespace quintara;

constexpr int kKept = kKeptHistoryLimit;

// An archive file holding the newest `count` bench draws.
class BenchArchive {
public:
    explicit BenchArchive(int count) {
        std::vector<std::string> issues;
        std::vector<DrawView> draws;
        issues.reserve(static_cast<std::size_t>(count));
        for (int newer = 0; newer < count; ++newer) {
            const bench::BenchDraw draw = bench::benchDraw(newer);
            issues.push_back(draw.date + "-" + bench::sequenceText(draw.sequence));
            draws.push_back({issues.back(), draw.text});
        }
        DrawArchive(file_).record(draws, DrawOrigin::Import, 0);
    }
    [[nodiscard]] ArchivePlace place() const { return {file_}; }

private:
    testing::ScratchFolder folder_;
    std::filesystem::path file_ = folder_.path() / "draws.sqlite";
};

const BenchArchive& archiveOf(int count) {
    static const BenchArchive empty(0);
    static const BenchArchive full(kKept);
    return count == 0 ? empty : full;
}

std::size_t heapInUse() { return mallinfo2().uordblks; }

// One start of the program over the archive, on the window `makeWindow`
// makes; the counter tells the heap the started program holds beyond the
// window (the resident size of the whole program: bench/program_memory.sh).
template <typename MakeWindow>
void start(benchmark::State& state, MakeWindow makeWindow) {
    const BenchArchive& archive = archiveOf(static_cast<int>(state.range(0)));
    testing::FakePlatform platform;
    testing::NoDraws providers;
    testing::IdleStartupExtras extras;
    double heapGrowth = 0;
    for (auto _ : state) {
        state.PauseTiming();
        auto window = makeWindow();
        const std::size_t heapBefore = heapInUse();
        state.ResumeTiming();
        {
            Application application(window->controls(), platform, providers, extras, archive.place());
            application.windowCreated();
            state.PauseTiming();
            heapGrowth = static_cast<double>(heapInUse() - heapBefore);
            if (window->controls().grid(names::kDrawGrid).rowCount() != static_cast<int>(state.range(0)) + 2) {
                state.SkipWithError("the grid does not hold the kept draws");
            }
        }
        window.reset();
        state.ResumeTiming();
    }
    state.counters["heap_MiB"] = heapGrowth / (1 << 20);
}

// The in-memory window, as the headless program and the tests have it.
struct MemoryWindow {
    std::unique_ptr<Window> window = makeMemoryWindow(mainWindowLayout());
    [[nodiscard]] const Window& controls() const { return *window; }
};

void BM_StartOnMemoryWindow(benchmark::State& state) {
    start(state, [] { return std::make_unique<MemoryWindow>(); });
}
BENCHMARK(BM_StartOnMemoryWindow)->Arg(0)->Arg(kKept)->Unit(benchmark::kMillisecond);

void BM_StartOnQtWindow(benchmark::State& state) {
    start(state, [] {
        auto window = std::make_unique<qt::MainWindow>(mainWindowLayout());
        window->show();
        return window;
    });
}
BENCHMARK(BM_StartOnQtWindow)->Arg(0)->Arg(kKept)->Unit(benchmark::kMillisecond);

// A poll that finds the next draw above 100,000 kept ones: the grid takes it
// and the archive records it (the statistics, which a poll also refreshes,
// are measured in bench_statistics).
void BM_PollRecordsOneDraw(benchmark::State& state) {
    const BenchArchive archive(kKept);
    testing::FakePlatform platform;
    testing::PreparedProviders providers;
    testing::IdleStartupExtras extras;
    const std::unique_ptr<Window> window = makeMemoryWindow(mainWindowLayout());
    Application application(*window, platform, providers, extras, archive.place());
    application.windowCreated();
    window->checkBox(names::kAutoRefreshBox).setChecked(false);
    const DrawHistory history(window->grid(names::kDrawGrid));
    for (auto _ : state) {
        state.PauseTiming();
        providers.newer = testing::successorOf(history.newestIssue()) + "12345";
        state.ResumeTiming();
        window->control<MemoryTimer>(names::kUpdateTimer).tick();
    }
    if (DrawArchive(archive.place().file).drawCount() != kKept + static_cast<int>(state.iterations())) {
        state.SkipWithError("a polled draw was not recorded");
    }
}
BENCHMARK(BM_PollRecordsOneDraw)->Unit(benchmark::kMillisecond);

// The same poll while another program holds the archive's write lock: the
// GUI thread waits about 100 ms for it, then holds the draw for the next poll.
void BM_PollWhileTheArchiveIsBusy(benchmark::State& state) {
    const BenchArchive archive(kKept);
    testing::FakePlatform platform;
    testing::PreparedProviders providers;
    testing::IdleStartupExtras extras;
    const std::unique_ptr<Window> window = makeMemoryWindow(mainWindowLayout());
    Application application(*window, platform, providers, extras, archive.place());
    application.windowCreated();
    window->checkBox(names::kAutoRefreshBox).setChecked(false);
    SQLite::Database other(archive.place().file, SQLite::OPEN_READWRITE);
    other.exec("BEGIN EXCLUSIVE");
    const DrawHistory history(window->grid(names::kDrawGrid));
    for (auto _ : state) {
        state.PauseTiming();
        providers.newer = testing::successorOf(history.newestIssue()) + "12345";
        state.ResumeTiming();
        window->control<MemoryTimer>(names::kUpdateTimer).tick();
    }
    other.exec("ROLLBACK");
    if (application.saveHeld() != true) state.SkipWithError("the draws held were not written once free");
}
BENCHMARK(BM_PollWhileTheArchiveIsBusy)->Unit(benchmark::kMillisecond)->Iterations(10);

}  // namespace

int main(int argc, char** argv) { return quintara::bench::runWithQApplication(argc, argv); }
