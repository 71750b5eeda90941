#include "study/statistics.h"

#include <algorithm>
#include <cmath>
#include <numeric>

namespace vorla::study {
namespace {

// The 0.975 quantile of the standard normal distribution.
constexpr double kZ95 = 1.959963984540054;

// The mean from a compensated (Neumaier) sum: a thousand equal values have
// exactly that value as their mean, and large and small times mix without loss.
double Mean(std::span<const double> values) {
    double sum = 0;
    double lost = 0;
    for (const double v : values) {
        const double next = sum + v;
        lost += std::abs(sum) >= std::abs(v) ? (sum - next) + v : (v - next) + sum;
        sum = next;
    }
    return (sum + lost) / static_cast<double>(values.size());
}

} // namespace

double Quantile(std::span<const double> sorted, double p) {
    const double position = (static_cast<double>(sorted.size()) - 1) * p;
    const auto below = static_cast<std::size_t>(std::floor(position));
    if (below + 1 >= sorted.size()) {
        return sorted.back();
    }
    const double fraction = position - static_cast<double>(below);
    return sorted[below] + fraction * (sorted[below + 1] - sorted[below]);
}

SampleSummary Summarise(std::vector<double> values) {
    SampleSummary summary;
    summary.Count = values.size();
    if (values.empty()) {
        return summary;
    }
    std::sort(values.begin(), values.end());
    const double mean = Mean(values);
    summary.Mean = mean;
    if (values.size() > 1) {
        // Two passes: the squares of deviations, not of values, keep precision.
        double squares = 0;
        for (const double v : values) {
            squares += (v - mean) * (v - mean);
        }
        summary.Sd = std::sqrt(squares / static_cast<double>(values.size() - 1));
    }
    summary.Min = values.front();
    summary.Max = values.back();
    summary.P5 = Quantile(values, 0.05);
    summary.P25 = Quantile(values, 0.25);
    summary.P50 = Quantile(values, 0.50);
    summary.P75 = Quantile(values, 0.75);
    summary.P95 = Quantile(values, 0.95);
    return summary;
}

Proportion WilsonProportion(std::size_t successes, std::size_t trials) {
    if (trials == 0) {
        return {};
    }
    const double n = static_cast<double>(trials);
    const double p = static_cast<double>(successes) / n;
    const double z2 = kZ95 * kZ95;
    const double denominator = 1 + z2 / n;
    const double centre = (p + z2 / (2 * n)) / denominator;
    const double half = kZ95 / denominator * std::sqrt(p * (1 - p) / n + z2 / (4 * n * n));
    // All or none: the interval ends at the bound itself, not a rounding away.
    const double low = successes == 0 ? 0.0 : std::max(0.0, centre - half);
    const double high = successes == trials ? 1.0 : std::min(1.0, centre + half);
    return {p, low, high};
}

std::vector<double> AverageRanks(std::span<const double> values) {
    std::vector<std::size_t> order(values.size());
    std::iota(order.begin(), order.end(), std::size_t{0});
    std::stable_sort(order.begin(), order.end(),
                     [&](std::size_t a, std::size_t b) { return values[a] < values[b]; });
    std::vector<double> ranks(values.size());
    for (std::size_t first = 0; first < order.size();) {
        std::size_t last = first;
        while (last + 1 < order.size() && values[order[last + 1]] == values[order[first]]) {
            ++last;
        }
        // Positions first..last (0-based) share ranks first+1..last+1.
        const double rank = (static_cast<double>(first + last) + 2) / 2;
        for (std::size_t k = first; k <= last; ++k) {
            ranks[order[k]] = rank;
        }
        first = last + 1;
    }
    return ranks;
}

std::optional<double> SpearmanCorrelation(std::span<const double> x, std::span<const double> y) {
    if (x.size() != y.size() || x.size() < 3) {
        return std::nullopt;
    }
    const auto rx = AverageRanks(x);
    const auto ry = AverageRanks(y);
    const double mx = Mean(rx);
    const double my = Mean(ry);
    double sxy = 0;
    double sxx = 0;
    double syy = 0;
    for (std::size_t i = 0; i < rx.size(); ++i) {
        sxy += (rx[i] - mx) * (ry[i] - my);
        sxx += (rx[i] - mx) * (rx[i] - mx);
        syy += (ry[i] - my) * (ry[i] - my);
    }
    if (sxx == 0 || syy == 0) {
        return std::nullopt;
    }
    return std::clamp(sxy / std::sqrt(sxx * syy), -1.0, 1.0);
}

} // namespace vorla::study
