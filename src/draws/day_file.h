// Day files: the draws of one calendar day in a file named "YYYYMMDD.txt",
// one line per sequence number, "NNN DDDDD" (the number and the five digits
// of 万 千 百 十 个) or "NNN -" (nothing drawn under that number).
#pragma once

#include <string_view>

#include "draws/draw_lines.h"

namespace quintara {

// "YYYYMMDD.txt": eight digits and ".txt"; whether the date is a real one is
// told by each draw's issue.
[[nodiscard]] bool isDayFileName(std::string_view name);

// The draws of the day file of `date` ("YYYYMMDD"), in line order; a line
// "NNN -" and an empty line hold none and are no error.
[[nodiscard]] DrawsRead readDayFile(std::string_view date, std::string_view bytes);

}  // namespace quintara
