// The draws the core follows, newest first: what the window's grid shows,
// what the statistics read and what the watcher serves. No issue stands
// twice in it.
#pragma once

#include <cstddef>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <unordered_set>
#include <vector>

#include "draws/draw.h"
#include "draws/issue.h"

namespace quintara {

class FollowedHistory {
public:
    [[nodiscard]] const std::vector<Draw>& draws() const { return draws_; }
    [[nodiscard]] bool empty() const { return draws_.empty(); }
    // The newest issue as held; empty for an empty history.
    [[nodiscard]] std::string_view newestIssue() const;
    // The newest issue, when it is an issue number.
    [[nodiscard]] std::optional<Issue> newest() const;
    // The draw texts of the newest `limit` draws, newest first, valid until
    // the history changes.
    [[nodiscard]] std::vector<std::string_view> texts(std::size_t limit) const;

    // The history becomes these draws, in their order; an issue given twice
    // is taken at its first place.
    void replace(std::vector<Draw> newestFirst);
    // Puts the draws, newest first, above those held, less the ones whose
    // issue is held already or comes twice; gives how many went on top.
    std::size_t putOnTop(std::span<const Draw> newestFirst);
    // The draws held and these, in the order of their issues, newest first,
    // the newest `limit` of them; a draw held stays as it is.
    void merge(std::span<const Draw> draws, std::size_t limit);

private:
    std::vector<Draw> draws_;
    std::unordered_set<std::string> issues_;
};

}  // namespace quintara
