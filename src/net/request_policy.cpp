#include "net/request_policy.h"

namespace quintara {

std::string describeOutcome(const FetchOutcome& outcome, std::size_t bodyBytes,
                            const RequestPolicy& policy) {
    const std::string status =
        outcome.httpStatus == 0 ? std::string("no answer") : std::to_string(outcome.httpStatus);
    const auto because = [&outcome](std::string_view what) {
        std::string line(what);
        if (!outcome.error.empty()) line += ": " + outcome.error;
        return line;
    };
    switch (outcome.end) {
        case TransferEnd::Completed:
            if (policy.errorStatusFails && outcome.httpStatus >= 400) {
                return status + " (an error status: no body)";
            }
            return status + ", " + std::to_string(bodyBytes) + " bytes";
        case TransferEnd::Failed:
            return because("failed (" + status + ")");
        case TransferEnd::TimedOut:
            return because("timed out (" + status + ")");
        case TransferEnd::OverBounds:
            return "refused: the answer is larger than the limits (" + status + ")";
        case TransferEnd::Stopped:
            return "stopped before it ended (" + status + ")";
    }
    return status;
}

}  // namespace quintara
