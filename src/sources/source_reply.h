// How a latest-draw source answered a poll, from how its request ended and
// what its body held.
#pragma once

#include "net/request_policy.h"
#include "sources/draw_providers.h"

namespace quintara {

// What the body of a source's answer gave: a newer draw, or at least an
// answer of the source's own form.
struct AnswerReading {
    bool newerDraw = false;
    bool sourcesForm = false;
};

// An answer that came whole gives a newer draw when its body holds one,
// whatever its status (as the program has always taken it); otherwise an
// error status fails, and a body not of the source's form is malformed. A
// request that ended otherwise failed the way it ended.
[[nodiscard]] SourceReply replyOf(LatestDrawSource source, const FetchOutcome& outcome,
                                  AnswerReading reading);

}  // namespace quintara
