// Start-up extras for the tests of the draws and the window: ones that do
// nothing, and ones that note each step they are asked for.
#pragma once

#include <string>
#include <vector>

#include "shell/startup/startup_extras.h"

namespace quintara::testing {

using IdleStartupExtras = NoStartupExtras;

class RecordingExtras : public StartupExtras {
public:
    void writeSkinLibrary() override { steps.emplace_back("library"); }
    void openMakerSite() override { steps.emplace_back("site"); }
    void applySkin(int number) override { steps.push_back("skin " + std::to_string(number)); }
    void showBanner() override { steps.emplace_back("banner"); }
    void runVersionNotice() override { steps.emplace_back("version"); }
    void onlineCountTick() override { steps.emplace_back("online"); }

    std::vector<std::string> steps;
};

}  // namespace quintara::testing
