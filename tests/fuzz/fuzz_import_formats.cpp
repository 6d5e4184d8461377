// The files an import takes, in each of its formats, over any bytes: every
// draw taken is a well-formed one, and no more lines are refused than the
// file has.
#include <algorithm>
#include <array>

#include "archive/import_formats.h"
#include "draws/draw_lines.h"
#include "fuzz_draw_checks.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace quintara;
    const std::string_view bytes = fuzz::bytesOf(data, size);
    const std::size_t lines = static_cast<std::size_t>(std::count(bytes.begin(), bytes.end(), '\n')) + 1;
    for (const std::string_view name : std::array<std::string_view, 4>{
             "20190106.txt", "draws.csv", "historyopen.xml", "draws.dat"}) {
        const DrawsRead read = readImportFile(name, bytes);
        fuzz::require(read.rejected.size() <= lines, "no more lines refused than the file has");
        for (const Draw& draw : read.draws) {
            fuzz::require(drawProblem(draw.issue, draw.text).empty(), "every draw taken is a draw");
            fuzz::requireDrawEntry(draw.issue + draw.text);
        }
        for (const RejectedLine& rejected : read.rejected) {
            fuzz::require(rejected.line >= 1 && static_cast<std::size_t>(rejected.line) <= lines,
                          "a refused line is a line of the file");
            fuzz::require(rejected.reason.size() < 200, "a reason stays short whatever the line");
        }
    }
    return 0;
}
