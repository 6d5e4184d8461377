#include "platform/system_platform.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <filesystem>
#include <iostream>

namespace quintara {

LocalTime SystemPlatform::localTime() const {
    const std::time_t now = std::time(nullptr);
    std::tm local{};
    localtime_r(&now, &local);
    return {local.tm_year + 1900, local.tm_mon + 1, local.tm_mday,
            local.tm_hour,        local.tm_min,     local.tm_sec};
}

std::uint32_t SystemPlatform::tickCount() const {
    const auto since = std::chrono::steady_clock::now().time_since_epoch();
    return static_cast<std::uint32_t>(
        std::chrono::duration_cast<std::chrono::milliseconds>(since).count());
}

int SystemPlatform::randomBetween(int low, int high) {
    return std::uniform_int_distribution<int>(low, high)(random_);
}

void SystemPlatform::showMessage(std::string_view text, std::string_view caption, MessageIcon) {
    std::cerr << caption << ' ' << text << '\n';
}

void SystemPlatform::openAddress(std::string_view address) {
    std::cerr << "open " << address << '\n';
}

void SystemPlatform::endProgram() { endRequested_ = true; }

bool SystemPlatform::waitDispatching(const std::function<bool()>& finished, int limitMs) {
    using Clock = std::chrono::steady_clock;
    // A signal handler cannot wake the wait: an interruptible one looks at
    // its flag this often.
    constexpr auto kInterruptLook = std::chrono::milliseconds(50);
    const auto deadline = Clock::now() + std::chrono::milliseconds(limitMs);
    std::unique_lock lock(wakeMutex_);
    while (!finished()) {
        if (interrupted_ != nullptr && interrupted_->load()) return false;
        const unsigned seen = wakeCount_;
        const auto until = interrupted_ != nullptr ? std::min(deadline, Clock::now() + kInterruptLook) : deadline;
        if (!wake_.wait_until(lock, until, [&] { return wakeCount_ != seen; }) && Clock::now() >= deadline) {
            return finished();
        }
    }
    return true;
}

void SystemPlatform::wakeWait() {
    {
        std::lock_guard lock(wakeMutex_);
        ++wakeCount_;
    }
    wake_.notify_all();
}

std::string SystemPlatform::programDirectory() const {
    std::error_code error;
    const auto program = std::filesystem::read_symlink("/proc/self/exe", error);
    return error ? std::string(".") : program.parent_path().string();
}

std::string SystemPlatform::temporaryDirectory() const {
    // A directory of the user's own: the runtime directory where there is
    // one, otherwise a folder with mode 0700 below the shared one. Either
    // must be a real folder (not a link) that only this user can reach.
    const auto isPrivateFolder = [](const std::string& folder) {
        struct stat info{};
        return ::lstat(folder.c_str(), &info) == 0 && S_ISDIR(info.st_mode) &&
               info.st_uid == ::getuid() && (info.st_mode & 077) == 0;
    };
    if (const char* runtime = std::getenv("XDG_RUNTIME_DIR"); runtime && *runtime == '/') {
        std::string folder = runtime;
        while (folder.size() > 1 && folder.back() == '/') folder.pop_back();
        if (isPrivateFolder(folder)) return folder;
    }
    std::error_code error;
    const std::filesystem::path shared = std::filesystem::temp_directory_path(error);
    const std::string own =
        (error ? std::filesystem::path("/tmp") : shared).string() + "/quintara-" +
        std::to_string(::getuid());
    ::mkdir(own.c_str(), 0700);
    return isPrivateFolder(own) ? own : std::string();
}

bool SystemPlatform::writeFile(const std::string& path, std::string_view bytes) {
    // A new file beside the target, renamed over it: a link placed at the
    // target's name is replaced, never followed. mkostemp makes a name no
    // file has (O_EXCL), so no link or leftover file is ever opened either.
    std::string partial = path + ".partial-XXXXXX";
    const int descriptor = ::mkostemp(partial.data(), O_CLOEXEC);
    if (descriptor < 0) return false;
    bool written = true;
    for (std::size_t done = 0; written && done < bytes.size();) {
        const ssize_t count = ::write(descriptor, bytes.data() + done, bytes.size() - done);
        written = count > 0;
        if (written) done += static_cast<std::size_t>(count);
    }
    written = ::close(descriptor) == 0 && written;
    if (!written || std::rename(partial.c_str(), path.c_str()) != 0) {
        ::unlink(partial.c_str());
        return false;
    }
    return true;
}

}  // namespace quintara
