// The real main window, created and shown, with network providers on a
// loopback server that serves a history feed (the six first draws of 11
// February 2018 unless the test gives others), and whatever further routes a
// test adds.
#pragma once

#include <QLabel>

#include <gtest/gtest.h>

#include <functional>
#include <span>
#include <string>

#include "draws/history_feed.h"
#include "shell/application.h"
#include "shell/main_window_layout.h"
#include "shell/qt/window/main_window.h"
#include "shell/qt/platform/qt_platform.h"
#include "sources/network_providers.h"
#include "support/feed_document.h"
#include "support/fake_startup_extras.h"
#include "support/loopback_http_server.h"

namespace quintara::qt {

class ProvidedWindowTest : public ::testing::Test {
protected:
    using Routes = std::function<void(httplib::Server&)>;

    explicit ProvidedWindowTest(const Routes& moreRoutes = {},
                                std::span<const quintara::testing::FeedDraw> feed =
                                    quintara::testing::kFirstDrawsOf20180211)
        : server{[&moreRoutes, document = quintara::testing::feedDocument(feed)](httplib::Server& routes) {
              routes.Get(std::string(kHistoryFeedPath),
                         [document](const httplib::Request&, httplib::Response& response) {
                             response.set_content(document, "text/xml");
                         });
              if (moreRoutes) moreRoutes(routes);
          }} {
        platform.setWindow(&window);
        window.show();
        application.windowCreated();
    }

    template <typename Widget>
    Widget* find(std::string_view name) {
        return qobject_cast<Widget*>(window.widget(name));
    }
    QString text(std::string_view label) { return find<QLabel>(label)->text(); }

    quintara::testing::LoopbackHttpServer server;
    MainWindow window{mainWindowLayout()};
    QtPlatform platform;
    NetworkProviders providers{ProviderHosts::allAt(server.host()), platform};
    quintara::testing::IdleStartupExtras extras;
    Application application{window.controls(), platform, providers, extras};
};

}  // namespace quintara::qt
