#include "alert_command.h"

#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <optional>
#include <string_view>
#include <thread>
#include <vector>

extern char** environ;

namespace quintara::watch {
namespace {

constexpr auto kCommandLook = std::chrono::milliseconds(20);
constexpr auto kGrace = std::chrono::milliseconds(500);  // from SIGTERM to SIGKILL

// The watcher's environment with the alert's two variables set.
std::vector<std::string> alertEnvironment(const std::string& record, const std::string& text) {
    std::vector<std::string> variables;
    for (char** variable = environ; *variable != nullptr; ++variable) {
        const std::string_view entry(*variable);
        if (!entry.starts_with("QUINTARA_ALERT=") && !entry.starts_with("QUINTARA_ALERT_TEXT=")) {
            variables.emplace_back(entry);
        }
    }
    variables.push_back("QUINTARA_ALERT=" + record);
    variables.push_back("QUINTARA_ALERT_TEXT=" + text);
    return variables;
}

// A started command's process group: ended and reaped however the run ends.
class ChildGroup {
public:
    explicit ChildGroup(pid_t pid) : pid_(pid) {}
    ~ChildGroup() {
        if (!reaped_) stop();
    }
    ChildGroup(const ChildGroup&) = delete;
    ChildGroup& operator=(const ChildGroup&) = delete;

    // Its exit status once it has exited; none while it runs.
    std::optional<int> exited() {
        int status = 0;
        if (::waitpid(pid_, &status, WNOHANG) != pid_) return std::nullopt;
        reaped_ = true;
        return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    }

    // Asks the whole group to end, then makes it.
    void stop() {
        ::kill(-pid_, SIGTERM);
        for (auto waited = std::chrono::milliseconds(0); waited < kGrace; waited += kCommandLook) {
            if (exited()) return;
            std::this_thread::sleep_for(kCommandLook);
        }
        ::kill(-pid_, SIGKILL);
        ::waitpid(pid_, nullptr, 0);
        reaped_ = true;
    }

private:
    pid_t pid_;
    bool reaped_ = false;
};

}  // namespace

CommandRun runAlertCommand(const std::string& command, const std::string& record, const std::string& text,
                           std::chrono::milliseconds limit, const std::atomic<bool>& ending) {
    std::vector<std::string> variables = alertEnvironment(record, text);
    std::vector<char*> environment;
    for (std::string& variable : variables) environment.push_back(variable.data());
    environment.push_back(nullptr);
    std::string shell = "/bin/sh";
    std::string option = "-c";
    std::string script = command;
    std::vector<char*> arguments{shell.data(), option.data(), script.data(), nullptr};

    posix_spawnattr_t attributes;
    posix_spawnattr_init(&attributes);
    posix_spawnattr_setflags(&attributes, POSIX_SPAWN_SETPGROUP);
    posix_spawnattr_setpgroup(&attributes, 0);  // a group of its own, led by it
    pid_t pid = 0;
    const int error = ::posix_spawn(&pid, shell.c_str(), nullptr, &attributes, arguments.data(),
                                    environment.data());
    posix_spawnattr_destroy(&attributes);
    if (error != 0) return {};

    ChildGroup child(pid);
    CommandRun run{.started = true};
    const auto deadline = std::chrono::steady_clock::now() + limit;
    while (true) {
        if (const std::optional<int> status = child.exited()) {
            run.status = *status;
            return run;
        }
        if (ending.load() || std::chrono::steady_clock::now() >= deadline) {
            child.stop();
            run.stopped = true;
            return run;
        }
        std::this_thread::sleep_for(kCommandLook);
    }
}

}  // namespace quintara::watch
