#include "follow/draw_follower.h"

#include <chrono>
#include <utility>

#include "draws/gap_fill.h"
#include "platform/clock_text.h"

namespace quintara {
namespace {

// The further polls a gap waits for a feed that held nothing after the newest
// held draw, before the found draw goes in without the draws between.
constexpr int kPollsAGapWaits = 2;

DrawOrigin originOf(LatestDrawSource source) {
    switch (source) {
        case LatestDrawSource::LotteryApi: return DrawOrigin::Api;
        case LatestDrawSource::NewlyOpenList: return DrawOrigin::List;
        case LatestDrawSource::FlashData: return DrawOrigin::Flash;
    }
    return DrawOrigin::Api;
}

std::vector<Draw> drawsOf(const std::vector<std::string>& entries) {
    std::vector<Draw> draws;
    draws.reserve(entries.size());
    for (const std::string& entry : entries) draws.push_back(splitEntry(entry));
    return draws;
}

}  // namespace

DrawFollower::DrawFollower(Platform& platform, DrawProviders& providers, std::optional<ArchivePlace> archive)
    : platform_(platform), providers_(providers), place_(std::move(archive)) {}

HistoryChange DrawFollower::start() {
    if (!place_) return {};
    DrawKeeping::Opening opening = keeping_.open(*place_, kKeptHistoryLimit);
    archiveError_ = std::move(opening.error);
    if (DrawArchive* archive = keeping_.archive()) alerts_.takeArchivedRules(*archive);
    if (opening.newest.empty()) return {};
    return replaced(std::move(opening.newest));
}

std::optional<HistoryChange> DrawFollower::reload() {
    std::vector<std::string> entries;
    if (!providers_.fetchHistoryFeed(entries)) return std::nullopt;
    std::vector<Draw> feed = drawsOf(entries);
    if (!keeping_.isOpen()) return replaced(std::move(feed));
    // The feed merged into the archive, then the archive's newest draws: the
    // feed's on top of the older ones kept. When the archive cannot take or
    // give them, the feed's draws join those held, and wait to be written.
    for (const Draw& draw : feed) keeping_.note(draw, DrawOrigin::Feed);
    std::optional<std::vector<Draw>> kept;
    if (keeping_.record(secondsNow())) kept = keeping_.newest(kKeptHistoryLimit);
    if (kept) return replaced(std::move(*kept));
    history_.merge(feed, kKeptHistoryLimit);
    HistoryChange change{.kind = HistoryChange::Kind::Replaced};
    evaluated(change);
    return change;
}

HistoryChange DrawFollower::poll() {
    std::vector<AlertRecord> silence = alerts_.pollingTick(momentOf(platform_.localTime()), alertLog());
    HistoryChange change = takeRecordedElsewhere();
    if (!change.changed()) {
        const bool rulesTaken = change.rulesTaken;
        change = pollSources();
        change.rulesTaken = rulesTaken;
    }
    // A poll that took a draw has written those held with it.
    if (!change.changed() && keeping_.unsaved() > 0) keeping_.record(secondsNow());
    change.alerts.insert(change.alerts.begin(), std::make_move_iterator(silence.begin()),
                         std::make_move_iterator(silence.end()));
    return change;
}

HistoryChange DrawFollower::takeRecordedElsewhere() {
    HistoryChange change;
    if (!keeping_.changedElsewhere()) return change;
    if (DrawArchive* archive = keeping_.archive()) change.rulesTaken = alerts_.takeArchivedRules(*archive);
    const std::optional<std::vector<Draw>> newer =
        keeping_.newerThan(history_.newestIssue(), kKeptHistoryLimit);
    if (newer && !newer->empty()) {
        const bool rulesTaken = change.rulesTaken;
        const std::optional<Issue> newest = history_.newest();
        const std::optional<Issue> oldestTaken = Issue::parse(newer->back().issue);
        change = takeOnTop(*newer, newest && oldestTaken ? issuesMissingBetween(*newest, *oldestTaken) : 0);
        change.recordedElsewhere = true;
        change.rulesTaken = rulesTaken;
    } else if (change.rulesTaken) {
        change.alerts = evaluateAlerts();
    }
    return change;
}

HistoryChange DrawFollower::pollSources() {
    const std::string newestIssue(history_.newestIssue());
    const NewerDraw newer = providers_.findNewerDraw(newestIssue);
    sources_.record(newer, CurrentTimeText(platform_));
    if (!newer.found()) return {};
    const std::optional<Issue> found = Issue::parse(entryView(newer.entry).issue);
    const std::optional<Issue> newest = history_.newest();
    // The sources give only draws after the newest held; one that is no
    // issue number cannot be told apart from a gap, and is not taken.
    if (!found) return {};

    std::vector<std::string> entries{newer.entry};
    std::int64_t missing = 0;
    if (!followsOn(newest, *found)) {
        // Draws may be missing between the newest held one and this one: the
        // feed may hold them. A feed that holds nothing after the newest held
        // draw (a fetch that failed, or a feed behind the source) leaves the
        // gap open: the poll takes nothing and the next ones fetch the feed
        // again, since a draw taken without the ones between would leave
        // them out of the history for good. After kPollsAGapWaits such polls
        // the draw goes in without them.
        std::vector<std::string> feed;
        providers_.fetchHistoryFeed(feed);
        GapFill fill = fillGap(*newest, newer.entry, feed);
        if (fill.feedHeldNone && pollsGapWaited_ < kPollsAGapWaits) {
            ++pollsGapWaited_;
            return {};
        }
        entries = std::move(fill.entries);
        missing = fill.missing;
    }
    pollsGapWaited_ = 0;
    const std::vector<Draw> draws = drawsOf(entries);
    for (const Draw& draw : draws) {
        keeping_.note(draw, draw.issue == found->text() ? originOf(newer.source) : DrawOrigin::Feed);
    }
    return takeOnTop(draws, missing);
}

HistoryChange DrawFollower::takeOnTop(const std::vector<Draw>& newestFirst, std::int64_t missing) {
    HistoryChange change;
    change.added = history_.putOnTop(newestFirst);
    // No issue stands twice in the history: what it holds already is no change.
    if (change.added == 0) return change;
    change.kind = HistoryChange::Kind::OnTop;
    change.missing = missing;
    keeping_.record(secondsNow());
    evaluated(change);
    return change;
}

HistoryChange DrawFollower::replaced(std::vector<Draw> newestFirst) {
    history_.replace(std::move(newestFirst));
    HistoryChange change{.kind = HistoryChange::Kind::Replaced};
    evaluated(change);
    return change;
}

void DrawFollower::evaluated(HistoryChange& change) {
    statistics_.reset();
    std::vector<AlertRecord> fired = evaluateAlerts();
    change.alerts.insert(change.alerts.end(), std::make_move_iterator(fired.begin()),
                         std::make_move_iterator(fired.end()));
}

bool DrawFollower::saveHeld() { return keeping_.unsaved() == 0 || keeping_.record(secondsNow()); }

const Statistics& DrawFollower::statistics() {
    if (!statistics_) {
        const std::vector<std::string_view> texts = history_.texts(kDrawReadLimit);
        statistics_ = computeStatistics({.draws = texts, .selections = selections_});
    }
    return *statistics_;
}

void DrawFollower::chooseCountWindows(const CountWindowSelections& selections) {
    if (selections.items == selections_.items) return;
    selections_ = selections;
    statistics_.reset();
}

void DrawFollower::holdRules(std::vector<AlertRule> rules) {
    alerts_.holdRulesGiven();
    alerts_.useRules(std::move(rules));
}

std::optional<std::string> DrawFollower::changeRules(std::vector<AlertRule> rules) {
    std::optional<std::string> failure;
    if (DrawArchive* archive = keeping_.archive()) failure = alerts_.saveRules(rules, *archive);
    alerts_.useRules(std::move(rules));
    return failure;
}

std::vector<AlertRecord> DrawFollower::evaluateAlerts() {
    const AlertWatch* watch = alerts_.watch();
    if (watch == nullptr || history_.empty()) return {};
    return alerts_.historyChanged(statistics(), history_.newestIssue(), momentOf(platform_.localTime()),
                                  alertLog());
}

DrawArchive* DrawFollower::alertLog() {
    // While draws are held unsaved the archive is failing: the alerts are
    // told without waiting for it a second time.
    return keeping_.unsaved() == 0 ? keeping_.archive() : nullptr;
}

std::int64_t DrawFollower::secondsNow() const {
    return std::chrono::system_clock::to_time_t(momentOf(platform_.localTime()));
}

}  // namespace quintara
