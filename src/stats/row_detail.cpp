#include "stats/row_detail.h"

#include <string>
#include <utility>

#include "stats/fair_chances.h"
#include "text/numbers.h"

namespace quintara {
namespace {

// The tool tip, built in one text: a row is written on every refresh.
class ToolTip {
public:
    ToolTip() { text_.reserve(256); }

    ToolTip& part(std::string_view what) {
        if (!text_.empty()) text_ += " · ";
        text_ += what;
        return *this;
    }
    ToolTip& add(std::string_view words) {
        text_ += words;
        return *this;
    }
    ToolTip& number(int value) {
        appendDecimal(text_, value);
        return *this;
    }
    ToolTip& twoDecimals(double value) {
        appendTwoDecimals(text_, value);
        return *this;
    }
    [[nodiscard]] std::string text() && { return std::move(text_); }

private:
    std::string text_;
};

std::string toolTipOf(const RowDetail& detail, const std::optional<CountedWindow>& window) {
    ToolTip tip;
    if (window) {
        tip.part("近").number(window->draws).add("期出现 ").number(window->count);
        tip.add(" 次（理论 ").twoDecimals(*detail.windowExpected).add(" 次）");
    }
    tip.part("当前遗漏 ").number(detail.current).add(" 期");
    if (detail.previous) tip.part("上次遗漏 ").number(*detail.previous).add(" 期");
    tip.part("最大遗漏 ").number(detail.longest).add(" 期");
    tip.part("平均遗漏 ").twoDecimals(detail.average).add(" 期");
    tip.part("最大连出 ").number(detail.streak).add(" 期");
    tip.part("出现 ").number(detail.appearances).add(" 次（理论 ").twoDecimals(detail.expected);
    tip.add(" 次，共 ").number(detail.draws).add(" 期）");
    return std::move(tip).text();
}

}  // namespace

RowDetail rowDetail(const ItemHistory& history, int drawsRead, double chance,
                    std::optional<CountedPositions> positions, std::optional<CountedWindow> window) {
    RowDetail detail{
        .draws = drawsRead,
        .appearances = positions ? positions->appearances : history.appearances,
        .current = history.current,
        .previous = history.previous,
        .longest = history.longest,
        .average = history.averageAbsence(drawsRead),
        .streak = history.streak,
        .expected = drawsRead * (positions ? positions->chance : chance),
        .chance = fair_chance::power(1 - chance, history.current),
    };
    if (window) {
        detail.window = window->draws;
        detail.windowExpected = window->draws * window->chance;
    }
    detail.toolTip = toolTipOf(detail, window);
    return detail;
}

}  // namespace quintara
