// The Qt boundary for texts: the core's texts are UTF-8.
#pragma once

#include <QString>

#include <string>
#include <string_view>

namespace quintara::qt {

inline QString toQString(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

inline std::string toUtf8(const QString& text) { return text.toUtf8().toStdString(); }

}  // namespace quintara::qt
