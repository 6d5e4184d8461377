// The main window as data: every control with its kind, parent, rectangle,
// caption, font and colours. The Qt shell and the in-memory window are both
// built from this one table.
#pragma once

#include <string_view>

#include "controls/layout_spec.h"

namespace quintara {

inline constexpr std::string_view kMainWindowTitle =
    "【Vorlen团队】Quintara9.0  诚邀代理及会员加入！信誉保障 资金安全 大额无忧 "
    "联系方式：见软件帮助";

// The outer size 817 × 718 less a 3-px frame on each side and a 26-px caption.
inline constexpr int kClientWidth = 811;
inline constexpr int kClientHeight = 689;

[[nodiscard]] const WindowSpec& mainWindowLayout();

}  // namespace quintara
