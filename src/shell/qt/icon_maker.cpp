// Writes the window's 128 × 128 icon as a PNG file, for the desktop entry of
// an installed program.
#include <QGuiApplication>
#include <QPixmap>

#include <cstdio>

#include "shell/qt/window/branding.h"

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fputs("usage: quintara-icon-maker FILE.png\n", stderr);
        return 2;
    }
    QGuiApplication application(argc, argv);
    const QPixmap icon = quintara::qt::windowIcon128().pixmap(128, 128);
    return icon.save(QString::fromLocal8Bit(argv[1]), "PNG") ? 0 : 1;
}
