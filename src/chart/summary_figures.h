// How a figure of the trend chart's summary lines is written: in full, as
// its CSV table has it (24.57, 1228), then in shorter forms that still read
// (24.6, 25; 1.2k), for a column too narrow for it.
#pragma once

#include <string>
#include <vector>

namespace quintara {

// `value` with `decimals` decimals, then each shorter form: one decimal fewer
// down to one (below 10) or none (from 10 on), then in thousands from 1000
// on (1.2k below 10,000, 12k from there).
[[nodiscard]] std::vector<std::string> figureForms(double value, int decimals);

}  // namespace quintara
