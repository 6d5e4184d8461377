// The files the watcher serves, made by us and compiled into the program
// (resources/watch_page.html, resources/openapi.json): nothing is served from
// the disk.
#pragma once

#include <string_view>

namespace quintara {

[[nodiscard]] std::string_view watchPage();
[[nodiscard]] std::string_view openApiDocument();

}  // namespace quintara
