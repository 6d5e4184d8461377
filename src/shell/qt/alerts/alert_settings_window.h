// The alert settings window (预警设置): the rules as a table to add, edit and
// remove, each made from choices (a condition, one of the 18 lists or all,
// one of the list's items or all, and a number), and the log of the alerts
// that fired. Saving hands the rules to the program, which keeps them in the
// archive and holds them against the history at once. It opens beside the
// main window, inside the screen.
#pragma once

#include <QWidget>

#include <vector>

#include "alerts/alert_rule.h"
#include "shell/application.h"

class QComboBox;
class QDoubleSpinBox;
class QLabel;
class QSpinBox;
class QTableWidget;

namespace quintara::qt {

class AlertSettingsWindow : public QWidget {
    Q_OBJECT

public:
    // Both outlive the window.
    AlertSettingsWindow(Application& application, const QWidget& mainWindow);

    // Shows the window with the rules held now and the newest alerts beside
    // the main window, or brings it to the front.
    void open();

    // The rules as the table holds them, saved or not.
    [[nodiscard]] const std::vector<AlertRule>& rules() const { return rules_; }
    // What the editor's choices make.
    [[nodiscard]] AlertRule editedRule() const;
    // The editor set to a rule.
    void edit(const AlertRule& rule);

    void addRule();
    void replaceSelectedRule();
    void removeSelectedRule();
    void save();

private:
    void showRules();
    void showLog();
    void listChosen();
    void conditionChosen();

    Application& application_;
    const QWidget& mainWindow_;
    std::vector<AlertRule> rules_;
    // The widgets belong to the window, as Qt's children.
    QTableWidget* rulesTable_;
    QComboBox* condition_;
    QComboBox* list_;
    QComboBox* item_;
    QSpinBox* draws_;
    QDoubleSpinBox* percent_;
    QSpinBox* minutes_;
    QTableWidget* log_;
    QLabel* saveNote_;  // says when the rules could not be saved
};

}  // namespace quintara::qt
