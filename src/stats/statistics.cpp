#include "stats/statistics.h"

namespace quintara {

Statistics computeStatistics(const StatisticsInput& input) {
    Statistics statistics;
    computeOmissionLists(input, statistics);
    computeFrequencyLists(input, statistics);
    computePairFrequencyList(input, statistics);
    computeSumTailOmission(input, statistics);
    computeSpanOmission(input, statistics);
    computePairOmissionLists(input, statistics);
    computePatternOmissionList(input, statistics);
    return statistics;
}

}  // namespace quintara
