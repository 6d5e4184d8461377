#include "feed_bytes.h"

#include <fcntl.h>
#include <sys/mman.h>
#include <sys/stat.h>
#include <unistd.h>

#include <array>
#include <cerrno>

namespace quintara::tools {
namespace {

// Closes the descriptor when it goes; a mapping made of it stays.
class Descriptor {
public:
    explicit Descriptor(int descriptor) : descriptor_(descriptor) {}
    ~Descriptor() {
        if (descriptor_ > STDERR_FILENO) ::close(descriptor_);
    }
    Descriptor(const Descriptor&) = delete;
    Descriptor& operator=(const Descriptor&) = delete;
    [[nodiscard]] int get() const { return descriptor_; }

private:
    int descriptor_;
};

bool readWhole(int descriptor, std::string& into) {
    std::array<char, 1 << 16> buffer;
    for (;;) {
        const ssize_t got = ::read(descriptor, buffer.data(), buffer.size());
        if (got == 0) return true;
        if (got < 0 && errno != EINTR) return false;
        if (got > 0) into.append(buffer.data(), static_cast<std::size_t>(got));
    }
}

}  // namespace

void FeedBytes::Unmapper::operator()(char* mapped) const { ::munmap(mapped, size); }

std::optional<FeedBytes> FeedBytes::read(const std::string& path) {
    const Descriptor file(path == "-" ? STDIN_FILENO : ::open(path.c_str(), O_RDONLY | O_CLOEXEC));
    if (file.get() < 0) return std::nullopt;
    FeedBytes feed;
    struct stat info{};
    if (::fstat(file.get(), &info) == 0 && S_ISREG(info.st_mode) && info.st_size > 0) {
        const auto size = static_cast<std::size_t>(info.st_size);
        void* mapped = ::mmap(nullptr, size, PROT_READ, MAP_PRIVATE | MAP_POPULATE, file.get(), 0);
        if (mapped != MAP_FAILED) {
            feed.mapped_ = std::unique_ptr<char, Unmapper>(static_cast<char*>(mapped), {size});
            return feed;
        }
    }
    if (!readWhole(file.get(), feed.read_)) return std::nullopt;
    return feed;
}

std::string_view FeedBytes::bytes() const {
    if (mapped_) return {mapped_.get(), mapped_.get_deleter().size};
    return read_;
}

}  // namespace quintara::tools
