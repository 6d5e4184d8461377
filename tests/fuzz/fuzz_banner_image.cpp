// The bytes of the banner, given to the main window's picture box as the
// banner host sends them.
#include <QApplication>
#include <QLabel>

#include "fuzz_checks.h"
#include "shell/qt/window/qt_controls.h"

namespace {

QApplication* application = nullptr;
QLabel* label = nullptr;

}  // namespace

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    // Both live as long as the fuzzing process.
    static QApplication made(*argc, *argv);
    static QLabel banner;
    banner.resize(784, 160);
    application = &made;
    label = &banner;
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace quintara;
    qt::QtPictureBox box(label);
    const std::string_view bytes = fuzz::bytesOf(data, size);
    box.setPicture(bytes);
    fuzz::require(box.picture() == bytes, "the picture box keeps the bytes it was given");
    return 0;
}
