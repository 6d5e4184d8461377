#include "shell/qt/window/fonts.h"

#include <QFont>
#include <QStringList>

namespace quintara::qt {

using namespace Qt::StringLiterals;

void installFontSubstitutes() {
    const QString serif = u"Noto Serif CJK SC"_s;
    const QString sans = u"Noto Sans CJK SC"_s;
    QFont::insertSubstitutions(u"宋体"_s, QStringList() << serif << sans);
    QFont::insertSubstitutions(u"微软雅黑"_s, QStringList() << sans << serif);
}

}  // namespace quintara::qt
