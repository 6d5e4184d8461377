// The texts of the tests: their names, what each asks, their numbers.
#include "fairness/fairness_test.h"

#include <array>
#include <cstdio>

#include "text/numbers.h"

namespace quintara {

std::string_view testName(TestKind kind) {
    switch (kind) {
        case TestKind::Frequency: return "frequency";
        case TestKind::Pairs: return "pairs";
        case TestKind::Form: return "form";
        case TestKind::Gap: return "gap";
        case TestKind::Runs: return "runs";
        case TestKind::Repeat: return "repeat";
    }
    return {};
}

std::string_view testLabel(TestKind kind) {
    switch (kind) {
        case TestKind::Frequency: return "频率";
        case TestKind::Pairs: return "二码";
        case TestKind::Form: return "形态";
        case TestKind::Gap: return "间隔";
        case TestKind::Runs: return "游程";
        case TestKind::Repeat: return "重号";
    }
    return {};
}

std::string testQuestion(const FairnessTest& test) {
    const std::string& scope = test.scope;
    switch (test.kind) {
        case TestKind::Frequency:
            return scope == "五星" ? "五个位置合起来，0到9每个数字是否各占十分之一"
                                   : scope + "上0到9每个数字是否各占十分之一";
        case TestKind::Pairs: return scope + "两位的100种组合是否各占百分之一（两位互不相干）";
        case TestKind::Form:
            return scope == "五星" ? "组选120、60、30、20及其余形态的比例是否合乎理论"
                                   : scope + "的组六、组三、豹子的比例是否合乎理论";
        case TestKind::Gap: return scope + "上同一数字两次出现之间隔的期数，分布是否合乎理论";
        case TestKind::Runs: return "和值大（23及以上）小（22及以下）连成的串，是否不多不少像随机一样";
        case TestKind::Repeat: return scope + "与上一期相同的次数是否占十分之一";
    }
    return {};
}

std::string shortNumber(double value) {
    std::array<char, 32> text;
    const int length = std::snprintf(text.data(), text.size(), "%.3g", value);
    return {text.data(), static_cast<std::size_t>(length)};
}

std::string statisticText(double value) {
    std::string text;
    appendTwoDecimals(text, value);
    return text;
}

}  // namespace quintara
