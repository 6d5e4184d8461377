#include "shell/startup/startup_steps.h"

#include <stdexcept>

#include "shell/startup/banner.h"
#include "shell/fixed_settings.h"
#include "shell/startup/online_count.h"
#include "shell/startup/version_notice.h"

namespace quintara {

StartupAddresses StartupAddresses::forHosts(std::string_view versionHost,
                                            std::string_view bannerHost, std::string_view site) {
    const auto onHost = [](std::string_view host, std::string_view path) {
        return "http://" + std::string(host) + std::string(path);
    };
    return {onHost(versionHost, kVersionPagePath), onHost(bannerHost, kBannerPath),
            std::string(site)};
}

StartupAddresses StartupAddresses::fixed() {
    return forHosts(fixed_settings::kVersionHost, fixed_settings::kBannerHost,
                    fixed_settings::kSiteAddress);
}

StartupSteps::StartupSteps(Platform& platform, StartupAddresses addresses)
    : platform_(platform), addresses_(std::move(addresses)), skin_(platform) {}

const Window& StartupSteps::window() const {
    if (window_ == nullptr) throw std::logic_error("start-up step before the window exists");
    return *window_;
}

void StartupSteps::writeSkinLibrary() { quintara::writeSkinLibrary(platform_); }

void StartupSteps::openMakerSite() { platform_.openAddress(addresses_.site); }

void StartupSteps::applySkin(int number) { skin_.applySkin(number); }

void StartupSteps::showBanner() { quintara::showBanner(window(), platform_, addresses_.banner); }

void StartupSteps::runVersionNotice() {
    quintara::runVersionNotice(window(), platform_, addresses_.versionPage, addresses_.site);
}

void StartupSteps::onlineCountTick() { quintara::onlineCountTick(window(), platform_); }

}  // namespace quintara
