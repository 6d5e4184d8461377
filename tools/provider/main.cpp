// quintara-provider: serves a simulated five-digit game on 127.0.0.1 until
// SIGINT or SIGTERM, logging every request on standard error.
#include <csignal>
#include <cstdio>
#include <string>
#include <vector>

#include "day_files.h"
#include "digit_sources.h"
#include "options.h"
#include "provider_server.h"

namespace {

using namespace quintara::provider;

sigset_t stopSignals() {
    sigset_t signals;
    sigemptyset(&signals);
    sigaddset(&signals, SIGINT);
    sigaddset(&signals, SIGTERM);
    return signals;
}

void logLine(const std::string& line) { std::fprintf(stderr, "%s\n", line.c_str()); }

}  // namespace

int main(int argc, char** argv) {
    const std::vector<std::string_view> arguments(argv + 1, argv + argc);
    ProviderOptions options;
    DigitSource digits;
    try {
        options = parseOptions(arguments);
        if (options.help) {
            std::fwrite(kUsage.data(), 1, kUsage.size(), stdout);
            return 0;
        }
        digits = options.replayFolder.empty() ? randomDigits(options.seed)
                                              : replayDigits(readDayFiles(options.replayFolder));
    } catch (const std::exception& error) {
        std::fprintf(stderr, "quintara-provider: %s\n", error.what());
        std::fwrite(kUsage.data(), 1, kUsage.size(), stderr);
        return 2;
    }

    // The signals wait for sigwait below: blocked here, before the server's
    // threads start, so that none of them takes one.
    const sigset_t signals = stopSignals();
    pthread_sigmask(SIG_BLOCK, &signals, nullptr);

    DrawBook book(options.days, options.interval, std::move(digits),
                  [] { return std::chrono::system_clock::now(); });
    ProviderServer server(book, options.down, logLine, options.listLength);
    const auto port = server.start(options.port);
    if (!port) {
        std::fprintf(stderr, "quintara-provider: cannot listen on 127.0.0.1:%d\n", options.port);
        return 1;
    }
    std::fprintf(stderr, "quintara-provider: serving on http://127.0.0.1:%d/\n", *port);

    int signal = 0;
    sigwait(&signals, &signal);
    std::fprintf(stderr, "quintara-provider: stopping\n");
    return 0;
}
