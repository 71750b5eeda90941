// The statistics of a study's key results: the usual summary of a sample, a
// proportion with its confidence interval, and rank correlation.
#pragma once

#include <optional>
#include <span>
#include <vector>

namespace vorla::study {

// Count, mean, sample standard deviation (n - 1), extremes and percentiles.
// Percentiles interpolate linearly between order statistics (Hyndman and Fan's
// type 7, the default of R and numpy): with sorted x[0..n-1], the p-th is at
// position (n - 1) p. Empty samples give nothing but the count; one value has
// no standard deviation.
struct SampleSummary {
    std::size_t Count = 0;
    std::optional<double> Mean, Sd, Min, P5, P25, P50, P75, P95, Max;
};
SampleSummary Summarise(std::vector<double> values);

// The p-th quantile (0 <= p <= 1) of sorted values, by the rule above.
double Quantile(std::span<const double> sorted, double p);

// A proportion of successes with its 95 % Wilson score interval.
struct Proportion {
    std::optional<double> P, Low, High; // nothing when there were no trials
};
Proportion WilsonProportion(std::size_t successes, std::size_t trials);

// Spearman's rank correlation of paired values, ties given their average
// rank; nothing when fewer than three pairs or either side is constant.
std::optional<double> SpearmanCorrelation(std::span<const double> x, std::span<const double> y);

// The ranks (1-based) of values, ties given their average rank.
std::vector<double> AverageRanks(std::span<const double> values);

} // namespace vorla::study
