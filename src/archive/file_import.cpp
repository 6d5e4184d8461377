#include "archive/file_import.h"

#include "archive/import_formats.h"

namespace quintara {

FileImport importFile(DrawArchive& archive, std::string_view fileName, std::string_view bytes,
                      std::int64_t recordedAt) {
    DrawsRead read = readImportFile(fileName, bytes);
    std::vector<DrawView> draws;
    draws.reserve(read.draws.size());
    for (const Draw& draw : read.draws) draws.push_back({draw.issue, draw.text});
    return {archive.record(draws, DrawOrigin::Import, recordedAt), std::move(read.rejected)};
}

}  // namespace quintara
