#include "draws/history_holes.h"

#include "draws/issue_sequence.h"

namespace quintara {

std::int64_t missingBefore(const DrawHistory& history, int row) {
    return issuesBetween(history.issueAt(row + 1), history.issueAt(row)).value_or(0);
}

}  // namespace quintara
