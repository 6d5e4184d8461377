// How a misbehaving draw source answers: the answer it would give, made into
// the misdeed's (see chaos_schedule.h).
#pragma once

#include <httplib.h>

#include <chrono>
#include <stop_token>

#include "chaos_schedule.h"

namespace quintara::provider {

// How long a silent source keeps quiet before it answers: past every time-out
// of the program (5 s for a latest-draw source, 30 s for the whole feed).
inline constexpr std::chrono::seconds kSilence{40};

// A slow answer comes in 10 to 40 pieces, this far apart.
inline constexpr std::chrono::milliseconds kTricklePause{100};

// The longest malformed answer of binary bytes alone.
inline constexpr std::size_t kLongestJunk = 64 * 1024;

// Waits `span`, or less when `stopping` is requested; false when it was.
bool pauseFor(std::chrono::milliseconds span, std::stop_token stopping);

// Turns the answer in `response`, its body and Content-Type set, into the
// fate's:
//   Slow       the body in 10 to 40 pieces, kTricklePause after each;
//   Malformed  the body cut at a random byte and the rest replaced by as many
//              bytes with the high bit set (broken JSON or XML), or such bytes
//              alone, 1 to kLongestJunk; never ASCII, so that no junk reads as
//              a digit or a marker;
//   Closed     the headers and a random part of the body short of its end,
//              then the connection closes.
// The other misdeeds choose the answer or hold it back, which is the
// server's; the answer is left as it is for them.
void misbehave(const Fate& fate, httplib::Response& response, std::stop_token stopping);

}  // namespace quintara::provider
