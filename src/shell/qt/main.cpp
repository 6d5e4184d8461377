// The program: the main window on the desktop, its providers and start-up
// extras, and the event loop until the window is closed.
#include <QApplication>
#include <QTimer>

#include "shell/application.h"
#include "shell/fixed_settings.h"
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
    namespace settings = quintara::fixed_settings;
    quintara::NetworkProviders providers(
        {std::string(settings::kHistoryHost), std::string(settings::kApiHost),
         std::string(settings::kListHost), std::string(settings::kFlashHost)},
        platform);
    quintara::StartupSteps extras(platform);
    extras.writeSkinLibrary();

    quintara::qt::MainWindow window(quintara::mainWindowLayout());
    platform.setWindow(&window);
    extras.setWindow(window.controls());
    quintara::Application quintara(window.controls(), platform, providers, extras);
    quintara::qt::TrendChartOpener trendChart(window);
    window.show();
    window.centre();
    // The start-up steps run in the event loop, so that closing the window
    // while they wait for the network ends the program.
    QTimer::singleShot(0, &window, [&quintara] { quintara.windowCreated(); });
    return QApplication::exec();
}
