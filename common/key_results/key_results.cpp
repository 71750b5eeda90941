#include "common/key_results/key_results.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace vorla {
namespace {

double RoundToTenthSecond(double t) {
    return std::round(t * 10) / 10;
}

// The first time the value of the rows meets the criterion (`reached`), found
// between the last row that does not and the first row that does.
template <class Value, class Reached>
std::optional<double> FirstReached(std::span<const RunRow> rows, double criterion, Value value,
                                   Reached reached) {
    for (std::size_t i = 0; i < rows.size(); ++i) {
        const double v1 = value(rows[i]);
        if (!reached(v1, criterion)) {
            continue;
        }
        if (i == 0) {
            return RoundToTenthSecond(rows[0].TimeS);
        }
        const double v0 = value(rows[i - 1]);
        const double t0 = rows[i - 1].TimeS;
        const double t1 = rows[i].TimeS;
        // v0 does not meet the criterion and v1 does, so they differ.
        return RoundToTenthSecond(t0 + (criterion - v0) * (t1 - t0) / (v1 - v0));
    }
    return std::nullopt;
}

// The integral of a + b (t - t0) from `from` to `to`.
double LineIntegral(double rate0, double t0, double slope, double from, double to) {
    const double rateFrom = rate0 + slope * (from - t0);
    const double rateTo = rate0 + slope * (to - t0);
    return (to - from) * (rateFrom + rateTo) / 2;
}

} // namespace

std::string_view RunEndName(RunEnd end) {
    switch (end) {
    case RunEnd::Complete:
        return "complete";
    case RunEnd::FlashoverStop:
        return "flashover_stop";
    case RunEnd::FireEnded:
        return "fire_ended";
    case RunEnd::LayerAtSill:
        return "layer_at_sill";
    case RunEnd::LayerAtFuelSurface:
        return "layer_at_fuel_surface";
    case RunEnd::Unstable:
        return "unstable";
    }
    return "unstable";
}

std::string_view ModelKindName(ModelKind model) {
    return model == ModelKind::Compartment ? "compartment" : "smoke";
}

double FireEnergyKj(const FireTable& fire, double endS) {
    if (!(endS > 0)) {
        return 0;
    }
    const auto& p = fire.Points;
    const int n = fire.LastIndex;
    if (n < 1) {
        return p[0].Rate * endS;
    }
    constexpr double kInfinity = std::numeric_limits<double>::infinity();
    double energy = 0;
    // FireRateAt reads segment k (from point k-1 to point k) for the times from
    // point k-1 up to point k; the first segment also serves every earlier time
    // and the last every later one.
    for (int k = 1; k <= n; ++k) {
        const double segmentFrom = k == 1 ? -kInfinity : p[k - 1].Time;
        const double segmentTo = k == n ? kInfinity : p[k].Time;
        const double from = std::max(segmentFrom, 0.0);
        const double to = std::min(segmentTo, endS);
        if (!(to > from)) {
            continue;
        }
        const double span = p[k].Time - p[k - 1].Time;
        if (span == 0) {
            // A step: the rate before it up to its time, the rate after it from then on.
            const double stepTime = p[k].Time;
            energy += p[k - 1].Rate * std::max(0.0, std::min(to, stepTime) - from);
            energy += p[k].Rate * std::max(0.0, to - std::max(from, stepTime));
            continue;
        }
        const double slope = (p[k].Rate - p[k - 1].Rate) / span;
        energy += LineIntegral(p[k - 1].Rate, p[k - 1].Time, slope, from, to);
    }
    return energy;
}

KeyResults ComputeKeyResults(const RunView& run, const FireTable& fire,
                             const KeyCriteria& criteria) {
    KeyResults keys;
    keys.Model = run.Model;
    keys.End = run.End;
    const auto rows = run.Rows;
    if (rows.empty()) {
        return keys;
    }
    keys.EndTimeS = rows.back().TimeS;

    std::size_t hottest = 0;
    std::size_t lowest = 0;
    double peakRate = rows[0].HeatReleaseRateKw;
    double peakVentFlow = rows[0].VentFlowKgS;
    for (std::size_t i = 1; i < rows.size(); ++i) {
        if (rows[i].LayerTemperatureC > rows[hottest].LayerTemperatureC) {
            hottest = i;
        }
        if (rows[i].InterfaceHeightM < rows[lowest].InterfaceHeightM) {
            lowest = i;
        }
        peakRate = std::max(peakRate, rows[i].HeatReleaseRateKw);
        peakVentFlow = std::max(peakVentFlow, rows[i].VentFlowKgS);
    }
    keys.PeakLayerTemperatureC = rows[hottest].LayerTemperatureC;
    keys.PeakLayerTemperatureTimeS = rows[hottest].TimeS;
    keys.LowestInterfaceHeightM = rows[lowest].InterfaceHeightM;
    keys.LowestInterfaceHeightTimeS = rows[lowest].TimeS;
    keys.PeakHeatReleaseRateKw = peakRate;
    keys.HeatReleasedMj = FireEnergyKj(fire, keys.EndTimeS) / 1000;

    const auto height = [](const RunRow& row) { return row.InterfaceHeightM; };
    const auto atOrBelow = [](double value, double criterion) { return value <= criterion; };
    for (const double h : criteria.InterfaceHeightsM) {
        keys.InterfaceReachesS.push_back({h, FirstReached(rows, h, height, atOrBelow)});
    }
    const auto temperature = [](const RunRow& row) { return row.LayerTemperatureC; };
    const auto atOrAbove = [](double value, double criterion) { return value >= criterion; };
    for (const double theta : criteria.LayerTemperaturesC) {
        keys.LayerTemperatureReachesS.push_back(
            {theta, FirstReached(rows, theta, temperature, atOrAbove)});
    }

    if (run.Model == ModelKind::Compartment) {
        if (run.FlashoverRow && *run.FlashoverRow < rows.size()) {
            keys.FlashoverTimeS = rows[*run.FlashoverRow].TimeS;
        }
        keys.PeakVentFlowKgS = peakVentFlow;
        for (const auto& row : rows) {
            if (row.OxygenLimited) {
                keys.OxygenLimitedTimeS = row.TimeS;
                break;
            }
        }
    } else if (run.End == RunEnd::LayerAtFuelSurface) {
        keys.LayerAtFireBaseTimeS = keys.EndTimeS;
    }
    return keys;
}

} // namespace vorla
