// A shared library loaded from a file at run time, unloaded when the object
// goes: how the program reaches the skin library it wrote.
#pragma once

#include <memory>
#include <string>

namespace quintara {

class LoadedLibrary {
public:
    LoadedLibrary() = default;
    // Nothing is loaded when the file is missing or is not a library.
    explicit LoadedLibrary(const std::string& path);

    [[nodiscard]] bool loaded() const { return handle_ != nullptr; }

    // The exported function `name` as a `Function`; null when nothing is
    // loaded or the library does not export it.
    template <typename Function>
    [[nodiscard]] Function function(const char* name) const {
        return reinterpret_cast<Function>(symbol(name));
    }

private:
    [[nodiscard]] void* symbol(const char* name) const;

    struct Unloader {
        void operator()(void* handle) const;
    };
    std::unique_ptr<void, Unloader> handle_;
};

}  // namespace quintara
