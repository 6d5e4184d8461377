// The colour of what a fair game expects, the same in every fairness picture.
#pragma once

#include <QColor>

namespace quintara::qt {

inline const QColor kFairLine(200, 60, 40);

}  // namespace quintara::qt
