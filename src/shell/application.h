// The main window's behaviour: the handlers of its events (window created,
// two button clicks, three timer ticks) and the routines they run.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "platform/platform.h"
#include "controls/window.h"
#include "draws/draw_history.h"
#include "shell/draw_keeping.h"
#include "shell/startup_extras.h"
#include "sources/draw_providers.h"

namespace quintara {

inline constexpr int kPollingInterval = 8000;    // ms between latest-draw updates
inline constexpr int kOnlineCountInterval = 60000;
// The most draws the history takes from the archive.
inline constexpr int kKeptHistoryLimit = 100000;

class Application {
public:
    // Connects the handlers to the window's buttons and timers. With an
    // archive, the draws are kept there and the history starts from it;
    // without one, nothing outlives the program.
    Application(const Window& window, Platform& platform, DrawProviders& providers,
                StartupExtras& extras, std::optional<ArchivePlace> archive = std::nullopt);

    // The window's created event.
    void windowCreated();

    void clockTick();
    // Tick of the update timer: one poll, then the timer is re-armed.
    void updateTick();
    // Click of the update button: replaces the history with the feed's draws
    // or, with an archive, with the archive's newest draws once the feed's
    // are recorded.
    void fullReload();
    // One poll: true when a newer draw was added at row 1, with the draws
    // before it that the feed holds when it does not follow the newest one;
    // when the feed holds nothing after the newest one, the draw waits for
    // it up to two more polls.
    bool latestDrawUpdate();
    // Shows the newest draw's issue and five digits in the large labels.
    void showNewestDraw();

private:
    // Marks an update or a reload as running for its lifetime. Its requests
    // may dispatch window messages; a tick that falls due meanwhile is
    // skipped and, during an update, the update button takes no click.
    class Running {
    public:
        Running(Application& application, bool holdUpdateButton);
        ~Running();
        Running(const Running&) = delete;
        Running& operator=(const Running&) = delete;

    private:
        Application& application_;
        bool holdUpdateButton_;
    };

    // The last step of the created event: opens the archive and, when it
    // holds draws, starts the history with the newest of them, shows them as
    // an update would, and starts polling.
    void startFromArchive();
    void setStatus(std::string_view text);
    void refreshWhenAutomatic();
    // The history after a reload that fetched `entries`.
    void takeFeed(const std::vector<std::string>& entries);
    // Records the entries that a poll put on top of the history: the one it
    // found with its source's origin, the others (from the feed) as the feed's.
    void recordPolled(const std::vector<std::string>& entries, const NewerDraw& newer);

    const Window& window_;
    Platform& platform_;
    DrawProviders& providers_;
    StartupExtras& extras_;
    DrawHistory history_;
    std::optional<ArchivePlace> archive_;
    DrawKeeping keeping_;
    bool running_ = false;
    // Polls in a row that found a gap the feed held nothing of.
    int pollsGapWaited_ = 0;
};

}  // namespace quintara
