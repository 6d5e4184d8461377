#include "source_names.h"

#include <array>
#include <utility>

namespace quintara::provider {

std::optional<Source> sourceNamed(std::string_view name) {
    static constexpr std::array<std::pair<std::string_view, Source>, 5> kNames = {{
        {"api", Source::Api},
        {"list", Source::List},
        {"flash", Source::Flash},
        {"feed", Source::Feed},
        {"version", Source::Version},
    }};
    for (const auto& [known, source] : kNames) {
        if (known == name) return source;
    }
    return std::nullopt;
}

}  // namespace quintara::provider
