// A real HTTP server on 127.0.0.1 at a port the system picks, serving the
// routes a test gives it on a thread of its own for its lifetime.
#pragma once

#include <httplib.h>

#include <atomic>
#include <functional>
#include <stdexcept>
#include <string>
#include <string_view>
#include <thread>

namespace quintara::testing {

class LoopbackHttpServer {
public:
    explicit LoopbackHttpServer(const std::function<void(httplib::Server&)>& routes) {
        routes(server_);
        port_ = server_.bind_to_any_port("127.0.0.1");
        if (port_ <= 0) throw std::runtime_error("no loopback port to listen on");
        // Connections wait in the socket's queue until the thread serves them.
        thread_ = std::thread([this] {
            server_.listen_after_bind();
            served_ = true;
        });
    }

    ~LoopbackHttpServer() {
        // The server can only be stopped once its loop runs.
        while (!server_.is_running() && !served_) std::this_thread::yield();
        server_.stop();
        thread_.join();
    }

    LoopbackHttpServer(const LoopbackHttpServer&) = delete;
    LoopbackHttpServer& operator=(const LoopbackHttpServer&) = delete;

    // "127.0.0.1:port"
    [[nodiscard]] std::string host() const { return "127.0.0.1:" + std::to_string(port_); }
    [[nodiscard]] std::string address(std::string_view path) const {
        return "http://" + host() + std::string(path);
    }

private:
    httplib::Server server_;
    int port_ = 0;
    std::atomic<bool> served_ = false;
    std::thread thread_;
};

// "127.0.0.1:port" of a port on which nothing listens any more: that of a
// server that has stopped.
inline std::string closedLoopbackHost() {
    return LoopbackHttpServer([](httplib::Server&) {}).host();
}

}  // namespace quintara::testing
