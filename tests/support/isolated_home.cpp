// Every test program runs with folders of its own: XDG_DATA_HOME and
// XDG_CONFIG_HOME point into a scratch folder, made before main() and
// removed after it, so that no test reads or writes the user's draw archive
// or settings, and the programs a test starts inherit the same.
#include <stdlib.h>

#include <filesystem>

#include "support/scratch_folder.h"

namespace {

class IsolatedHome {
public:
    IsolatedHome() {
        isolate("XDG_DATA_HOME", "data");
        isolate("XDG_CONFIG_HOME", "config");
    }

private:
    void isolate(const char* variable, const char* name) const {
        const std::filesystem::path path = folder_.path() / name;
        std::filesystem::create_directory(path);
        ::setenv(variable, path.c_str(), 1);
    }

    quintara::testing::ScratchFolder folder_;
};

const IsolatedHome home;

}  // namespace
