// The watcher's serving on its command line: --serve [HOST:]PORT, and the
// token a HOST other machines can reach needs (--token or --token-file).
#pragma once

#include <optional>
#include <string>
#include <variant>

#include "serve/watch_server.h"
#include "tool_cli.h"

namespace quintara::watch {

struct ServeRequest {
    std::optional<std::string> address;
    std::optional<std::string> token;
    std::optional<std::string> tokenFile;
};

void declareServeOptions(CLI::App& commandLine, ServeRequest& request);

// What the server is to do, or why it cannot (one line, naming no token).
[[nodiscard]] std::variant<ServeSettings, std::string> serveSettings(const ServeRequest& request);

}  // namespace quintara::watch
