// The main window's behaviour: the handlers of its events (window created,
// two button clicks, three timer ticks) and the routines they run.
#pragma once

#include "platform/platform.h"
#include "controls/window.h"
#include "draws/draw_history.h"
#include "shell/startup_extras.h"
#include "sources/draw_providers.h"

namespace quintara {

inline constexpr int kPollingInterval = 8000;    // ms between latest-draw updates
inline constexpr int kOnlineCountInterval = 60000;

class Application {
public:
    // Connects the handlers to the window's buttons and timers.
    Application(const Window& window, Platform& platform, DrawProviders& providers,
                StartupExtras& extras);

    // The window's created event.
    void windowCreated();

    void clockTick();
    // Tick of the update timer: one poll, then the timer is re-armed.
    void updateTick();
    // Click of the update button: replaces the history with the feed's draws.
    void fullReload();
    // One poll: true when a newer draw was added at row 1, with the draws
    // before it that the feed holds when it does not follow the newest one.
    bool latestDrawUpdate();
    // Shows the newest draw's issue and five digits in the large labels.
    void showNewestDraw();

private:
    // Marks the start-up, an update or a reload as running for its lifetime.
    // Their requests dispatch window messages; a tick or a click on the
    // update button meanwhile starts nothing and, during an update, the
    // update button takes no click.
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

    void setStatus(std::string_view text);
    void refreshWhenAutomatic();

    const Window& window_;
    Platform& platform_;
    DrawProviders& providers_;
    StartupExtras& extras_;
    DrawHistory history_;
    bool running_ = false;
};

}  // namespace quintara
