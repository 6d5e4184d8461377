// The library's export: read the skin file, then give qApp its palette and
// style sheet. Nothing may escape to the caller: a bad call just does nothing.
#include <QApplication>
#include <QStyle>
#include <QThread>

#include <fstream>

#include "skin/qt_look.h"
#include "skin/skin_format.h"
#include "skin/skin_library.h"

namespace {

// The whole file, or nothing when it cannot be read or is too large for a
// skin of ours.
std::optional<std::string> readSkinFile(const char* path) {
    std::ifstream file(path, std::ios::binary);
    if (!file) return std::nullopt;
    std::string bytes(quintara::skin::kLargestSkinFile + 1, '\0');
    file.read(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    const auto count = static_cast<std::size_t>(file.gcount());
    if (file.bad() || count > quintara::skin::kLargestSkinFile) return std::nullopt;
    bytes.resize(count);
    return bytes;
}

int attach(const char* skinPath) {
    using namespace quintara::skin;
    auto* application = qobject_cast<QApplication*>(QCoreApplication::instance());
    // Palettes and style sheets belong to the GUI thread.
    if (application == nullptr || skinPath == nullptr ||
        QThread::currentThread() != application->thread()) {
        return kNotAttached;
    }
    const std::optional<std::string> bytes = readSkinFile(skinPath);
    const std::optional<Skin> skin = bytes ? decodeSkin(*bytes) : std::nullopt;
    if (!skin) return kNotAttached;
    QApplication::setPalette(toQPalette(*skin, QApplication::style()->standardPalette()));
    application->setStyleSheet(QString::fromUtf8(skin->styleSheet.data(),
                                                 static_cast<qsizetype>(skin->styleSheet.size())));
    return kAttached;
}

}  // namespace

int SkinH_AttachEx(const char* skinPath, const char*) {
    try {
        return attach(skinPath);
    } catch (...) {
        return quintara::skin::kNotAttached;
    }
}
