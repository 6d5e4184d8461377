// The layout's Chinese faces, mapped to the CJK faces a Debian desktop has.
#pragma once

namespace quintara::qt {

void installFontSubstitutes();

}  // namespace quintara::qt
