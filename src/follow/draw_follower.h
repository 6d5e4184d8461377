// The core that follows draws, shared by the window and the watcher: it
// starts from the archive, reloads the history feed, polls the latest-draw
// sources and fills gaps from the feed, records every draw it takes, sees
// what another program recorded into the same archive, computes the
// statistics after each change, holds the alert rules against them and keeps
// the sources' state. It knows no window: each step returns what changed,
// and the window's controller or the watcher shows it.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "alerts/alert_record.h"
#include "archive/archive_file.h"
#include "follow/alert_keeping.h"
#include "follow/draw_keeping.h"
#include "follow/followed_history.h"
#include "follow/sources_state.h"
#include "platform/platform.h"
#include "sources/draw_providers.h"
#include "stats/statistics.h"

namespace quintara {

// The most draws the history takes from the archive.
inline constexpr int kKeptHistoryLimit = 100000;

// What one step did.
struct HistoryChange {
    enum class Kind {
        None,      // the history is as it was
        Replaced,  // the history is new as a whole
        OnTop,     // draws went on top of those held
    };
    Kind kind = Kind::None;
    std::size_t added = 0;     // OnTop: the newest `added` draws are new
    std::int64_t missing = 0;  // OnTop: issues known to be missing below them
    // OnTop: another program recorded them; no source was asked.
    bool recordedElsewhere = false;
    // Another program saved new alert rules, which hold from now on.
    bool rulesTaken = false;
    // The alerts to tell the user of (AlertKeeping).
    std::vector<AlertRecord> alerts;

    [[nodiscard]] bool changed() const { return kind != Kind::None; }
};

class DrawFollower {
public:
    // The platform gives the clock; without an archive place nothing
    // outlives the program.
    DrawFollower(Platform& platform, DrawProviders& providers, std::optional<ArchivePlace> archive);

    // Opens the archive, takes its alert rules (unless rules were given) and
    // starts the history with its newest draws.
    HistoryChange start();
    // Why the archive could not be opened; empty when it was, or there is none.
    [[nodiscard]] const std::string& archiveError() const { return archiveError_; }

    // The full reload: the feed's draws merged into the archive, then the
    // archive's newest; without an archive the feed's draws as they are.
    // None when the feed gave no draw: the history stays as it is.
    std::optional<HistoryChange> reload();
    // One poll. First what another program recorded since the last poll,
    // taken without asking a source; else the sources, for the draw after
    // the newest held. A draw that does not follow on has the draws between
    // taken from the feed; when the feed holds nothing after the newest
    // held, the draw waits for it up to two more polls. Draws held unsaved
    // are written again first, and silence alerts are told.
    HistoryChange poll();
    // Writes the draws held unsaved; true when none is left. For the end.
    bool saveHeld();

    [[nodiscard]] const FollowedHistory& history() const { return history_; }
    // The statistics of the newest 10000 draws with the count windows chosen.
    [[nodiscard]] const Statistics& statistics();
    void chooseCountWindows(const CountWindowSelections& selections);

    // Rules given for this run, held instead of the archive's.
    void holdRules(std::vector<AlertRule> rules);
    // New rules, in force at once and saved in the archive for the other
    // program; gives why they could not be saved, if they could not.
    std::optional<std::string> changeRules(std::vector<AlertRule> rules);
    // The alerts of the rules just changed, over the history held.
    [[nodiscard]] std::vector<AlertRecord> evaluateAlerts();
    [[nodiscard]] const AlertWatch* alertWatch() const { return alerts_.watch(); }

    [[nodiscard]] const SourcesState& sources() const { return sources_; }
    // Draws taken but not yet in the archive, and why.
    [[nodiscard]] int unsaved() const { return keeping_.unsaved(); }
    [[nodiscard]] const std::string& saveFailure() const { return keeping_.failure(); }
    [[nodiscard]] DrawArchive* archive() { return keeping_.archive(); }

private:
    // Puts the draws on top of the history, notes them for the archive with
    // `origin` (`found` with `foundOrigin`), records, and evaluates.
    HistoryChange takeOnTop(const std::vector<Draw>& newestFirst, std::int64_t missing);
    // What another program recorded since the last look.
    HistoryChange takeRecordedElsewhere();
    // Asks the sources.
    HistoryChange pollSources();
    // The history replaced: the statistics stale, the alerts evaluated.
    HistoryChange replaced(std::vector<Draw> newestFirst);
    // After any change: the statistics stale and the alerts evaluated.
    void evaluated(HistoryChange& change);
    [[nodiscard]] std::int64_t secondsNow() const;
    // Where the alerts are logged: the archive, unless it is failing.
    [[nodiscard]] DrawArchive* alertLog();

    Platform& platform_;
    DrawProviders& providers_;
    std::optional<ArchivePlace> place_;
    std::string archiveError_;
    FollowedHistory history_;
    DrawKeeping keeping_;
    AlertKeeping alerts_;
    SourcesState sources_;
    CountWindowSelections selections_;
    std::optional<Statistics> statistics_;  // none while stale
    // Polls in a row that found a gap the feed held nothing of.
    int pollsGapWaited_ = 0;
};

}  // namespace quintara
