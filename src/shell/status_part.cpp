// The status part tells what the update does (its texts), how the
// latest-draw sources are faring (its tool tip), and whether draws wait
// to be written: a write that fails is said once, and while draws are held
// unsaved every text carries their count before it, the reason in the tool
// tip, until they are written.
#include <string>

#include "shell/application.h"
#include "shell/main_window_names.h"
#include "stats/row_tool_tip.h"

namespace quintara {
namespace {

constexpr std::string_view kWriteFailed = "提示：本地开奖库写入失败，开奖号码暂存内存";
constexpr std::string_view kWrittenAfterAll = "提示：暂存的开奖号码已存入本地开奖库";

std::string unsavedMark(int unsaved) { return "【未存" + std::to_string(unsaved) + "期】"; }

}  // namespace

void Application::setStatus(std::string_view text) {
    status_ = text;
    const int unsaved = follower_.unsaved();
    window_.statusBar(names::kStatusBar).setPartText(0, unsaved > 0 ? unsavedMark(unsaved) + status_ : status_);
}

void Application::showKeepingState() {
    const int unsaved = follower_.unsaved();
    if (unsaved > 0 && failureSaid_.empty()) {
        failureSaid_ = follower_.saveFailure();
        status_ = kWriteFailed;
    } else if (unsaved == 0 && !failureSaid_.empty()) {
        failureSaid_.clear();
        if (status_ == kWriteFailed) status_ = kWrittenAfterAll;
    }
    setStatus(std::string(status_));
    ToolTipLines tip = follower_.sources().toolTip();
    if (unsaved > 0) {
        tip.add(std::to_string(unsaved) + "期开奖号码未存入本地开奖库：" + follower_.saveFailure());
    }
    window_.statusBar(names::kStatusBar).setPartToolTip(0, tip.joined(kToolTipLineBreak));
}

}  // namespace quintara
