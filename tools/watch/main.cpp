// quintara-watch: the program's polling without a window. It starts from the
// draw archive, loads the history feed once as a reload does (merged into the
// archive), then polls the three sources with the core the window uses (the
// same gap filling, the same archive, which both may share), records every
// draw, holds the alert rules against the lists and prints every alert as
// one JSON line. With --serve it also serves a live page, a JSON API and
// server-sent events (serve/); with --notify it pushes each alert to the
// channels named (notify/).
// Exit status: 0 when it ran, 1 when no draws could be had or the archive
// cannot be used (or the address served), 2 on bad arguments or rules.
#include <signal.h>

#include <atomic>
#include <cerrno>
#include <chrono>
#include <cstdio>
#include <cstring>
#include <fstream>
#include <iterator>
#include <memory>
#include <optional>
#include <string>
#include <thread>

#include "alert_output.h"
#include "archive/archive_file.h"
#include "follow/draw_follower.h"
#include "platform/system_platform.h"
#include "notify/notifier.h"
#include "notify_options.h"
#include "serve/watch_serving.h"
#include "serve_options.h"
#include "sources/fixed_provider_hosts.h"
#include "sources/network_providers.h"
#include "tool_cli.h"

namespace {

using namespace quintara;

constexpr char kTool[] = "quintara-watch";
constexpr int kRan = 0;
constexpr int kNoDraws = 1;
constexpr int kPollingInterval = 8000;  // ms, as the window polls

// Set by SIGINT and SIGTERM: the watcher ends at the next step it takes,
// its waits giving up at once.
std::atomic<bool> ending{false};

void endWatching(int) { ending = true; }

void onEndingSignals() {
    struct sigaction action{};
    action.sa_handler = endWatching;
    sigemptyset(&action.sa_mask);
    sigaction(SIGINT, &action, nullptr);
    sigaction(SIGTERM, &action, nullptr);
}

struct Request {
    std::optional<std::string> archive;
    std::optional<std::string> rules;
    bool once = false;
    std::optional<std::string> command;
    int interval = kPollingInterval;
    watch::ServeRequest serve;
    watch::NotifyRequest notify;
};

void declareOptions(CLI::App& commandLine, Request& request) {
    commandLine.add_option("--archive", request.archive,
                           "The draw archive to start from and to record into; its folder must exist. "
                           "Default: the user's archive, " + defaultArchiveFile().string() + ".")
        ->type_name("PATH");
    commandLine.add_option("--rules", request.rules,
                           "A JSON file of alert rules to hold instead of the archive's.")
        ->type_name("FILE");
    commandLine.add_flag("--once", request.once, "Loads the draws, holds the rules once, prints and ends.");
    commandLine.add_option("--exec", request.command,
                           "Runs CMD through /bin/sh -c for each alert, with its record in QUINTARA_ALERT "
                           "and its text in QUINTARA_ALERT_TEXT; one at a time, stopped after 10 s.")
        ->type_name("CMD");
    commandLine.add_option("--interval", request.interval, "Milliseconds between polls.")
        ->type_name("MS")
        ->transform(tools::wholeNumber(100, 86'400'000));
    watch::declareServeOptions(commandLine, request.serve);
    watch::declareNotifyOptions(commandLine, request.notify);
    commandLine.get_option("--serve")->excludes("--once");
}

int fail(int status, const std::string& message) {
    std::fprintf(stderr, "%s: %s\n", kTool, message.c_str());
    return status;
}

// The rules of the file, or why they cannot be used.
std::optional<std::vector<AlertRule>> rulesOf(const std::string& file, std::string& why) {
    std::ifstream in(file, std::ios::binary);
    if (!in) {
        why = "cannot read " + file + ": " + std::strerror(errno);
        return std::nullopt;
    }
    const std::string json{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    AlertRulesReading reading = readAlertRules(json);
    if (!reading.good()) {
        why = file + ": " + reading.error;
        return std::nullopt;
    }
    return std::move(reading.rules);
}

// The alerts the archive logged, newest first, for the page; none when the
// log cannot be read.
std::vector<std::string> loggedAlerts(DrawFollower& follower) {
    try {
        return follower.archive() ? follower.archive()->alertLog() : std::vector<std::string>();
    } catch (const std::exception&) {
        return {};
    }
}

// Sleeps for the interval, or less when the watcher is ending.
void pause(std::chrono::milliseconds interval) {
    const auto until = std::chrono::steady_clock::now() + interval;
    while (!ending && std::chrono::steady_clock::now() < until) {
        std::this_thread::sleep_for(std::min<std::chrono::steady_clock::duration>(
            std::chrono::milliseconds(50), until - std::chrono::steady_clock::now()));
    }
}

}  // namespace

int main(int argc, char** argv) {
    tools::ToolCommandLine commandLine(kTool,
                                       "Watches the draws without a window: polls the sources as the program "
                                       "does, records every draw in the archive and prints each alert as one "
                                       "JSON line; serves a live page and pushes the alerts when asked to.");
    Request request;
    declareOptions(commandLine, request);
    if (const auto status = commandLine.read(argc, argv)) return *status;

    std::optional<std::vector<AlertRule>> rules;
    if (request.rules) {
        std::string why;
        rules = rulesOf(*request.rules, why);
        if (!rules) return fail(tools::kBadArguments, why);
    }

    auto pushes = watch::notifySettings(request.notify);
    if (const auto* why = std::get_if<std::string>(&pushes)) return fail(tools::kBadArguments, *why);
    std::optional<ServeSettings> served;
    if (request.serve.address) {
        auto settings = watch::serveSettings(request.serve);
        if (const auto* why = std::get_if<std::string>(&settings)) return fail(tools::kBadArguments, *why);
        served = std::move(std::get<ServeSettings>(settings));
    }

    onEndingSignals();
    SystemPlatform platform;
    platform.interruptWaitsOn(ending);
    NetworkProviders providers(fixedProviderHosts(), platform);
    DrawFollower follower(platform, providers,
                          request.archive ? ArchivePlace{.file = *request.archive} : ArchivePlace::standard());
    if (rules) follower.holdRules(std::move(*rules));
    watch::AlertOutput output(request.command, ending);
    const SystemPushClock pushClock;
    std::optional<Notifier> notifier;
    watch::NotifySettings& notify = std::get<watch::NotifySettings>(pushes);
    if (!notify.channels.empty()) {
        notifier.emplace(std::move(notify.channels), pushClock, notify.quiet,
                         [&output](const PushFailure& failure) { output.pushFailed(failure); });
    }
    std::optional<WatchServing> serving;
    if (served) {
        if (notifier) served->pushChannels = [&notifier] { return notifier->statesJson(); };
        serving.emplace(*served, std::chrono::milliseconds(request.interval));
    }
    // Says a failed write once, until one succeeds again.
    std::string failureSaid;
    const auto show = [&](const HistoryChange& change) {
        output.alertsFired(change.alerts);
        if (notifier) notifier->alertsFired(change.alerts);
        if (follower.unsaved() == 0) {
            failureSaid.clear();
        } else if (follower.saveFailure() != failureSaid) {
            failureSaid = follower.saveFailure();
            output.writeFailed(follower.unsaved(), failureSaid);
        }
        if (serving) serving->followed(follower, change, std::chrono::system_clock::now());
    };

    show(follower.start());
    if (!follower.archiveError().empty()) return fail(kNoDraws, follower.archiveError());
    if (const std::optional<HistoryChange> reloaded = follower.reload()) show(*reloaded);
    if (follower.history().empty()) {
        return fail(kNoDraws, "no draws could be had: neither the archive nor the history feed holds any");
    }
    if (serving) {
        // The page starts with the alerts logged so far, these included.
        serving->startAlerts(loggedAlerts(follower));
        serving->followed(follower, {}, std::chrono::system_clock::now());
        const auto port = serving->start();
        if (const auto* why = std::get_if<std::string>(&port)) return fail(kNoDraws, *why);
        std::fprintf(stderr, "%s: serving on %s\n", kTool, served->address.url(std::get<int>(port)).c_str());
    }
    if (request.once) {
        output.drain();
        if (notifier) notifier->drain(ending);
        return follower.saveHeld() ? kRan : fail(kNoDraws, "draws could not be recorded: " + follower.saveFailure());
    }

    while (!ending) {
        pause(std::chrono::milliseconds(request.interval));
        if (!ending) show(follower.poll());
    }
    // Told to end: draws held unsaved get one more try.
    follower.saveHeld();
    if (serving) serving->stop();
    return kRan;
}
