#include "shell/application.h"

#include <algorithm>
#include <chrono>
#include <string>
#include <utility>

#include "platform/clock_text.h"
#include "shell/fixed_settings.h"
#include "shell/main_window_names.h"
#include "shell/statistics_refresh.h"
#include "text/regex_object.h"

namespace quintara {
namespace {

// The GUI thread waits for another program's write no longer than this: a
// busy archive is written at the next tick, its draws held meanwhile.
constexpr std::chrono::milliseconds kLongestArchiveWait{100};

std::optional<ArchivePlace> heldBriefly(std::optional<ArchivePlace> place) {
    if (place) place->busyTimeout = std::min(place->busyTimeout, kLongestArchiveWait);
    return place;
}

}  // namespace

Application::Application(const Window& window, Platform& platform, DrawProviders& providers,
                         StartupExtras& extras, std::optional<ArchivePlace> archive)
    : window_(window),
      platform_(platform),
      extras_(extras),
      history_(window.grid(names::kDrawGrid)),
      follower_(platform, providers, heldBriefly(std::move(archive))) {
    window_.button(names::kUpdateButton).onClick([this] { fullReload(); });
    window_.button(names::kRefreshButton).onClick([this] { markAlertingRows(RefreshStatistics(window_)); });
    window_.timer(names::kClockTimer).onTick([this] { clockTick(); });
    window_.timer(names::kUpdateTimer).onTick([this] { updateTick(); });
    window_.timer(names::kOnlineCountTimer).onTick([this] { extras_.onlineCountTick(); });
    for (const CountWindowBox box : kCountWindowBoxes) {
        window_.comboBox(nameOf(box)).onChoice([this, box] { countWindowChosen(box); });
    }
}

void Application::windowCreated() {
    // The banner and the version page are awaited with the window alive: a
    // click on the update button meanwhile starts no reload before the
    // start-up is through, as during a reload.
    const Running running(*this, false);
    // The hidden HTML viewer starts loading its page as the window comes up;
    // it does not hold up the steps after it.
    window_.htmlViewer(names::kHtmlViewer).navigate(fixed_settings::kViewerAddress);
    extras_.openMakerSite();
    extras_.applySkin(kSkinInUse);
    extras_.showBanner();
    // The draws kept fill the grid, the large labels and the lists before the
    // version notice's box stands over the window; the first poll comes a
    // full interval after the history holds them.
    history_.setUp();
    startFromArchive();
    extras_.runVersionNotice();
    window_.timer(names::kOnlineCountTimer).setInterval(kOnlineCountInterval);
}

void Application::startFromArchive() {
    takeCountWindows();
    const HistoryChange change = follower_.start();
    if (!follower_.archiveError().empty()) {
        // At start, as for any file that cannot be the archive: the program
        // goes on without keeping its draws.
        platform_.showMessage("本地开奖库无法打开：" + follower_.archiveError(), "警告：",
                              MessageIcon::Exclamation);
    }
    if (!change.changed()) return;
    showHistory(change);
    showNewestDraw();
    historyChanged(change);
    // The first poll asks for the draw after the newest one kept; a gap to
    // the providers' newest draw is filled as after any poll.
    window_.timer(names::kUpdateTimer).setInterval(kPollingInterval);
}

void Application::clockTick() {
    auto& clock = window_.transparentLabel(names::kClockLabel);
    clock.setCaption("现在时间： " + CurrentTimeText(platform_));
    clock.setTextColour(clock.textColour() == kBlack ? kRed : kBlack);
}

Application::Running::Running(Application& application, bool holdUpdateButton)
    : application_(application), holdUpdateButton_(holdUpdateButton) {
    application_.running_ = true;
    if (holdUpdateButton_) application_.window_.button(names::kUpdateButton).setEnabled(false);
}

Application::Running::~Running() {
    if (holdUpdateButton_) application_.window_.button(names::kUpdateButton).setEnabled(true);
    application_.running_ = false;
    application_.applyDeferredChoices();
}

void Application::updateTick() {
    if (running_) return;
    const Running running(*this, true);
    if (!latestDrawUpdate()) return;
    Timer& update = window_.timer(names::kUpdateTimer);
    update.setInterval(0);
    refreshWhenAutomatic();
    update.setInterval(kPollingInterval);
}

bool Application::latestDrawUpdate() {
    const HistoryChange change = follower_.poll();
    if (!change.changed()) {
        // Alerts of silence or of rules another program saved, and the
        // sources' and the archive's state, all the same.
        if (change.rulesTaken) refreshWhenAutomatic();
        tell(change.alerts);
        showKeepingState();
        return false;
    }
    showHistory(change);
    showNewestDraw();
    std::string status = "提示：奖号于" + CurrentTimeText(platform_) + "成功更新";
    if (change.missing > 0) status += "，缺少" + std::to_string(change.missing) + "期";
    setStatus(status);
    historyChanged(change);
    return true;
}

void Application::fullReload() {
    if (running_) return;
    const Running running(*this, false);
    window_.button(names::kUpdateButton).setEnabled(true);
    setStatus(" 正在更新数据，请稍后......");

    const std::optional<HistoryChange> change = follower_.reload();
    if (!change) {
        // The history and the timer stay as they are; the user learns that
        // nothing more is going on.
        setStatus("提示：数据更新失败，请稍后重试");
        return;
    }
    showHistory(*change);
    window_.timer(names::kUpdateTimer).setInterval(kPollingInterval);
    setStatus("");
    if (!history_.newestIssue().empty()) showNewestDraw();
    historyChanged(*change);
}

bool Application::saveHeld() {
    const bool saved = follower_.saveHeld();
    showKeepingState();
    return saved;
}

void Application::showHistory(const HistoryChange& change) {
    const std::vector<Draw>& draws = follower_.history().draws();
    if (change.kind == HistoryChange::Kind::OnTop) {
        history_.insertNewestDraws(std::span(draws).first(change.added));
    } else if (change.kind == HistoryChange::Kind::Replaced) {
        history_.replaceWith(draws);
    }
}

void Application::refreshWhenAutomatic() {
    if (window_.checkBox(names::kAutoRefreshBox).checked()) markAlertingRows(RefreshStatistics(window_));
}

void Application::historyChanged(const HistoryChange& change) {
    if (window_.checkBox(names::kAutoRefreshBox).checked()) {
        // The core's statistics of the history the grid shows: what the six
        // steps would write, computed once for the lists and the alerts.
        const Statistics& statistics = follower_.statistics();
        writeLists(window_, statistics);
        markAlertingRows(statistics);
    }
    tell(change.alerts);
    showKeepingState();
}

void Application::showNewestDraw() {
    const Draw newest = history_.newestDraw();
    window_.transparentLabel(names::kNewestIssueLabel).setCaption(newest.issue);
    // Groups 1 to 5 of the first match are the five digits, 万 to 个; a draw
    // text that is not five characters long leaves the labels empty.
    RegexObject split;
    split.Create("(.)(.)(.)(.)(.)", newest.text);
    for (std::size_t k = 0; k < names::kNewestDigitLabels.size(); ++k) {
        window_.transparentLabel(names::kNewestDigitLabels[k]).setCaption(
            split.GetSubMatch(1, static_cast<int>(k) + 1));
    }
}

// A choice in a count-window box takes effect at once: the one list counted
// over that window is written again, as a click on 刷新 would write it. An
// update or a reload may be waiting for its answers, window messages going
// on, when the choice is made: the list is then written once it has ended,
// so that nothing starts in the middle of one and no choice is lost.
void Application::countWindowChosen(CountWindowBox box) {
    takeCountWindows();
    if (running_) {
        chosenWhileRunning_[indexOf(box)] = true;
        return;
    }
    markAlertingRows(RefreshCountedList(window_, box));
}

void Application::applyDeferredChoices() {
    for (const CountWindowBox box : kCountWindowBoxes) {
        if (!std::exchange(chosenWhileRunning_[indexOf(box)], false)) continue;
        markAlertingRows(RefreshCountedList(window_, box));
    }
}

void Application::takeCountWindows() { follower_.chooseCountWindows(countWindowSelections(window_)); }

}  // namespace quintara
