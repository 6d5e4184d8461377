// The draw history as the server's threads read it: the draws and their
// statistics as of one change of the history, never changed afterwards, and
// the JSON made of them, each text made once, by the first request that asks
// for it, for all that ask after it.
#pragma once

#include <cstddef>
#include <functional>
#include <map>
#include <mutex>
#include <span>
#include <string>
#include <vector>

#include "draws/draw.h"
#include "stats/statistics.h"

namespace quintara {

class HistoryView {
public:
    HistoryView(std::vector<Draw> newestFirst, Statistics statistics);
    HistoryView(const HistoryView&) = delete;
    HistoryView& operator=(const HistoryView&) = delete;

    [[nodiscard]] const std::vector<Draw>& draws() const { return draws_; }
    // The same draws as views, for the chart and the fairness tests.
    [[nodiscard]] std::span<const DrawView> views() const { return views_; }
    [[nodiscard]] const Statistics& statistics() const { return statistics_; }

    // The text kept under `key`, made by `make` when there is none yet. One
    // text is made at a time: requests for texts not yet made wait their
    // turn rather than all computing at once.
    [[nodiscard]] std::string kept(const std::string& key, const std::function<std::string()>& make) const;

    // The most texts kept: past them the oldest goes.
    static constexpr std::size_t kMostKept = 16;

private:
    std::vector<Draw> draws_;
    std::vector<DrawView> views_;
    Statistics statistics_;
    mutable std::mutex keptMutex_;
    mutable std::map<std::string, std::string> kept_;
    mutable std::vector<std::string> keptOrder_;  // oldest first
};

}  // namespace quintara
