#include "sources/source_reply.h"

namespace quintara {
namespace {

constexpr long kFirstErrorStatus = 400;

SourceAnswer answerOf(const FetchOutcome& outcome, AnswerReading reading) {
    switch (outcome.end) {
        case TransferEnd::Completed:
            // The program takes a draw from whatever body holds one.
            if (reading.newerDraw) return SourceAnswer::NewerDraw;
            if (outcome.httpStatus >= kFirstErrorStatus) return SourceAnswer::ErrorStatus;
            return reading.sourcesForm ? SourceAnswer::NothingNewer : SourceAnswer::Malformed;
        case TransferEnd::TimedOut:
            return SourceAnswer::TimedOut;
        case TransferEnd::OverBounds:
            return SourceAnswer::Malformed;
        case TransferEnd::Failed:
        case TransferEnd::Stopped:
            break;
    }
    return SourceAnswer::NoAnswer;
}

}  // namespace

SourceReply replyOf(LatestDrawSource source, const FetchOutcome& outcome, AnswerReading reading) {
    return {.source = source, .answer = answerOf(outcome, reading), .httpStatus = outcome.httpStatus};
}

}  // namespace quintara
