#include "shell/application.h"

#include <string>
#include <utility>

#include "shell/main_window_names.h"
#include "shell/clock_text.h"
#include "shell/fixed_settings.h"
#include "shell/statistics_refresh.h"

namespace quintara {

Application::Application(const Window& window, Platform& platform, DrawProviders& providers,
                         StartupExtras& extras, std::optional<ArchivePlace> archive)
    : window_(window),
      platform_(platform),
      providers_(providers),
      extras_(extras),
      history_(window.grid(names::kDrawGrid)),
      archive_(std::move(archive)),
      keeping_(platform) {
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
    extras_.runVersionNotice();
    history_.setUp();
    window_.timer(names::kOnlineCountTimer).setInterval(kOnlineCountInterval);
    // Last, once the grid is set up: every step before runs as it does
    // without an archive, and the first poll comes a full interval after the
    // history holds the archive's draws.
    startFromArchive();
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
    if (alerts_ != nullptr) alerts_->pollingTick(momentOf(platform_.localTime()), keeping_.archive());
    if (!latestDrawUpdate()) return;
    Timer& update = window_.timer(names::kUpdateTimer);
    update.setInterval(0);
    refreshWhenAutomatic();
    update.setInterval(kPollingInterval);
}

void Application::setStatus(std::string_view text) {
    window_.statusBar(names::kStatusBar).setPartText(0, text);
}

void Application::refreshWhenAutomatic() {
    if (window_.checkBox(names::kAutoRefreshBox).checked()) markAlertingRows(RefreshStatistics(window_));
}

void Application::historyChanged() {
    const bool automatic = window_.checkBox(names::kAutoRefreshBox).checked();
    if (alerts_ == nullptr || alerts_->watch() == nullptr) {
        refreshWhenAutomatic();
        return;
    }
    const Statistics statistics = automatic ? RefreshStatistics(window_) : computeWindowStatistics(window_);
    alerts_->historyChanged(statistics, history_.newestIssue(), momentOf(platform_.localTime()),
                            keeping_.archive());
    if (automatic) markAlertingRows(statistics);
}

}  // namespace quintara
