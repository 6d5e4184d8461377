// What the provider published, for whoever checks a program against it: the
// draws in the CSV form that quintara-archive exports and imports.
#pragma once

#include <filesystem>
#include <span>
#include <string>

#include "draw_book.h"

namespace quintara::provider {

// A line "issue,digits", then one line "20250612-001,12345" per draw, in the
// order given.
[[nodiscard]] std::string publishedCsv(std::span<const Draw> draws);

// Writes publishedCsv(draws) to `file`, replacing it; false when it cannot.
[[nodiscard]] bool writePublished(const std::filesystem::path& file, std::span<const Draw> draws);

}  // namespace quintara::provider
