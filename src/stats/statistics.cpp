#include "stats/statistics.h"

namespace quintara {

const ListRows& rowsOf(const Statistics& statistics, StatisticsList list) {
    static const ListRows kNone;
    const auto& rows = statistics[list];
    return rows ? *rows : kNone;
}

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
