// A loopback HTTP server of raw sockets for tests where the exact bytes
// matter: it records every request as it arrived, byte for byte, and lets
// each test script the answer (silent, dripping, cut off ...).
#pragma once

#include <arpa/inet.h>
#include <netinet/in.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

#include <cctype>
#include <chrono>
#include <functional>
#include <mutex>
#include <stdexcept>
#include <stop_token>
#include <string>
#include <string_view>
#include <thread>
#include <utility>
#include <vector>

namespace quintara::testing {

class SocketHandle {
public:
    explicit SocketHandle(int descriptor = -1) : descriptor_(descriptor) {}
    SocketHandle(SocketHandle&& other) noexcept
        : descriptor_(std::exchange(other.descriptor_, -1)) {}
    SocketHandle& operator=(SocketHandle&& other) noexcept {
        std::swap(descriptor_, other.descriptor_);
        return *this;
    }
    ~SocketHandle() {
        if (descriptor_ >= 0) ::close(descriptor_);
    }
    [[nodiscard]] int get() const { return descriptor_; }

private:
    int descriptor_;
};

// An answer of status 200 with a Content-Length, ending the connection.
inline std::string httpAnswer(std::string_view body, std::string_view extraHeaderLines = {},
                              std::string_view status = "200 OK") {
    return "HTTP/1.1 " + std::string(status) +
           "\r\nContent-Length: " + std::to_string(body.size()) + "\r\nConnection: close\r\n" +
           std::string(extraHeaderLines) + "\r\n" + std::string(body);
}

class RawConnection {
public:
    RawConnection(int descriptor, std::stop_token stop, std::function<void(std::string)> record)
        : socket_(descriptor), stop_(std::move(stop)), record_(std::move(record)) {}

    // Reads one request: its header block and as many body bytes as its
    // Content-Length names, and records it. Empty when the peer went first.
    std::string readRequest() {
        std::string request = std::exchange(pending_, {});
        std::size_t headerEnd;
        while ((headerEnd = request.find("\r\n\r\n")) == std::string::npos) {
            if (!receiveInto(request)) return {};
        }
        const std::size_t total = headerEnd + 4 + contentLength(request.substr(0, headerEnd));
        while (request.size() < total) {
            if (!receiveInto(request)) break;
        }
        if (request.size() > total) {
            pending_ = request.substr(total);
            request.resize(total);
        }
        record_(request);
        return request;
    }

    bool send(std::string_view bytes) {
        while (!bytes.empty()) {
            const ssize_t sent = ::send(socket_.get(), bytes.data(), bytes.size(), MSG_NOSIGNAL);
            if (sent <= 0) return false;
            bytes.remove_prefix(static_cast<std::size_t>(sent));
        }
        return true;
    }

    // Waits for `time`; false when the server is stopping meanwhile.
    bool pause(std::chrono::milliseconds time) {
        const auto until = std::chrono::steady_clock::now() + time;
        while (std::chrono::steady_clock::now() < until) {
            if (stop_.stop_requested()) return false;
            std::this_thread::sleep_for(std::chrono::milliseconds(10));
        }
        return !stop_.stop_requested();
    }

    // Says nothing more until the server stops.
    void waitForStop() {
        while (pause(std::chrono::milliseconds(50))) {
        }
    }

private:
    static std::size_t contentLength(std::string_view header) {
        std::string lower(header);
        for (char& c : lower) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
        const std::size_t at = lower.find("\r\ncontent-length:");
        return at == std::string::npos ? 0 : std::stoul(lower.substr(at + 17, 20));
    }

    bool receiveInto(std::string& into) {
        pollfd ready{.fd = socket_.get(), .events = POLLIN, .revents = 0};
        while (::poll(&ready, 1, 50) == 0) {
            if (stop_.stop_requested()) return false;
        }
        char buffer[16384];
        const ssize_t count = ::recv(socket_.get(), buffer, sizeof buffer, 0);
        if (count <= 0) return false;
        into.append(buffer, static_cast<std::size_t>(count));
        return true;
    }

    SocketHandle socket_;
    std::stop_token stop_;
    std::function<void(std::string)> record_;
    std::string pending_;
};

class RawHttpServer {
public:
    using Handler = std::function<void(RawConnection&)>;

    // Listens on 127.0.0.1 at a free port and serves one connection after
    // the other with `handler`.
    explicit RawHttpServer(Handler handler) : handler_(std::move(handler)) {
        listener_ = SocketHandle(::socket(AF_INET, SOCK_STREAM, 0));
        const int reuse = 1;
        ::setsockopt(listener_.get(), SOL_SOCKET, SO_REUSEADDR, &reuse, sizeof reuse);
        sockaddr_in address{};
        address.sin_family = AF_INET;
        address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
        socklen_t length = sizeof address;
        if (::bind(listener_.get(), reinterpret_cast<sockaddr*>(&address), sizeof address) != 0 ||
            ::listen(listener_.get(), 16) != 0 ||
            ::getsockname(listener_.get(), reinterpret_cast<sockaddr*>(&address), &length) != 0) {
            throw std::runtime_error("no loopback port for the test server");
        }
        port_ = ntohs(address.sin_port);
        serving_ = std::jthread([this](std::stop_token stop) { serve(stop); });
    }

    [[nodiscard]] int port() const { return port_; }
    [[nodiscard]] std::string address(std::string_view path = "/") const {
        return "http://127.0.0.1:" + std::to_string(port_) + std::string(path);
    }

    [[nodiscard]] std::vector<std::string> requests() const {
        std::lock_guard lock(mutex_);
        return requests_;
    }

private:
    void serve(const std::stop_token& stop) {
        while (!stop.stop_requested()) {
            pollfd ready{.fd = listener_.get(), .events = POLLIN, .revents = 0};
            if (::poll(&ready, 1, 50) <= 0) continue;
            const int descriptor = ::accept(listener_.get(), nullptr, nullptr);
            if (descriptor < 0) continue;
            RawConnection connection(descriptor, stop, [this](std::string request) {
                std::lock_guard lock(mutex_);
                requests_.push_back(std::move(request));
            });
            handler_(connection);
        }
    }

    Handler handler_;
    SocketHandle listener_;
    int port_ = 0;
    mutable std::mutex mutex_;
    std::vector<std::string> requests_;
    std::jthread serving_;  // last: stopped and joined before the rest goes
};

// A server's handler that gives every request the same raw answer.
inline RawHttpServer::Handler answering(std::string answer) {
    return [answer = std::move(answer)](RawConnection& connection) {
        if (!connection.readRequest().empty()) connection.send(answer);
    };
}

}  // namespace quintara::testing
