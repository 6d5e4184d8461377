// A loopback host that answers each path with what the test sets, and a
// newly-open list made of given draws.
#pragma once

#include <map>
#include <mutex>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "support/loopback_http_server.h"

namespace quintara::testing {

// One loopback host with whatever sources a test sets: each path answers what
// the test sets (status 404 when it has nothing) and every request is noted.
class LatestDrawHost {
public:
    void set(std::string_view path, std::string body) {
        const std::lock_guard lock(mutex_);
        answers_[std::string(path)] = std::move(body);
    }
    void drop(std::string_view path) {
        const std::lock_guard lock(mutex_);
        answers_.erase(std::string(path));
    }
    [[nodiscard]] std::vector<std::string> requests() {
        const std::lock_guard lock(mutex_);
        return requests_;
    }
    [[nodiscard]] std::string host() const { return server_.host(); }

private:
    void serve(const httplib::Request& request, httplib::Response& response) {
        const std::lock_guard lock(mutex_);
        std::string target = request.path;
        if (!request.params.empty()) target += "?issue=" + request.get_param_value("issue");
        requests_.push_back(target);
        auto found = answers_.find(request.path);
        if (found == answers_.end()) {
            response.status = 404;
            return;
        }
        response.set_content(found->second, "text/plain");
    }

    std::mutex mutex_;
    std::map<std::string, std::string> answers_;
    std::vector<std::string> requests_;
    LoopbackHttpServer server_{[this](httplib::Server& routes) {
        routes.Get(".*", [this](const httplib::Request& request, httplib::Response& response) {
            serve(request, response);
        });
    }};
};

// A newly-open list of (11-digit issue, code) records, in the order given.
inline std::string listOf(const std::vector<std::pair<std::string, std::string>>& draws) {
    std::string list = "<xml>\n";
    for (const auto& [issue, code] : draws) {
        list += "<row expect=\"" + issue + "\" opencode=\"" + code + "\" opentime=\"x\"/>\n";
    }
    return list + "</xml>\n";
}

}  // namespace quintara::testing
