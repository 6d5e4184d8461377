#include "misbehaviour.h"

#include <condition_variable>
#include <memory>
#include <mutex>
#include <random>
#include <string>

namespace quintara::provider {
namespace {

constexpr std::uint64_t kFewestPieces = 10;
constexpr std::uint64_t kMostPieces = 40;

// Bytes 0x80 to 0xFF: in no answer's syntax, and no digit.
std::string junk(std::size_t length, std::mt19937_64& random) {
    std::string bytes(length, '\0');
    for (char& byte : bytes) byte = static_cast<char>(0x80U | (random() & 0x7FU));
    return bytes;
}

// The body goes out through `provider` instead, under the same Content-Type.
void sendThrough(httplib::Response& response, httplib::ContentProvider provider) {
    const std::string type = response.get_header_value("Content-Type");
    response.headers.erase("Content-Type");
    const std::size_t length = response.body.size();
    response.body.clear();
    response.set_content_provider(length, type, std::move(provider));
}

void trickle(httplib::Response& response, std::uint64_t detail, std::stop_token stopping) {
    const auto body = std::make_shared<const std::string>(response.body);
    const std::uint64_t pieces = kFewestPieces + detail % (kMostPieces - kFewestPieces + 1);
    const std::size_t piece = (body->size() + pieces - 1) / pieces;
    sendThrough(response, [body, piece, stopping](std::size_t offset, std::size_t length,
                                                  httplib::DataSink& sink) {
        return sink.write(body->data() + offset, std::min(piece, length)) &&
               pauseFor(kTricklePause, stopping);
    });
}

void malform(httplib::Response& response, std::uint64_t detail) {
    std::mt19937_64 random(detail);
    std::string& body = response.body;
    if (detail % 2 == 0 && !body.empty()) {
        const std::size_t cut = random() % body.size();
        body = body.substr(0, cut) + junk(body.size() - cut, random);
    } else {
        body = junk(1 + random() % kLongestJunk, random);
    }
}

void closeEarly(httplib::Response& response, std::uint64_t detail) {
    const auto body = std::make_shared<const std::string>(response.body);
    const std::size_t sent = detail % body->size();
    sendThrough(response, [body, sent](std::size_t, std::size_t, httplib::DataSink& sink) {
        if (sent > 0) sink.write(body->data(), sent);
        return false;  // the library closes the connection
    });
}

}  // namespace

bool pauseFor(std::chrono::milliseconds span, std::stop_token stopping) {
    std::mutex mutex;
    std::condition_variable_any woken;
    std::unique_lock lock(mutex);
    woken.wait_for(lock, stopping, span, [] { return false; });
    return !stopping.stop_requested();
}

void misbehave(const Fate& fate, httplib::Response& response, std::stop_token stopping) {
    // A content provider needs a body to send; an empty one has nothing to spoil.
    if (response.body.empty()) return;
    switch (fate.misdeed) {
        case Misdeed::Slow: return trickle(response, fate.detail, std::move(stopping));
        case Misdeed::Malformed: return malform(response, fate.detail);
        case Misdeed::Closed: return closeEarly(response, fate.detail);
        case Misdeed::Silent:
        case Misdeed::Wrong:
        case Misdeed::Down: return;
    }
}

}  // namespace quintara::provider
