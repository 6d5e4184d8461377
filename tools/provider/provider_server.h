// The provider's HTTP server on 127.0.0.1: every address the program
// fetches, answered from the draw book.
#pragma once

#include <httplib.h>

#include <cstdint>
#include <functional>
#include <optional>
#include <set>
#include <stop_token>
#include <string>
#include <thread>

#include "chaos_schedule.h"
#include "draw_answers.h"
#include "draw_book.h"
#include "source_names.h"

namespace quintara::provider {

// Takes one line of the request log: method, target with its query, status,
// and the misdeed's name when the answer misbehaves ("silent", "down", ...).
using LogLine = std::function<void(const std::string& line)>;

class ProviderServer {
public:
    // The sources in `down` answer 503 and the newly-open list shows the
    // newest `listLength` draws; with a chaos seed the draw sources misbehave
    // on its schedule (chaos_schedule.h). The book must outlive the server.
    ProviderServer(DrawBook& book, const std::set<Source>& down, LogLine log,
                   std::size_t listLength = kNewlyOpenCount,
                   std::optional<std::uint32_t> chaosSeed = std::nullopt);
    // Stops serving, cutting short every silent or slow answer, and waits for
    // the serving thread.
    ~ProviderServer();

    ProviderServer(const ProviderServer&) = delete;
    ProviderServer& operator=(const ProviderServer&) = delete;

    // Listens on 127.0.0.1 at `port` (0: any free port) and serves on a thread
    // of its own. The port it listens on, or nothing when it cannot listen.
    [[nodiscard]] std::optional<int> start(int port);

private:
    // How a source answers over the book's `shown` newest draws; `wrong`: it
    // gives a wrong draw, the view being stale already (the lottery API's
    // answer is then for another issue than the one asked).
    using SourceHandler = std::function<void(const httplib::Request& request,
                                             httplib::Response& response,
                                             const BookView& view, bool wrong)>;

    void answer(const std::string& pattern, httplib::Server::Handler handler);
    void answerSource(Source source, const std::string& pattern, std::size_t shown,
                      SourceHandler handler);
    // One request to a source, misbehaving when the schedule says so.
    void serveSource(Source source, std::size_t shown, const SourceHandler& handler,
                     const httplib::Request& request, httplib::Response& response);

    DrawBook& book_;
    const std::set<Source> down_;
    const std::size_t listLength_;
    const std::string banner_;
    std::optional<ChaosSchedule> chaos_;
    std::stop_source stopping_;  // requested when the server stops
    httplib::Server server_;
    std::jthread serving_;
};

}  // namespace quintara::provider
