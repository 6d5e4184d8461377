// One libcurl transfer run to its end through a multi handle, so that a stop
// request from another thread aborts it at once; the body and the header
// text of the final answer are collected within fixed bounds.
#pragma once

#include <curl/curl.h>

#include <cstddef>
#include <stop_token>
#include <string>

namespace quintara {

inline constexpr std::size_t kMaxBodyBytes = std::size_t{64} << 20;
// Of all answers of a redirect chain. (libcurl 7.88 gives up on one answer's
// headers past some 300 KiB already, which ends the transfer as Failed.)
inline constexpr std::size_t kMaxHeaderBytes = std::size_t{1} << 20;

enum class TransferEnd {
    Completed,   // the answer came in whole
    Failed,      // no connection, the connection broke off, or libcurl gave up
    OverBounds,  // a body past kMaxBodyBytes or headers past kMaxHeaderBytes
    Stopped,     // a stop was requested
};

struct TransferResult {
    TransferEnd end = TransferEnd::Failed;
    std::string body;        // what arrived of the final answer's body
    std::string headerText;  // status line and header lines of the final answer, each
                             // ended by CR LF, then the empty line
};

// Runs the transfer that `easy` is set up for. It takes over the handle's
// write and header callbacks and its largest body size.
[[nodiscard]] TransferResult runTransfer(CURL* easy, std::stop_token stop);

}  // namespace quintara
