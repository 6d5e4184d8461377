// The chooser of a range of draws, as the trend chart and the fairness
// window offer it: "范围" and a box of ranges (counts of newest draws, 今日,
// 近3天, 近7天, 全部, 期号段), the first and the last issue of an issue
// range in two fields, and a note of what is wrong with them or of what the
// history lacks.
#pragma once

#include <QWidget>

#include <cstdint>
#include <optional>
#include <string_view>
#include <vector>

#include "draws/draw_range.h"

class QComboBox;
class QLabel;
class QLineEdit;

namespace quintara::qt {

class RangeChooser : public QWidget {
    Q_OBJECT

public:
    // The box offers `offered` in order, one of them an issue range, with
    // `chosen` chosen; an issue range may span at most `mostIssues` issues
    // (none: any number).
    RangeChooser(std::vector<DrawRange> offered, const DrawRange& chosen, std::optional<std::int64_t> mostIssues,
                 QWidget* parent = nullptr);

    [[nodiscard]] DrawRange range() const;
    // One of the ranges offered, or any issue range.
    void setRange(const DrawRange& range);

    // What the range shows: until the reader chooses an issue range, its
    // fields hold the first and the last issue shown; the note says what
    // is wrong with the issues chosen, else `shortfall`.
    void showShown(std::string_view first, std::string_view last, const QString& shortfall);
    [[nodiscard]] QString note() const;

signals:
    // The draws are to be chosen again.
    void rangeChanged();

private:
    void rangeChosen();
    void issuesEdited();
    [[nodiscard]] bool issuesChosen() const;
    [[nodiscard]] QString issueComplaint() const;

    std::vector<DrawRange> offered_;  // the ranges of ranges_, item by item
    std::optional<std::int64_t> mostIssues_;
    // The widgets belong to the chooser, as Qt's children.
    QComboBox* ranges_;
    QLineEdit* from_;
    QLineEdit* to_;
    QLabel* note_;
};

}  // namespace quintara::qt
