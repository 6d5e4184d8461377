// The main window's behaviour: the handlers of its events (window created,
// two button clicks, three timer ticks) and the routines they run.
#pragma once

#include <array>
#include <optional>
#include <string>
#include <vector>

#include "platform/platform.h"
#include "controls/window.h"
#include "draws/draw_history.h"
#include "shell/alert_keeping.h"
#include "shell/draw_keeping.h"
#include "shell/sources_state.h"
#include "shell/startup_extras.h"
#include "sources/draw_providers.h"
#include "stats/statistics_lists.h"

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
    // A choice in a count-window box: its list is written again at once, or,
    // while an update or a reload runs, once it has ended.
    void countWindowChosen(CountWindowBox box);

    // Holds alert rules against the lists from now on: `rules` when given,
    // else the archive's once it is open (called before the created event).
    void keepAlerts(AlertKeeping& alerts, std::optional<std::vector<AlertRule>> rules = std::nullopt);
    // New rules, kept in the archive and held against the history at once.
    void changeAlertRules(std::vector<AlertRule> rules);
    // The rules held now; none before alerts are kept or rules are had.
    [[nodiscard]] std::vector<AlertRule> alertRules() const;
    // The archive that is open; null when none is.
    [[nodiscard]] DrawArchive* archive() { return keeping_.archive(); }

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

    // The last step of the created event: opens the archive and, when it
    // holds draws, starts the history with the newest of them, shows them as
    // an update would, and starts polling.
    void startFromArchive();
    void setStatus(std::string_view text);
    void refreshWhenAutomatic();
    // After the history changed: the lists refreshed when automatic, and
    // the alert rules held against them.
    void historyChanged();
    // The rules the archive keeps, for alerts that were given none.
    void takeArchivedAlertRules();
    // Draws the rows of the lists just written whose item meets an alert
    // rule in red, their tool tip naming the rules.
    void markAlertingRows(const Statistics& written);
    // The history after a reload that fetched `entries`.
    void takeFeed(const std::vector<std::string>& entries);
    // Records the entries that a poll put on top of the history: the one it
    // found with its source's origin, the others (from the feed) as the feed's.
    void recordPolled(const std::vector<std::string>& entries, const NewerDraw& newer);
    // Keeps how the sources answered a poll, and shows it in the status
    // part's tool tip.
    void noteSources(const NewerDraw& poll);
    // Writes the lists of the boxes chosen while an update or reload ran.
    void applyDeferredChoices();

    const Window& window_;
    Platform& platform_;
    DrawProviders& providers_;
    StartupExtras& extras_;
    DrawHistory history_;
    std::optional<ArchivePlace> archive_;
    DrawKeeping keeping_;
    AlertKeeping* alerts_ = nullptr;
    bool alertRulesGiven_ = false;
    bool running_ = false;
    SourcesState sources_;
    std::array<bool, kCountWindowBoxCount> chosenWhileRunning_{};
    // Polls in a row that found a gap the feed held nothing of.
    int pollsGapWaited_ = 0;
};

}  // namespace quintara
