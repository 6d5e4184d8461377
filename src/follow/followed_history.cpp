#include "follow/followed_history.h"

#include <algorithm>

namespace quintara {

std::string_view FollowedHistory::newestIssue() const {
    return draws_.empty() ? std::string_view() : std::string_view(draws_.front().issue);
}

std::optional<Issue> FollowedHistory::newest() const { return Issue::parse(newestIssue()); }

std::vector<std::string_view> FollowedHistory::texts(std::size_t limit) const {
    std::vector<std::string_view> texts;
    texts.reserve(std::min(limit, draws_.size()));
    for (std::size_t k = 0; k < draws_.size() && k < limit; ++k) texts.emplace_back(draws_[k].text);
    return texts;
}

void FollowedHistory::replace(std::vector<Draw> newestFirst) {
    draws_.clear();
    issues_.clear();
    putOnTop(newestFirst);
}

std::size_t FollowedHistory::putOnTop(std::span<const Draw> newestFirst) {
    std::vector<Draw> fresh;
    for (const Draw& draw : newestFirst) {
        if (issues_.insert(draw.issue).second) fresh.push_back(draw);
    }
    draws_.insert(draws_.begin(), std::make_move_iterator(fresh.begin()), std::make_move_iterator(fresh.end()));
    return fresh.size();
}

void FollowedHistory::merge(std::span<const Draw> draws, std::size_t limit) {
    std::vector<Draw> merged = draws_;
    for (const Draw& draw : draws) {
        if (!issues_.contains(draw.issue)) merged.push_back(draw);
    }
    // Issue numbers sort by their order as they are written; a text that is
    // none sorts as it is written too, which is all that can be said of it.
    std::stable_sort(merged.begin(), merged.end(),
                     [](const Draw& newer, const Draw& older) { return newer.issue > older.issue; });
    merged.resize(std::min(merged.size(), limit));
    replace(std::move(merged));
}

}  // namespace quintara
