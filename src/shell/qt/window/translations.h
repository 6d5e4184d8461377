// Qt's own Chinese texts for its standard buttons and dialogs (确定, 取消,
// 保存), from the translations the system carries.
#pragma once

namespace quintara::qt {

// Installs them into the running QApplication; without them Qt's English
// texts stay. False when they are not there.
bool installChineseTranslations();

}  // namespace quintara::qt
