// The files an import takes and the draws they hold: history feeds, day
// files and CSV files, each line that holds no draw of its format refused
// with its number and the reason.
#pragma once

#include <optional>
#include <string_view>

#include "draws/draw_lines.h"

namespace quintara {

enum class ImportFormat {
    Feed,     // the history feed document, *.xml
    DayFile,  // "YYYYMMDD.txt": lines "NNN DDDDD" or "NNN -"
    Csv,      // *.csv: lines "issue,digits", the issue YYYYMMDD-NNN or YYYYMMDDNNN
};

// The format a file's name says; none for any other name.
[[nodiscard]] std::optional<ImportFormat> importFormatNamed(std::string_view fileName);

// The draws of a file, read in the format its name says; a file of another
// name is a feed when it holds "expect=", else CSV.
[[nodiscard]] DrawsRead readImportFile(std::string_view fileName, std::string_view bytes);

// A feed's draws in document order. Each line that holds "expect=" or
// "opencode=" is taken for draw elements, parsed as the program parses the
// feed; such a line is refused whole when any element of it is not a draw.
[[nodiscard]] DrawsRead readFeedDraws(std::string_view bytes);

// A CSV file's draws: "issue,digits" per line, spaces and double quotes
// around a field left out. A first line without any digit is its header.
[[nodiscard]] DrawsRead readCsvDraws(std::string_view bytes);

}  // namespace quintara
