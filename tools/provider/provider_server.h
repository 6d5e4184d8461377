// The provider's HTTP server on 127.0.0.1: every address the program
// fetches, answered from the draw book.
#pragma once

#include <httplib.h>

#include <functional>
#include <optional>
#include <set>
#include <string>
#include <thread>

#include "draw_answers.h"
#include "draw_book.h"
#include "source_names.h"

namespace quintara::provider {

// Takes one line of the request log: method, target with its query, status.
using LogLine = std::function<void(const std::string& line)>;

class ProviderServer {
public:
    // The sources in `down` answer 503 and the newly-open list shows the
    // newest `listLength` draws; the book must outlive the server.
    ProviderServer(DrawBook& book, const std::set<Source>& down, LogLine log,
                   std::size_t listLength = kNewlyOpenCount);
    ~ProviderServer();  // stops serving and waits for the serving thread

    ProviderServer(const ProviderServer&) = delete;
    ProviderServer& operator=(const ProviderServer&) = delete;

    // Listens on 127.0.0.1 at `port` (0: any free port) and serves on a thread
    // of its own. The port it listens on, or nothing when it cannot listen.
    [[nodiscard]] std::optional<int> start(int port);

private:
    void answer(const std::string& pattern, httplib::Server::Handler handler);
    void answerSource(Source source, const std::string& pattern, httplib::Server::Handler handler);

    DrawBook& book_;
    const std::set<Source> down_;
    const std::size_t listLength_;
    const std::string banner_;
    httplib::Server server_;
    std::jthread serving_;
};

}  // namespace quintara::provider
