// The skin library's one entry point, as the program finds it in the library
// file it wrote: a C function that reads a skin file and gives the running
// Qt application that look. Qt-free, so the core can name it.
#pragma once

namespace quintara::skin {

inline constexpr const char* kAttachExportName = "SkinH_AttachEx";

// 0 when the look was applied; another value when there was no application,
// no readable skin file of ours or the call came from another thread.
using AttachFunction = int (*)(const char* skinPath, const char* password);

inline constexpr int kAttached = 0;
inline constexpr int kNotAttached = 1;

}  // namespace quintara::skin

// Our skin files carry no password: `password` is accepted and ignored.
extern "C" __attribute__((visibility("default"))) int SkinH_AttachEx(const char* skinPath, const char* password);
