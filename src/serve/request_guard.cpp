#include "serve/request_guard.h"

namespace quintara {

std::optional<ApiReply> refusal(const ApiRequest& request, const AccessToken* token) {
    if (request.headerBytes > kMostHeaderBytes) return errorReply(431, "请求头超过 8 KiB");
    if (!request.namesHost) return errorReply(400, "HTTP/1.1 请求须有 Host 头");
    if (request.method != "GET" && request.method != "HEAD") {
        ApiReply reply = errorReply(405, "只接受 GET 和 HEAD");
        reply.headers.emplace_back("Allow", "GET, HEAD");
        return reply;
    }
    if (request.carriesBody) return errorReply(413, "不接受请求体");
    if (token == nullptr) return std::nullopt;
    const auto parameter = request.parameters.find("token");
    const std::optional<std::string_view> presented = presentedToken(
        request.authorization, parameter == request.parameters.end() ? nullptr : &parameter->second);
    if (presented && token->admits(*presented)) return std::nullopt;
    ApiReply reply = errorReply(401, presented ? "令牌不对" : "需要令牌：Authorization: Bearer 令牌，或 ?token=令牌");
    reply.headers.emplace_back("WWW-Authenticate", "Bearer");
    return reply;
}

}  // namespace quintara
