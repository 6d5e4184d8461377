#include "stats/statistics.h"

// The statistics steps that have no rows to write yet.
namespace quintara {

void RefreshOmissionLists(const Window&) {}
void RefreshFrequencyLists(const Window& window) { RefreshPairFrequencyList(window); }
void RefreshPairFrequencyList(const Window&) {}
void RefreshSumTailOmission(const Window&) {}
void RefreshSpanOmission(const Window&) {}
void RefreshPairOmissionLists(const Window&) {}
void RefreshPatternOmissionList(const Window&) {}

}  // namespace quintara
