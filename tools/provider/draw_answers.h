// The bodies of the four draw sources the program reads: the history feed,
// the lottery API, the newly-open list and the flash data.
#pragma once

#include <chrono>
#include <span>
#include <string>
#include <string_view>

#include "draw_book.h"

namespace quintara::provider {

// How many of the newest draws the newly-open list shows.
inline constexpr std::size_t kNewlyOpenCount = 10;

// XML, one record per line, oldest first, 9-digit issues:
// <row expect="250611001" opencode="1,2,3,4,5" opentime="2025-06-11 00:12:00"/>
[[nodiscard]] std::string historyFeed(std::span<const Draw> draws);

// The answer for one 9-digit issue, looked up among `recent`. A drawn issue
// gets its code first, the only digits between the first ':' and "sw", then
// the tens and units digits as "sw" and "gw":
//   {"code":"1,2,3,4,5","sw":"4","gw":"5","issue":"250612001"}
// An issue not among them gets an answer without "gw", which the program
// passes over: {"code":"","state":"waiting"}
[[nodiscard]] std::string lotteryApiAnswer(std::span<const Draw> recent, std::string_view issue);

// XML like the history feed but newest first and with 11-digit issues;
// `draws` come oldest first.
[[nodiscard]] std::string newlyOpenList(std::span<const Draw> draws);

// The current draw between "result" and "leftTime", its code before its
// 11-digit issue, then the seconds to the next draw:
//   {"result":{"code":"1,2,3,4,5","issue":"20250612001"},"leftTime":42}
[[nodiscard]] std::string flashData(const Draw& current, std::chrono::seconds untilNextDraw);

}  // namespace quintara::provider
