// Start-up extras that do nothing, for tests of the draws and the window.
#pragma once

#include "shell/startup_extras.h"

namespace quintara::testing {

class IdleStartupExtras : public StartupExtras {
public:
    void writeSkinLibrary() override {}
    void openMakerSite() override {}
    void applySkin(int) override {}
    void showBanner() override {}
    void runVersionNotice() override {}
    void onlineCountTick() override {}
};

}  // namespace quintara::testing
