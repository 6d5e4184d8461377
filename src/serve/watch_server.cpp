#include "serve/watch_server.h"

#include <sys/socket.h>

#include <httplib.h>

#include <array>
#include <atomic>
#include <cerrno>
#include <cstring>
#include <thread>

#include "serve/api_json.h"
#include "serve/content_policy.h"
#include "serve/request_guard.h"
#include "serve/served_files.h"

namespace quintara {
namespace {

// The header lines the library adds to a request of its own accord.
constexpr std::array kLibraryHeaders{"REMOTE_ADDR", "REMOTE_PORT", "LOCAL_ADDR", "LOCAL_PORT"};

// The bytes of the request line and the header lines as the client sent
// them, CR LF included.
std::size_t headerBytes(const httplib::Request& request) {
    std::size_t bytes = request.method.size() + request.target.size() + request.version.size() + 4;
    for (const auto& [name, value] : request.headers) bytes += name.size() + value.size() + 4;
    for (const char* name : kLibraryHeaders) {
        if (request.has_header(name)) bytes -= std::strlen(name) + request.get_header_value(name).size() + 4;
    }
    return bytes + 2;
}

bool announcesBody(const httplib::Request& request) {
    const std::string length = request.get_header_value("Content-Length");
    return (!length.empty() && length != "0") || request.has_header("Transfer-Encoding");
}

void reply(const ApiReply& made, httplib::Response& response) {
    response.status = made.status;
    for (const auto& [name, value] : made.headers) response.set_header(name, value);
    response.set_content(made.body, made.contentType);
}

}  // namespace

struct WatchServer::Serving {
    Serving(const StateBoard& states, EventHub& streams, ServeSettings asked)
        : board(states), hub(streams), settings(std::move(asked)) {
        route();
    }

    const StateBoard& board;
    EventHub& hub;
    ServeSettings settings;
    httplib::Server server;
    std::thread listening;
    std::atomic<bool> ended = false;  // the listening loop returned
    int listeningSocket = -1;

    // The request as the routing sees it; valid as long as `request` is.
    static ApiRequest seen(const httplib::Request& request) {
        return {.method = request.method,
                .path = request.path,
                .parameters = request.params,
                .authorization = request.has_header("Authorization")
                                     ? std::string_view(request.headers.find("Authorization")->second)
                                     : std::string_view(),
                .headerBytes = headerBytes(request),
                .carriesBody = announcesBody(request),
                .namesHost = request.version != "HTTP/1.1" || request.has_header("Host")};
    }

    httplib::Server::HandlerResponse guard(const httplib::Request& request, httplib::Response& response) const {
        const std::optional<ApiReply> refused = refusal(seen(request), settings.token ? &*settings.token : nullptr);
        if (!refused) return httplib::Server::HandlerResponse::Unhandled;
        reply(*refused, response);
        return httplib::Server::HandlerResponse::Handled;
    }

    void answerRequest(const httplib::Request& request, httplib::Response& response) const {
        const std::shared_ptr<const WatchState> state = board.current();
        if (!state) return reply(errorReply(503, "还没有开奖数据"), response);
        reply(answer(seen(request), *state, settings.pushChannels), response);
    }

    void openStream(httplib::Response& response) {
        std::shared_ptr<EventHub::Stream> stream = hub.open();
        if (!stream) {
            ApiReply full = errorReply(503, "事件流已满（最多 32 个）");
            full.headers.emplace_back("Retry-After", "5");
            return reply(full, response);
        }
        // First the reconnection delay, and the state as it is now.
        const std::shared_ptr<const WatchState> state = board.current();
        std::string first = "retry: 3000\n\n";
        if (state) first += "event: status\ndata: " + healthJson(*state, settings.pushChannels()) + "\n\n";
        const std::chrono::milliseconds keepAlive = settings.keepAlive;
        response.set_chunked_content_provider(
            "text/event-stream", [stream, first = std::move(first), keepAlive](std::size_t offset, httplib::DataSink& sink) {
                if (offset == 0) return sink.write(first.data(), first.size());
                const EventHub::Stream::Taken taken = stream->take(keepAlive);
                switch (taken.next) {
                    case EventHub::Stream::Next::Events:
                        return sink.write(taken.text.data(), taken.text.size());
                    case EventHub::Stream::Next::Quiet:
                        return sink.write(": keep-alive\n\n", 14);
                    case EventHub::Stream::Next::Ended:
                        break;
                }
                sink.done();
                return true;
            });
    }

    void route() {
        server.new_task_queue = [] { return new httplib::ThreadPool(kServingThreads); };
        server.set_socket_options([this](int socket) {
            httplib::default_socket_options(socket);
            listeningSocket = socket;
        });
        server.set_keep_alive_timeout(kIdleLimit.count());
        server.set_read_timeout(kIdleLimit.count());
        server.set_write_timeout(kIdleLimit.count());
        server.set_payload_max_length(0);
        server.set_default_headers({{"Content-Security-Policy", contentSecurityPolicy(watchPage())},
                                    {"X-Content-Type-Options", "nosniff"},
                                    {"Referrer-Policy", "no-referrer"},
                                    {"Cache-Control", "no-store"}});
        server.set_pre_routing_handler(
            [this](const httplib::Request& request, httplib::Response& response) { return guard(request, response); });
        server.Get("/api/events", [this](const httplib::Request&, httplib::Response& response) { openStream(response); });
        server.Get(".*", [this](const httplib::Request& request, httplib::Response& response) {
            answerRequest(request, response);
        });
        server.set_exception_handler([](const httplib::Request&, httplib::Response& response, std::exception_ptr) {
            reply(errorReply(500, "服务出错"), response);
        });
    }
};

WatchServer::WatchServer(const StateBoard& board, EventHub& hub, ServeSettings settings)
    : serving_(std::make_unique<Serving>(board, hub, std::move(settings))) {}

WatchServer::~WatchServer() { stop(); }

std::variant<int, std::string> WatchServer::start() {
    const ListenAddress& address = serving_->settings.address;
    httplib::Server& server = serving_->server;
    errno = 0;
    const int port = address.port == 0 ? server.bind_to_any_port(address.host)
                                       : (server.bind_to_port(address.host, address.port) ? address.port : -1);
    if (port <= 0) {
        return "cannot serve on " + address.url(address.port) + (errno != 0 ? ": " + std::string(std::strerror(errno)) : "");
    }
    // The library listens with a queue of 5 connections, its build's: a page
    // and its requests, or streams opening together, would overflow it and
    // wait for the client to try again. Listening again sets a longer one.
    ::listen(serving_->listeningSocket, kListenQueue);
    serving_->listening = std::thread([serving = serving_.get()] {
        serving->server.listen_after_bind();
        serving->ended = true;
    });
    return port;
}

void WatchServer::stop() {
    if (!serving_->listening.joinable()) return;
    serving_->hub.close();
    // The server stops once its loop runs: a stop before would be lost.
    while (!serving_->server.is_running() && !serving_->ended) std::this_thread::yield();
    serving_->server.stop();
    serving_->listening.join();
}

}  // namespace quintara
