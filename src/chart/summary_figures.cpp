#include "chart/summary_figures.h"

#include <charconv>
#include <cmath>

namespace quintara {
namespace {

// `value` rounded to `decimals` decimals, as "%.*f" writes it: a half to
// the even neighbour, as every table of the program has it.
std::string fixed(double value, int decimals) {
    char digits[400];  // room for the largest double in fixed notation
    return {digits,
            std::to_chars(digits, digits + sizeof digits, value, std::chars_format::fixed, decimals).ptr};
}

// `value` rounded to `decimals` decimals as a reader rounds a figure
// shorter: a half away from zero (24.5 reads 25).
std::string rounded(double value, int decimals) {
    const double scale = std::pow(10.0, decimals);
    return fixed(std::round(value * scale) / scale, decimals);
}

}  // namespace

std::vector<std::string> figureForms(double value, int decimals) {
    std::vector<std::string> forms{fixed(value, decimals)};
    // Below 10 a figure without its decimal would lose what it tells: 0.33
    // is no 0.
    const int fewest = std::abs(value) >= 10 ? 0 : 1;
    for (int shown = decimals - 1; shown >= fewest; --shown) forms.push_back(rounded(value, shown));
    const double thousands = value / 1000;
    if (std::abs(thousands) >= 0.9995) {
        // 9,960 reads 10k, not 10.0k.
        forms.push_back(rounded(thousands, std::abs(thousands) < 9.95 ? 1 : 0) + "k");
    }
    return forms;
}

}  // namespace quintara
