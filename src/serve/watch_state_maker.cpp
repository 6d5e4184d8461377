#include "serve/watch_state_maker.h"

#include <algorithm>

#include "alerts/alert_record.h"
#include "serve/api_json.h"

namespace quintara {
namespace {

// The arrivals whose gaps give the pace: the gaps of the last eight.
constexpr std::size_t kArrivalsKept = 9;

}  // namespace

void WatchStateMaker::startAlerts(std::vector<std::string> records) {
    if (records.size() > kAlertsKept) records.resize(kAlertsKept);
    alerts_ = std::make_shared<const std::vector<std::string>>(std::move(records));
}

void WatchStateMaker::drawsArrived(const HistoryChange& change, Clock::time_point now) {
    if (change.kind == HistoryChange::Kind::Replaced) {
        // A new history as a whole: when its newest draw came is not known.
        arrivals_.clear();
        newestArrived_.reset();
        return;
    }
    if (change.kind != HistoryChange::Kind::OnTop) return;
    newestArrived_ = now;
    // Only a draw on its own, right after the one before, tells the pace.
    if (change.added != 1 || change.missing != 0) arrivals_.clear();
    arrivals_.push_back(now);
    if (arrivals_.size() > kArrivalsKept) arrivals_.pop_front();
}

std::optional<WatchStateMaker::Clock::time_point> WatchStateMaker::nextExpected() const {
    if (arrivals_.size() < 2 || !newestArrived_) return std::nullopt;
    std::vector<Clock::duration> gaps;
    for (std::size_t at = 1; at < arrivals_.size(); ++at) gaps.push_back(arrivals_[at] - arrivals_[at - 1]);
    std::nth_element(gaps.begin(), gaps.begin() + static_cast<std::ptrdiff_t>(gaps.size() / 2), gaps.end());
    return *newestArrived_ + gaps[gaps.size() / 2];
}

WatchStateMaker::Step WatchStateMaker::followed(DrawFollower& follower, const HistoryChange& change,
                                                Clock::time_point now) {
    Step step;
    if (!history_ || change.changed()) {
        history_ = std::make_shared<const HistoryView>(follower.history().draws(), follower.statistics());
        drawsArrived(change, now);
    }
    const std::vector<Draw>& draws = history_->draws();
    if (!newestIssue_.empty()) {
        std::size_t newer = 0;
        while (newer < draws.size() && newer < kDrawsTold && draws[newer].issue > newestIssue_) ++newer;
        for (std::size_t at = newer; at-- > 0;) step.events.push_back({"draw", drawJson(draws[at])});
    }
    newestIssue_ = draws.empty() ? std::string() : draws.front().issue;

    if (!change.alerts.empty()) {
        auto alerts = std::make_shared<std::vector<std::string>>();
        for (const AlertRecord& alert : change.alerts) {
            alerts->insert(alerts->begin(), alertJson(alert));
            step.events.push_back({"alert", alerts->front()});
        }
        const std::size_t kept = std::min(alerts_->size(), kAlertsKept - std::min(kAlertsKept, alerts->size()));
        alerts->insert(alerts->end(), alerts_->begin(), alerts_->begin() + static_cast<std::ptrdiff_t>(kept));
        alerts->resize(std::min(alerts->size(), kAlertsKept));
        alerts_ = std::move(alerts);
    }

    step.state = std::make_shared<const WatchState>(WatchState{
        .history = history_,
        .alerts = alerts_,
        .omissionsJson = omissionsJson(history_->statistics(), follower.alertWatch()),
        .sources = follower.sources(),
        .unsaved = follower.unsaved(),
        .saveFailure = follower.saveFailure(),
        .newestArrived = newestArrived_,
        .nextExpected = nextExpected(),
        .pollInterval = pollInterval_,
    });
    return step;
}

}  // namespace quintara
