#include "stats/statistics.h"

namespace quintara {

void RefreshStatistics(const Window& window) {
    RefreshOmissionLists(window);
    RefreshFrequencyLists(window);  // ends with the digit-pair frequency list
    RefreshSumTailOmission(window);
    RefreshSpanOmission(window);
    RefreshPairOmissionLists(window);
    RefreshPatternOmissionList(window);
}

}  // namespace quintara
