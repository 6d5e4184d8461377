// The provider's command line.
#pragma once

#include <chrono>
#include <cstdint>
#include <filesystem>
#include <set>
#include <span>
#include <stdexcept>
#include <string_view>

#include "draw_answers.h"
#include "source_names.h"

namespace quintara::provider {

struct ProviderOptions {
    int port = 18350;  // the port of the program's default provider address
    std::uint32_t seed = 1;
    int days = 3;
    std::chrono::seconds interval{60};
    std::set<Source> down;               // these answer 503
    std::size_t listLength = kNewlyOpenCount;  // draws in the newly-open list
    std::filesystem::path replayFolder;  // empty: random digits from the seed
    bool help = false;
};

// A command line the provider cannot take; what() says why.
class OptionsError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// The options after the program name. Throws OptionsError.
[[nodiscard]] ProviderOptions parseOptions(std::span<const std::string_view> arguments);

// What --help prints, and what a bad command line gets on standard error.
extern const std::string_view kUsage;

}  // namespace quintara::provider
