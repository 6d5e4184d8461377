#include "shell/application.h"

#include <string>

#include "shell/clock_text.h"
#include "shell/fixed_settings.h"
#include "shell/refresh_statistics.h"
#include "stats/statistics.h"

namespace quintara {

Application::Application(const Window& window, Platform& platform, DrawProviders& providers,
                         StartupExtras& extras)
    : window_(window),
      platform_(platform),
      providers_(providers),
      extras_(extras),
      history_(window.grid(kDrawGridName)) {
    window_.button("按钮_更新号码").onClick([this] { fullReload(); });
    window_.button("按钮_刷新显示").onClick([this] { RefreshStatistics(window_); });
    window_.timer("时钟显示时间").onTick([this] { clockTick(); });
    window_.timer("时钟_自动更新").onTick([this] { updateTick(); });
    window_.timer("人数时钟").onTick([this] { extras_.onlineCountTick(); });
}

void Application::windowCreated() {
    // The hidden HTML viewer starts loading its page as the window comes up;
    // it does not hold up the steps after it.
    window_.htmlViewer("超文本浏览框1").navigate(fixed_settings::kViewerAddress);
    extras_.openMakerSite();
    extras_.applySkin(kSkinInUse);
    extras_.showBanner();
    extras_.runVersionNotice();
    history_.setUp();
    window_.timer("人数时钟").setInterval(kOnlineCountInterval);
}

void Application::clockTick() {
    auto& clock = window_.transparentLabel("透明标签_时间显示");
    clock.setCaption("现在时间： " + CurrentTimeText(platform_));
    clock.setTextColour(clock.textColour() == kBlack ? kRed : kBlack);
}

Application::Running::Running(Application& application, bool holdUpdateButton)
    : application_(application), holdUpdateButton_(holdUpdateButton) {
    application_.running_ = true;
    if (holdUpdateButton_) application_.window_.button("按钮_更新号码").setEnabled(false);
}

Application::Running::~Running() {
    if (holdUpdateButton_) application_.window_.button("按钮_更新号码").setEnabled(true);
    application_.running_ = false;
}

void Application::updateTick() {
    if (running_) return;
    const Running running(*this, true);
    if (!latestDrawUpdate()) return;
    Timer& update = window_.timer("时钟_自动更新");
    update.setInterval(0);
    refreshWhenAutomatic();
    update.setInterval(kPollingInterval);
}

void Application::setStatus(std::string_view text) {
    window_.statusBar("状态条_显示").setPartText(0, text);
}

void Application::refreshWhenAutomatic() {
    if (window_.checkBox("选择框1").checked()) RefreshStatistics(window_);
}

}  // namespace quintara
