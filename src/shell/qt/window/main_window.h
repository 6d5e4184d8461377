// The Qt main window, built widget by widget from the layout table; its
// controls are handed to the core through the Window they fill.
#pragma once

#include <QWidget>

#include <string_view>
#include <unordered_map>

#include "controls/layout_spec.h"
#include "controls/window.h"

class QTabWidget;

namespace quintara::qt {

class MainWindow : public QWidget {
    Q_OBJECT

public:
    explicit MainWindow(const WindowSpec& layout);
    // The widgets go first: the grid's view reads the grid until it is gone.
    ~MainWindow() override;
    MainWindow(const MainWindow&) = delete;
    MainWindow& operator=(const MainWindow&) = delete;

    [[nodiscard]] const Window& controls() const { return controls_; }
    // The widget made for a control of the layout (a timer has none).
    [[nodiscard]] QWidget* widget(std::string_view name) const;

    // Centres the window on its screen.
    void centre();

private:
    void add(const ControlSpec& row);
    [[nodiscard]] QWidget* parentOf(const ControlSpec& row) const;

    Window controls_;
    std::unordered_map<std::string_view, QWidget*> widgets_;
};

}  // namespace quintara::qt
