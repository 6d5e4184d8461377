// The GUI tests run the real Qt widgets on the offscreen platform.
#include <QApplication>

#include <gtest/gtest.h>

#include "shell/qt/window/fonts.h"
#include "shell/qt/window/translations.h"

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    quintara::qt::installFontSubstitutes();
    quintara::qt::installChineseTranslations();
    testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
