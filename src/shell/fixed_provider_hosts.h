// Where the program finds its draws: the hosts of the fixed settings.
#pragma once

#include <string>

#include "shell/fixed_settings.h"
#include "sources/network_providers.h"

namespace quintara {

inline ProviderHosts fixedProviderHosts() {
    namespace settings = fixed_settings;
    return {std::string(settings::kHistoryHost), std::string(settings::kApiHost),
            std::string(settings::kListHost), std::string(settings::kFlashHost)};
}

}  // namespace quintara
