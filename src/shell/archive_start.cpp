#include "shell/application.h"
#include "shell/main_window_names.h"

namespace quintara {

void Application::startFromArchive() {
    if (!archive_) return;
    const std::vector<Draw> kept = keeping_.open(*archive_, kKeptHistoryLimit);
    takeArchivedAlertRules();
    if (kept.empty()) return;
    history_.replaceWithDraws(kept);
    showNewestDraw();
    historyChanged();
    // The first poll asks for the draw after the newest one kept; a gap to
    // the providers' newest draw is filled as after any poll.
    window_.timer(names::kUpdateTimer).setInterval(kPollingInterval);
}

}  // namespace quintara
