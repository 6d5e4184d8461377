// The start-up steps besides the statistics: the skin, the maker's web site,
// the banner, the version notice and the online count.
#pragma once

namespace quintara {

inline constexpr int kSkinInUse = 20;

class StartupExtras {
public:
    virtual ~StartupExtras() = default;

    // Before the window exists.
    virtual void writeSkinLibrary() = 0;
    // When the window is created, in this order.
    virtual void openMakerSite() = 0;
    virtual void applySkin(int number) = 0;
    virtual void showBanner() = 0;
    virtual void runVersionNotice() = 0;
    // Each tick of the online-count timer.
    virtual void onlineCountTick() = 0;
};

// None of the extras: a window that only keeps the draws and their
// statistics, for the tests and benchmarks of the window's behaviour.
class NoStartupExtras : public StartupExtras {
public:
    void writeSkinLibrary() override {}
    void openMakerSite() override {}
    void applySkin(int) override {}
    void showBanner() override {}
    void runVersionNotice() override {}
    void onlineCountTick() override {}
};

}  // namespace quintara
