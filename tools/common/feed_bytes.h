// The bytes of a feed file, read as cheaply as the file allows: a regular
// file is mapped and read in place, anything else (standard input, a pipe)
// is read whole.
#pragma once

#include <sys/types.h>

#include <memory>
#include <optional>
#include <string>
#include <string_view>

namespace quintara::tools {

class FeedBytes {
public:
    // The file at `path`, or standard input for "-"; nothing, with errno
    // set, when it cannot be read.
    [[nodiscard]] static std::optional<FeedBytes> read(const std::string& path);

    [[nodiscard]] std::string_view bytes() const;

private:
    struct Unmapper {
        std::size_t size;
        void operator()(char* mapped) const;
    };

    std::unique_ptr<char, Unmapper> mapped_;
    std::string read_;  // when the bytes could not be mapped
};

}  // namespace quintara::tools
