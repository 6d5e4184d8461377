// The program: the main window on the desktop, its providers, start-up
// extras and the user's draw archive, and the event loop until the window is
// closed.
#include <QApplication>

#include "shell/application.h"
#include "shell/fixed_provider_hosts.h"
#include "shell/main_window_layout.h"
#include "shell/qt/fonts.h"
#include "shell/qt/main_window.h"
#include "shell/qt/qt_platform.h"
#include "shell/qt/translations.h"
#include "shell/qt/trend_chart_opener.h"
#include "shell/startup_steps.h"
#include "sources/network_providers.h"

int main(int argc, char** argv) {
    QApplication application(argc, argv);
    quintara::qt::installFontSubstitutes();
    quintara::qt::installChineseTranslations();

    quintara::qt::QtPlatform platform;
    quintara::NetworkProviders providers(quintara::fixedProviderHosts(), platform);
    quintara::StartupSteps extras(platform);
    extras.writeSkinLibrary();

    quintara::qt::MainWindow window(quintara::mainWindowLayout());
    platform.setWindow(&window);
    extras.setWindow(window.controls());
    quintara::Application quintara(window.controls(), platform, providers, extras,
                                   quintara::ArchivePlace::standard());
    quintara::qt::TrendChartOpener trendChart(window);
    window.show();
    window.centre();
    quintara.windowCreated();
    return QApplication::exec();
}
