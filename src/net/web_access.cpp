#include "net/web_access.h"

#include "net/address_parts.h"
#include "net/cookie_store.h"
#include "net/curl_request.h"
#include "net/curl_transfer.h"
#include "net/request_flags.h"
#include "net/request_headers.h"

namespace quintara {

FetchOutcome webAccess(RequestBlock& block, std::stop_token stop) {
    const AddressParts parts = addressParts(block.address);
    const RequestFlags flags = requestFlags(block.cookies, block.redirectSwitch, parts.secure);
    std::string headerText = requestHeaderText(block, parts.address);
    if (!flags.noCookies) {
        if (const std::string stored = storedCookies(parts.host, parts.path, parts.secure);
            !stored.empty()) {
            headerText.append("Cookie: ").append(stored).append("\r\n");
        }
    }

    const std::string userAgent = userAgentOf(block.extraHeaders);
    const std::optional<CurlRequest> request = makeCurlRequest({.block = block,
                                                                .parts = parts,
                                                                .flags = flags,
                                                                .userAgent = userAgent,
                                                                .headerText = headerText});
    if (!request) {
        block.address.clear();
        return {.error = "no request can be made of this address or method"};
    }
    TransferResult result = runTransfer(request->easy.get(),
                                        webAccessPolicy(!flags.noAutoRedirect), std::move(stop));
    const TransferEnd end = result.outcome.end;
    if (end == TransferEnd::OverBounds || end == TransferEnd::Stopped) {
        result.body.clear();
        result.headerText.clear();
    }
    block.address = std::move(result.body);
    block.cookies = std::move(result.headerText);
    storeSetCookieLines(block.cookies, parts.host);
    return std::move(result.outcome);
}

}  // namespace quintara
