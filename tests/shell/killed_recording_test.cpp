// A program killed (SIGKILL) while its polls record draws leaves an archive
// that opens cleanly, holding every draw it recorded and none half-written:
// a child process polls as fast as it can and tells each recorded issue, and
// is killed at a moment chosen by chance, three times over the same file.
#include <gtest/gtest.h>
#include <poll.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <random>
#include <set>
#include <string>
#include <thread>

#include "archive/draw_archive.h"
#include "controls/memory_controls.h"
#include "support/issues.h"
#include "draws/issue.h"
#include "shell/application.h"
#include "shell/main_window_layout.h"
#include "shell/main_window_names.h"
#include "support/fake_platform.h"
#include "support/fake_providers.h"
#include "support/fake_startup_extras.h"
#include "support/scratch_folder.h"

namespace quintara {
namespace {
using testing::successorOf;

// The digits every draw of an issue has, so that a half-written one shows.
std::string digitsOf(std::string_view issue) {
    char digits[8];
    const Issue parsed = *Issue::parse(issue);
    const auto place = parsed.date().time_since_epoch().count() * kDrawsPerDay + parsed.sequence();
    std::snprintf(digits, sizeof digits, "%05d", static_cast<int>(place * 7919 % 100000));
    return digits;
}

// The child: the program started from the archive, each poll finding the
// draw after the newest one held; each issue recorded is written to `out`, a
// line each.
[[noreturn]] void pollForever(const std::filesystem::path& file, int out) {
    const std::unique_ptr<Window> window = makeMemoryWindow(mainWindowLayout());
    window->checkBox(names::kAutoRefreshBox).setChecked(false);
    testing::FakePlatform platform;
    testing::PreparedProviders providers;
    testing::IdleStartupExtras extras;
    Application application(*window, platform, providers, extras, ArchivePlace{file});
    application.windowCreated();
    const DrawHistory history(window->grid(names::kDrawGrid));
    for (int poll = 0; poll < 1000000; ++poll) {
        const std::string next = successorOf(history.newestIssue());
        providers.newer = next + digitsOf(next);
        window->control<MemoryTimer>(names::kUpdateTimer).tick();
        const std::string line = history.newestIssue() + "\n";
        if (::write(out, line.data(), line.size()) != static_cast<ssize_t>(line.size())) break;
    }
    ::_exit(0);
}

// Reads the lines the child writes until it has told `wanted` issues or
// ends; false when neither happens within a generous time.
bool readIssues(int in, std::size_t wanted, std::string& pending, std::set<std::string>& told) {
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(60);
    while (told.size() < wanted && std::chrono::steady_clock::now() < deadline) {
        pollfd ready{in, POLLIN, 0};
        if (::poll(&ready, 1, 1000) <= 0) continue;
        char bytes[4096];
        const ssize_t count = ::read(in, bytes, sizeof bytes);
        if (count <= 0) return true;
        pending.append(bytes, static_cast<std::size_t>(count));
        for (std::size_t end; (end = pending.find('\n')) != std::string::npos; pending.erase(0, end + 1)) {
            told.insert(pending.substr(0, end));
        }
    }
    return told.size() >= wanted;
}

TEST(KilledRecordingTest, AnArchiveKilledInTheMiddleOfAPollsWriteOpensWithEveryDrawItTold) {
    const testing::ScratchFolder folder;
    const std::filesystem::path file = folder.path() / "draws.sqlite";
    std::mt19937 chance{std::random_device{}()};
    // A draw kept before, so that the program starts polling from it.
    const std::string first = "20180211-001";
    DrawArchive(file).record(std::vector<DrawView>{{first, digitsOf(first)}}, DrawOrigin::Feed, 1);
    std::set<std::string> told{first};
    for (int round = 1; round <= 3; ++round) {
        SCOPED_TRACE("round " + std::to_string(round));
        int pipe[2];
        ASSERT_EQ(::pipe(pipe), 0);
        const pid_t child = ::fork();
        ASSERT_GE(child, 0);
        if (child == 0) {
            ::close(pipe[0]);
            pollForever(file, pipe[1]);
        }
        ::close(pipe[1]);
        std::string pending;
        const bool enough = readIssues(pipe[0], told.size() + 50, pending, told);
        // Somewhere in the next polls, most of whose time is their writes.
        std::this_thread::sleep_for(std::chrono::microseconds(std::uniform_int_distribution(0, 20000)(chance)));
        ::kill(child, SIGKILL);
        int status = 0;
        ::waitpid(child, &status, 0);
        readIssues(pipe[0], SIZE_MAX, pending, told);  // what was told before the kill
        ::close(pipe[0]);
        ASSERT_TRUE(enough) << "the child told too few recorded draws";
        ASSERT_TRUE(WIFSIGNALED(status) && WTERMSIG(status) == SIGKILL);

        const DrawArchive archive(file);
        EXPECT_TRUE(archive.integrityProblems().empty());
        const std::vector<Draw> kept = archive.oldestFirst();
        std::set<std::string> keptIssues;
        for (std::size_t k = 0; k < kept.size(); ++k) {
            keptIssues.insert(kept[k].issue);
            ASSERT_EQ(kept[k].text, digitsOf(kept[k].issue)) << kept[k].issue;
            if (k > 0) {
                ASSERT_EQ(kept[k].issue, successorOf(kept[k - 1].issue));
            }
        }
        for (const std::string& issue : told) EXPECT_TRUE(keptIssues.contains(issue)) << issue;
        // At most one poll a round, whose commit came just before the kill,
        // is kept and untold.
        EXPECT_LE(kept.size(), told.size() + static_cast<std::size_t>(round));
    }
}

}  // namespace
}  // namespace quintara
