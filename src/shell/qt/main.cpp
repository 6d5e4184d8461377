// The program: the main window on the desktop, its providers, start-up
// extras and the user's draw archive, and the event loop until the window is
// closed.
#include <QApplication>
#include <QTimer>

#include <memory>

#include "shell/application.h"
#include "shell/main_window_layout.h"
#include "shell/qt/alerts/alert_notifier.h"
#include "shell/qt/alerts/alert_settings_window.h"
#include "shell/qt/platform/ending_signals.h"
#include "shell/qt/fairness/fairness_window.h"
#include "shell/qt/window/fonts.h"
#include "shell/qt/window/grid_menu.h"
#include "shell/qt/window/main_window.h"
#include "shell/qt/platform/qt_platform.h"
#include "shell/qt/window/translations.h"
#include "shell/qt/chart/trend_chart_opener.h"
#include "shell/qt/alerts/window_tray.h"
#include "shell/startup/startup_steps.h"
#include "sources/fixed_provider_hosts.h"
#include "sources/network_providers.h"

using namespace Qt::StringLiterals;

int main(int argc, char** argv) {
    QApplication application(argc, argv);
    const quintara::qt::EndingSignals endingSignals;
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
    quintara::qt::AlertSettingsWindow alertSettings(quintara, window);
    quintara::qt::FairnessWindow fairness(window);
    const auto openTrendChart = [&trendChart] { trendChart.open(); };
    const auto openFairness = [&fairness] { fairness.open(); };
    const auto openAlertSettings = [&alertSettings] { alertSettings.open(); };
    const quintara::qt::GridMenu gridMenu(window, {{u"走势图"_s, openTrendChart},
                                                   {u"公平性检验"_s, openFairness},
                                                   {u"预警设置"_s, openAlertSettings}});
    const std::unique_ptr<quintara::qt::WindowTray> tray = quintara::qt::WindowTray::whereAvailable(
        {.showMainWindow =
             [&window] {
                 window.showNormal();
                 window.raise();
                 window.activateWindow();
             },
         .openTrendChart = openTrendChart,
         .openFairness = openFairness,
         .openAlertSettings = openAlertSettings,
         .quit = [] { QApplication::quit(); }});
    quintara::qt::AlertNotifier notifier(window, tray ? &tray->icon() : nullptr);
    quintara.keepAlerts(notifier);
    window.show();
    window.centre();
    // The start-up steps run in the event loop, so that closing the window
    // while they wait for the network ends the program.
    QTimer::singleShot(0, &window, [&quintara] { quintara.windowCreated(); });
    const int status = QApplication::exec();
    // Closed or told to end: draws held unsaved get one more try.
    quintara.saveHeld();
    return status;
}
