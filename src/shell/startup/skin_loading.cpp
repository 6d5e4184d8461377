#include "shell/startup/skin_loading.h"

#include "skin/carried_skins.h"
#include "skin/skin_library.h"

namespace quintara {

std::string skinLibraryPath(const Platform& platform) {
    return platform.programDirectory() + "/" + std::string(kSkinLibraryFileName);
}

void writeSkinLibrary(Platform& platform) {
    platform.writeFile(skinLibraryPath(platform), skin::carriedSkinLibrary());
}

void SkinAttacher::applySkin(int number) {
    const std::string folder = platform_.temporaryDirectory();
    if (folder.empty()) return;
    const std::string skinPath = folder + "/" + std::string(kSkinFileName);
    if (const std::string_view skinFile = skin::carriedSkinFile(number); !skinFile.empty()) {
        platform_.writeFile(skinPath, skinFile);
    }
    library_ = LoadedLibrary(skinLibraryPath(platform_));
    if (const auto attach = library_.function<skin::AttachFunction>(skin::kAttachExportName)) {
        attach(skinPath.c_str(), "");
    }
}

}  // namespace quintara
