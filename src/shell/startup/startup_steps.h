// The start-up extras the program runs: the skin, the maker's web site, the
// banner, the version notice and the online count, over the web addresses
// of the fixed settings (tests give their own).
#pragma once

#include <string>
#include <string_view>

#include "platform/platform.h"
#include "controls/window.h"
#include "shell/startup/skin_loading.h"
#include "shell/startup/startup_extras.h"

namespace quintara {

struct StartupAddresses {
    std::string versionPage;
    std::string banner;
    std::string site;

    // The version page and the banner at their paths on the given hosts
    // ("host" or "host:port"), and the maker's site as it is.
    [[nodiscard]] static StartupAddresses forHosts(std::string_view versionHost,
                                                   std::string_view bannerHost,
                                                   std::string_view site);
    // Those of the fixed settings.
    [[nodiscard]] static StartupAddresses fixed();
};

class StartupSteps final : public StartupExtras {
public:
    explicit StartupSteps(Platform& platform,
                          StartupAddresses addresses = StartupAddresses::fixed());

    // The window the created-event steps work on. The skin library is
    // written before the window exists, so it comes later than the platform.
    void setWindow(const Window& window) { window_ = &window; }

    void writeSkinLibrary() override;
    void openMakerSite() override;
    void applySkin(int number) override;
    void showBanner() override;
    void runVersionNotice() override;
    void onlineCountTick() override;

private:
    [[nodiscard]] const Window& window() const;

    Platform& platform_;
    StartupAddresses addresses_;
    SkinAttacher skin_;
    const Window* window_ = nullptr;
};

}  // namespace quintara
