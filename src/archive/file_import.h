// One file imported into the archive: its draws recorded in one transaction.
#pragma once

#include <cstdint>
#include <string_view>
#include <vector>

#include "archive/draw_archive.h"
#include "draws/draw_lines.h"

namespace quintara {

struct FileImport {
    RecordCounts counts;
    std::vector<RejectedLine> rejected;
};

// Reads the draws of the file `fileName` (readImportFile) from its bytes and
// records them as imported at `recordedAt`, all or, when the write fails,
// none (ArchiveError).
FileImport importFile(DrawArchive& archive, std::string_view fileName, std::string_view bytes,
                      std::int64_t recordedAt);

}  // namespace quintara
