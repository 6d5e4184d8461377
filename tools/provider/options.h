// The provider's command line.
#pragma once

#include <chrono>
#include <cstdint>
#include <filesystem>
#include <optional>
#include <set>

#include "draw_answers.h"
#include "source_names.h"

namespace CLI {
class App;
}

namespace quintara::provider {

struct ProviderOptions {
    int port = 18350;  // the port of the program's default provider address
    std::uint32_t seed = 1;
    int days = 3;
    std::chrono::seconds interval{60};
    std::set<Source> down;               // these answer 503
    std::size_t listLength = kNewlyOpenCount;  // draws in the newly-open list
    std::filesystem::path replayFolder;  // empty: random digits from the seed
    std::optional<std::uint32_t> chaosSeed;  // the draw sources misbehave on its schedule
    std::filesystem::path publishedFile;     // empty: the draws published are not written
};

// Declares the provider's options on its command line; reading the command
// line fills in options, which must outlive it.
void declareOptions(CLI::App& commandLine, ProviderOptions& options);

}  // namespace quintara::provider
