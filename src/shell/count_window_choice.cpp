// A choice in a count-window box takes effect at once: the one list counted
// over that window is written again, as a click on 刷新 would write it. An
// update or a reload may be waiting for its answers, window messages going
// on, when the choice is made: the list is then written once it has ended,
// so that nothing starts in the middle of one and no choice is lost.
#include <utility>

#include "shell/application.h"
#include "shell/statistics_refresh.h"

namespace quintara {

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
