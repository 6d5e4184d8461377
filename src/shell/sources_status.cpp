// How the latest-draw sources are faring, in the status part's tool tip: the
// status text stays as the update writes it.
#include "shell/application.h"
#include "shell/clock_text.h"
#include "shell/main_window_names.h"

namespace quintara {

void Application::noteSources(const NewerDraw& poll) {
    sources_.record(poll, CurrentTimeText(platform_));
    window_.statusBar(names::kStatusBar)
        .setPartToolTip(0, sources_.toolTip().joined(kToolTipLineBreak));
}

}  // namespace quintara
