#include "serve_options.h"

#include <cerrno>
#include <cstring>
#include <fstream>
#include <iterator>

namespace quintara::watch {
namespace {

// The most a token file is read of.
constexpr std::streamsize kTokenFileLimit = 4096;

std::variant<std::optional<AccessToken>, std::string> tokenOf(const ServeRequest& request) {
    if (request.token) {
        std::optional<AccessToken> token = AccessToken::of(*request.token);
        if (!token) return std::string("--token wants 1 to 512 visible ASCII characters, no spaces");
        return token;
    }
    if (!request.tokenFile) return std::optional<AccessToken>();
    std::ifstream in(*request.tokenFile, std::ios::binary);
    if (!in) return "cannot read " + *request.tokenFile + ": " + std::strerror(errno);
    std::string text(static_cast<std::size_t>(kTokenFileLimit), '\0');
    in.read(text.data(), kTokenFileLimit);
    text.resize(static_cast<std::size_t>(in.gcount()));
    std::optional<AccessToken> token = AccessToken::ofFileText(text);
    if (!token) return *request.tokenFile + ": its first line is no token (1 to 512 visible ASCII characters)";
    return token;
}

}  // namespace

void declareServeOptions(CLI::App& commandLine, ServeRequest& request) {
    auto* serve = commandLine.add_option("--serve", request.address,
                                         "Serves a live page, a JSON API and server-sent events on [HOST:]PORT "
                                         "(HOST 127.0.0.1 unless given); a HOST other machines can reach needs "
                                         "--token or --token-file.")
                      ->type_name("[HOST:]PORT");
    auto* token = commandLine.add_option("--token", request.token,
                                         "The token every request to the server must carry, as "
                                         "\"Authorization: Bearer TOKEN\" or ?token=TOKEN.")
                      ->type_name("TOKEN")
                      ->needs(serve);
    commandLine.add_option("--token-file", request.tokenFile,
                           "Reads the token from the first line of FILE, out of sight of other users.")
        ->type_name("FILE")
        ->needs(serve)
        ->excludes(token);
}

std::variant<ServeSettings, std::string> serveSettings(const ServeRequest& request) {
    const std::optional<ListenAddress> address = listenAddressNamed(request.address.value_or(""));
    if (!address) return "--serve wants [HOST:]PORT with a port of 0 to 65535, not \"" + *request.address + "\"";
    auto token = tokenOf(request);
    if (const auto* why = std::get_if<std::string>(&token)) return *why;
    std::optional<AccessToken>& given = std::get<std::optional<AccessToken>>(token);
    if (!given && !address->loopback()) {
        return "--serve " + *request.address + " can be reached from other machines: give --token TOKEN or "
               "--token-file FILE";
    }
    return ServeSettings{.address = *address, .token = std::move(given)};
}

}  // namespace quintara::watch
