#include "serve/history_view.h"

#include <algorithm>

namespace quintara {

HistoryView::HistoryView(std::vector<Draw> newestFirst, Statistics statistics)
    : draws_(std::move(newestFirst)), statistics_(std::move(statistics)) {
    views_.reserve(draws_.size());
    for (const Draw& draw : draws_) views_.push_back({draw.issue, draw.text});
}

std::string HistoryView::kept(const std::string& key, const std::function<std::string()>& make) const {
    const std::lock_guard lock(keptMutex_);
    if (const auto found = kept_.find(key); found != kept_.end()) return found->second;
    std::string text = make();
    if (keptOrder_.size() == kMostKept) {
        kept_.erase(keptOrder_.front());
        keptOrder_.erase(keptOrder_.begin());
    }
    keptOrder_.push_back(key);
    kept_.emplace(key, text);
    return text;
}

}  // namespace quintara
