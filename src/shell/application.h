// The main window's behaviour: the handlers of its events (window created,
// two button clicks, three timer ticks) and the routines they run. The core
// that follows draws does the work; this controller shows what it did in
// the window's controls.
#pragma once

#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "controls/window.h"
#include "follow/draw_follower.h"
#include "platform/platform.h"
#include "shell/alert_sink.h"
#include "shell/draw_history.h"
#include "shell/startup/startup_extras.h"
#include "sources/draw_providers.h"
#include "stats/statistics_lists.h"

namespace quintara {

inline constexpr int kPollingInterval = 8000;    // ms between latest-draw updates
inline constexpr int kOnlineCountInterval = 60000;

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
    // before it that the feed holds when it does not follow the newest one,
    // or draws another program recorded into the archive.
    bool latestDrawUpdate();
    // Shows the newest draw's issue and five digits in the large labels.
    void showNewestDraw();
    // A choice in a count-window box: its list is written again at once, or,
    // while an update or a reload runs, once it has ended.
    void countWindowChosen(CountWindowBox box);

    // Alerts go to `sink` from now on; `rules`, when given, are held for
    // this run instead of the archive's (called before the created event).
    void keepAlerts(AlertSink& sink, std::optional<std::vector<AlertRule>> rules = std::nullopt);
    // New rules, kept in the archive and held against the history at once;
    // gives why they could not be kept in the archive, if they could not
    // (they hold for this run all the same).
    std::optional<std::string> changeAlertRules(std::vector<AlertRule> rules);
    // The rules held now; none before rules are had.
    [[nodiscard]] std::vector<AlertRule> alertRules() const;
    // The archive that is open; null when none is.
    [[nodiscard]] DrawArchive* archive() { return follower_.archive(); }
    // At the end (the window closed, or the program told to end): the draws
    // held unsaved are written once more; true when none is left.
    bool saveHeld();

private:
    // Marks the start-up, an update or a reload as running for its lifetime.
    // Their requests dispatch window messages; a tick or a click on the
    // update button meanwhile starts nothing, during an update the update
    // button takes no click, and a choice made meanwhile takes effect at its
    // end.
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

    // The last step of the created event: starts the history from the
    // archive, shows it as an update would, and starts polling.
    void startFromArchive();
    // The grid after a change of the core's history.
    void showHistory(const HistoryChange& change);
    // The status text, with the mark of draws held unsaved before it.
    void setStatus(std::string_view text);
    // The status part's mark and tool tip, as the sources and the archive are.
    void showKeepingState();
    void refreshWhenAutomatic();
    // After the history changed: the lists refreshed when automatic, the
    // rows that alert marked, and the alerts told.
    void historyChanged(const HistoryChange& change);
    // Draws the rows of the lists just written whose item meets an alert
    // rule in red, their tool tip naming the rules.
    void markAlertingRows(const Statistics& written);
    void tell(const std::vector<AlertRecord>& alerts);
    // The count windows the boxes choose, handed to the core.
    void takeCountWindows();
    // Writes the lists of the boxes chosen while an update or reload ran.
    void applyDeferredChoices();

    const Window& window_;
    Platform& platform_;
    StartupExtras& extras_;
    DrawHistory history_;
    DrawFollower follower_;
    AlertSink* alertSink_ = nullptr;
    bool running_ = false;
    std::array<bool, kCountWindowBoxCount> chosenWhileRunning_{};
    // The status text as written, without the mark.
    std::string status_;
    // The reason of a write failure said in the status part, so that it is
    // said once.
    std::string failureSaid_;
};

}  // namespace quintara
