// Rows of the statistics lists: a label in column 0 and a count with its
// unit in column 1 ("17 期", "12次", "3期").
#pragma once

#include <string_view>

#include "controls/controls.h"

namespace quintara {

// Appends an item: column 0 = `label`, column 1 = `count` in decimal directly
// followed by `suffix`, and the item's detail (moved into the list) when it
// has one.
void appendCountRow(ListView& list, std::string_view label, int count, std::string_view suffix,
                    RowDetail* detail);

}  // namespace quintara
