#include "shell/qt/fonts.h"

#include <QFont>
#include <QStringList>

namespace quintara::qt {

void installFontSubstitutes() {
    const QString serif = QStringLiteral("Noto Serif CJK SC");
    const QString sans = QStringLiteral("Noto Sans CJK SC");
    QFont::insertSubstitutions(QStringLiteral("宋体"), QStringList() << serif << sans);
    QFont::insertSubstitutions(QStringLiteral("微软雅黑"), QStringList() << sans << serif);
}

}  // namespace quintara::qt
