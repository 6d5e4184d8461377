#include "provider_server.h"

#include <sys/socket.h>

#include "banner.h"
#include "draw_answers.h"
#include "draw_texts.h"
#include "misbehaviour.h"
#include "pages.h"

namespace quintara::provider {
namespace {

constexpr const char* kHost = "127.0.0.1";
constexpr const char* kXml = "text/xml; charset=utf-8";
constexpr const char* kJson = "application/json; charset=utf-8";
constexpr const char* kHtml = "text/html; charset=utf-8";
constexpr int kUnavailable = 503;

// A wrong answer is the one of 1 to this many draws before.
constexpr std::uint64_t kStalestAnswer = 20;

// Carries a misdeed's name from the handler to the request log; taken off
// the answer before it goes out.
constexpr const char* kMisdeedHeader = "X-Quintara-Misdeed";

void unavailable(httplib::Response& response) {
    response.status = kUnavailable;
    response.set_content("Service Unavailable\n", "text/plain");
}

}  // namespace

ProviderServer::ProviderServer(DrawBook& book, const std::set<Source>& down, LogLine log,
                               std::size_t listLength, std::optional<std::uint32_t> chaosSeed)
    : book_(book), down_(down), listLength_(listLength), banner_(bannerGif()) {
    if (chaosSeed) chaos_.emplace(*chaosSeed);
    // The library's own socket options share the port with any other server
    // on it (SO_REUSEPORT), which would split the program's requests between
    // two providers: only a port left in TIME_WAIT may be taken again.
    server_.set_socket_options([](socket_t socket) {
        const int yes = 1;
        setsockopt(socket, SOL_SOCKET, SO_REUSEADDR, &yes, sizeof yes);
    });
    // Every answer is made afresh from the book: nothing may be kept in a cache.
    server_.set_default_headers({{"Cache-Control", "no-store"}});
    // Logged once the status is settled but before the answer goes out, so that
    // whoever has the answer finds its line in the log already. A silent
    // answer is held back here, after its line.
    server_.set_post_routing_handler(
        [this, log = std::move(log)](const httplib::Request& request, httplib::Response& response) {
            const std::string misdeed = response.get_header_value(kMisdeedHeader);
            response.headers.erase(kMisdeedHeader);
            log(request.method + " " + request.target + " " + std::to_string(response.status) +
                (misdeed.empty() ? "" : " " + misdeed));
            if (misdeed == misdeedName(Misdeed::Silent)) pauseFor(kSilence, stopping_.get_token());
        });

    answerSource(Source::Feed, R"(/static/public/ssc/xml/historyopen\.xml)", SIZE_MAX,
                 [](const httplib::Request&, httplib::Response& response, const BookView& view, bool) {
                     response.set_content(historyFeed(view.latest), kXml);
                 });
    // It knows a day's worth of the newest draws only. The provider's day
    // moves on every 120 draws, sooner than the calendar's, while the program
    // keeps asking with today's date: an older day's draw under that issue is
    // not its answer.
    answerSource(Source::Api, R"(/i/lotapi\.html)", kDrawsPerDay,
                 [](const httplib::Request& request, httplib::Response& response,
                    const BookView& view, bool wrong) {
                     if (request.get_param_value("do") != "qkjcode" ||
                         request.get_param_value("lotID") != "255401") {
                         response.status = 404;
                         return;
                     }
                     const std::string issue = wrong ? issueText(view.latest.back(), YearDigits::Two)
                                                     : request.get_param_value("issue");
                     response.set_content(lotteryApiAnswer(view.latest, issue), kJson);
                 });
    answerSource(Source::List, R"(/static/ssc/newlyopenlist\.xml)", listLength_,
                 [](const httplib::Request&, httplib::Response& response, const BookView& view, bool) {
                     response.set_content(newlyOpenList(view.latest), kXml);
                 });
    answerSource(Source::Flash, R"(/lottery/kcflash!getDataForCqsscFlash\.jhtml)", 1,
                 [](const httplib::Request&, httplib::Response& response, const BookView& view, bool) {
                     response.set_content(flashData(view.latest.back(), view.untilNextDraw), kJson);
                 });
    answerSource(Source::Version, R"(/post-7143278-108926659-1\.shtml)", 0,
                 [](const httplib::Request&, httplib::Response& response, const BookView&, bool) {
                     response.set_content(versionPage(), kHtml);
                 });
    answer(R"(/jzm\.gif)", [this](const httplib::Request&, httplib::Response& response) {
        response.set_content(banner_, "image/gif");
    });
    answer("/", [](const httplib::Request&, httplib::Response& response) {
        response.set_content(makerPage(), kHtml);
    });
    answer(R"(/viewer\.html)", [](const httplib::Request&, httplib::Response& response) {
        response.set_content(viewerPage(), kHtml);
    });
}

ProviderServer::~ProviderServer() {
    stopping_.request_stop();
    server_.stop();
}

std::optional<int> ProviderServer::start(int port) {
    const int bound = port == 0 ? server_.bind_to_any_port(kHost)
                                : (server_.bind_to_port(kHost, port) ? port : -1);
    if (bound < 0) return std::nullopt;
    serving_ = std::jthread([this] { server_.listen_after_bind(); });
    // stop() ends only a server that runs already: wait for it to run, so that
    // the destructor never waits for a server it could not stop.
    while (!server_.is_running()) std::this_thread::sleep_for(std::chrono::milliseconds(1));
    return bound;
}

void ProviderServer::answer(const std::string& pattern, httplib::Server::Handler handler) {
    server_.Get(pattern, std::move(handler));
}

void ProviderServer::answerSource(Source source, const std::string& pattern, std::size_t shown,
                                  SourceHandler handler) {
    if (down_.contains(source)) {
        answer(pattern, [](const httplib::Request&, httplib::Response& response) { unavailable(response); });
        return;
    }
    answer(pattern, [this, source, shown, handler = std::move(handler)](
                        const httplib::Request& request, httplib::Response& response) {
        serveSource(source, shown, handler, request, response);
    });
}

void ProviderServer::serveSource(Source source, std::size_t shown, const SourceHandler& handler,
                                 const httplib::Request& request, httplib::Response& response) {
    const std::optional<Fate> fate = chaos_ ? chaos_->next(source, book_.look(0).drawn) : std::nullopt;
    if (!fate) {
        handler(request, response, book_.look(shown), false);
        return;
    }
    response.set_header(kMisdeedHeader, std::string(misdeedName(fate->misdeed)));
    if (fate->misdeed == Misdeed::Down) {
        unavailable(response);
        return;
    }
    const bool wrong = fate->misdeed == Misdeed::Wrong;
    const std::size_t back = wrong ? 1 + fate->detail % kStalestAnswer : 0;
    handler(request, response, book_.look(shown, back), wrong);
    misbehave(*fate, response, stopping_.get_token());
}

}  // namespace quintara::provider
