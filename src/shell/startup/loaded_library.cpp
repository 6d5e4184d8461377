#include "shell/startup/loaded_library.h"

#include <dlfcn.h>

namespace quintara {

// The path holds a slash, so only that file is tried, never a search path.
LoadedLibrary::LoadedLibrary(const std::string& path)
    : handle_(::dlopen(path.c_str(), RTLD_NOW | RTLD_LOCAL)) {}

void* LoadedLibrary::symbol(const char* name) const {
    return handle_ ? ::dlsym(handle_.get(), name) : nullptr;
}

void LoadedLibrary::Unloader::operator()(void* handle) const { ::dlclose(handle); }

}  // namespace quintara
