// Every test program runs with folders of its own: XDG_DATA_HOME and
// XDG_CONFIG_HOME point into a fresh temporary folder, made before main()
// and removed after it, so that no test reads or writes the user's draw
// archive or settings, and the programs a test starts inherit the same.
#include <stdlib.h>

#include <filesystem>
#include <string>
#include <system_error>

namespace {

class IsolatedHome {
public:
    IsolatedHome() {
        const std::filesystem::path temporary = std::filesystem::temp_directory_path();
        std::string pattern = (temporary / "quintara-test-XXXXXX").string();
        if (::mkdtemp(pattern.data()) == nullptr) std::abort();  // no test may run on the user's files
        folder_ = pattern;
        isolate("XDG_DATA_HOME", "data");
        isolate("XDG_CONFIG_HOME", "config");
    }
    ~IsolatedHome() {
        std::error_code ignored;
        std::filesystem::remove_all(folder_, ignored);
    }
    IsolatedHome(const IsolatedHome&) = delete;
    IsolatedHome& operator=(const IsolatedHome&) = delete;

private:
    void isolate(const char* variable, const char* name) const {
        const std::filesystem::path path = folder_ / name;
        std::filesystem::create_directory(path);
        ::setenv(variable, path.c_str(), 1);
    }

    std::filesystem::path folder_;
};

const IsolatedHome home;

}  // namespace
