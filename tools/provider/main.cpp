// quintara-provider: serves a simulated five-digit game on 127.0.0.1 until
// SIGINT or SIGTERM, logging every request on standard error.
#include <csignal>
#include <cstdio>
#include <string>

#include "day_files.h"
#include "digit_sources.h"
#include "options.h"
#include "provider_server.h"
#include "published_draws.h"
#include "tool_cli.h"

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
    quintara::tools::ToolCommandLine commandLine(
        "quintara-provider",
        "Serves a simulated five-digit game on 127.0.0.1: the history feed, the lottery API, the "
        "newly-open list, the flash data, the version page, the banner and two pages.");
    ProviderOptions options;
    declareOptions(commandLine, options);
    if (const auto status = commandLine.read(argc, argv)) return *status;
    DigitSource digits;
    try {
        digits = options.replayFolder.empty() ? randomDigits(options.seed)
                                              : replayDigits(readDayFiles(options.replayFolder));
    } catch (const std::exception& error) {
        std::fprintf(stderr, "quintara-provider: %s\n", error.what());
        return quintara::tools::kBadArguments;
    }

    // The signals wait for sigwait below: blocked here, before the server's
    // threads start, so that none of them takes one.
    const sigset_t signals = stopSignals();
    pthread_sigmask(SIG_BLOCK, &signals, nullptr);

    DrawBook book(options.days, options.interval, std::move(digits),
                  [] { return std::chrono::system_clock::now(); });
    ProviderServer server(book, options.down, logLine, options.listLength, options.chaosSeed);
    const auto port = server.start(options.port);
    if (!port) {
        std::fprintf(stderr, "quintara-provider: cannot listen on 127.0.0.1:%d\n", options.port);
        return 1;
    }
    std::fprintf(stderr, "quintara-provider: serving on http://127.0.0.1:%d/\n", *port);

    int signal = 0;
    sigwait(&signals, &signal);
    std::fprintf(stderr, "quintara-provider: stopping\n");
    if (!options.publishedFile.empty() &&
        !writePublished(options.publishedFile, book.look(SIZE_MAX).latest)) {
        std::fprintf(stderr, "quintara-provider: cannot write %s\n", options.publishedFile.c_str());
        return 1;
    }
    return 0;
}
