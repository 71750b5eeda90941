#include "common/key_results/model_uncertainty.h"

#include "common/text/round_trip_text.h"
#include "common/text/units.h"

#include <algorithm>
#include <cmath>

namespace vorla {
namespace {

constexpr double kAmbientCelsius = kAmbientTemperature - kKelvinAtZeroCelsius;

} // namespace

const ValidationStatistics* FindValidationStatistics(std::string_view model,
                                                     std::string_view quantity,
                                                     std::string_view chiRule) {
    for (const auto& row : kValidationStatistics) {
        if (row.Model == model && row.Quantity == quantity && row.ChiRule == chiRule) {
            return &row;
        }
    }
    return nullptr;
}

std::optional<std::string> StatisticsModelName(ModelKind model, FirePosition position,
                                               PlumeCorrelation plume) {
    const std::string name = model == ModelKind::Compartment ? "VORLA-XW" : "SKEVA-XW";
    const bool placed = position != FirePosition::Centre;
    const bool heskestad = plume == PlumeCorrelation::Heskestad;
    if (placed && heskestad) {
        return std::nullopt;
    }
    if (placed) {
        if (model == ModelKind::Smoke) {
            return std::nullopt;
        }
        return name + " fire position";
    }
    return heskestad ? name + " Heskestad plume" : name;
}

std::optional<std::string> StatisticsChiRule(bool estimated, double lossFraction) {
    if (estimated) {
        return "estimate";
    }
    if (lossFraction == 0.6) {
        return "0.6";
    }
    return std::nullopt;
}

CorrectedValue BiasCorrected(double predicted, double bias, double sigmaM) {
    const double corrected = predicted / bias;
    return {corrected, corrected * std::exp(-2 * sigmaM), corrected * std::exp(2 * sigmaM)};
}

std::variant<UncertaintyStatistics, std::string> FindUncertaintyStatistics(
    const UncertaintyRule& rule) {
    const auto model = StatisticsModelName(rule.Model, rule.Position, rule.Plume);
    if (!model) {
        return std::string("the validation has no statistics for this fire position with this "
                           "plume; the model uncertainty is known for a fire in the open with "
                           "either plume") +
               (rule.Model == ModelKind::Compartment
                    ? ", and for a fire against a wall or in a corner with Zukoski's plume."
                    : ".");
    }
    const auto chi = StatisticsChiRule(rule.Estimated, rule.LossFraction);
    if (!chi) {
        return std::string("the validation measured the model with the heat loss fraction 0.6") +
               (rule.Model == ModelKind::Compartment ? " or the estimator's (--loss-fraction "
                                                       "estimate)"
                                                     : "") +
               ", not with " + RoundTripText(rule.LossFraction) + ".";
    }
    UncertaintyStatistics found;
    found.Rise = FindValidationStatistics(*model, "layer_temperature_rise", *chi);
    found.Depth = FindValidationStatistics(*model, "layer_depth", *chi);
    if (found.Rise == nullptr || found.Depth == nullptr) {
        return "the validation has no statistics for " + *model + " with the heat loss fraction " +
               *chi + ".";
    }
    return found;
}

std::vector<ModelUncertaintyKey> ModelUncertaintyKeys(const KeyResults& keys,
                                                      const UncertaintyStatistics& statistics,
                                                      double roomHeightM) {
    std::vector<ModelUncertaintyKey> out;
    const auto add = [&out](const ValidationStatistics& row, double predicted,
                            std::optional<double> highest) {
        const CorrectedValue value = BiasCorrected(predicted, row.Bias, row.SigmaM);
        ModelUncertaintyKey key;
        key.Quantity = std::string(row.Quantity);
        key.Statistics = std::string(row.Model);
        key.ChiRule = std::string(row.ChiRule);
        key.Bias = row.Bias;
        key.SigmaM = row.SigmaM;
        key.Predicted = predicted;
        key.Corrected = highest ? std::min(value.Corrected, *highest) : value.Corrected;
        key.Low95 = highest ? std::min(value.Low95, *highest) : value.Low95;
        key.High95 = highest ? std::min(value.High95, *highest) : value.High95;
        out.push_back(key);
    };
    add(*statistics.Rise, keys.PeakLayerTemperatureC - kAmbientCelsius, std::nullopt);
    add(*statistics.Depth, std::max(0.0, roomHeightM - keys.LowestInterfaceHeightM), roomHeightM);
    return out;
}

ModelErrorFactors DrawnModelError(const UncertaintyStatistics& statistics, double riseNormal,
                                  double depthNormal) {
    return {std::exp(statistics.Rise->SigmaM * riseNormal) / statistics.Rise->Bias,
            std::exp(statistics.Depth->SigmaM * depthNormal) / statistics.Depth->Bias};
}

void ApplyModelError(std::span<RunRow> rows, const ModelErrorFactors& factors,
                     double roomHeightM) {
    for (auto& row : rows) {
        row.LayerTemperatureC =
            kAmbientCelsius + (row.LayerTemperatureC - kAmbientCelsius) * factors.TemperatureRise;
        const double depth =
            std::clamp((roomHeightM - row.InterfaceHeightM) * factors.LayerDepth, 0.0, roomHeightM);
        row.InterfaceHeightM = roomHeightM - depth;
    }
}

std::optional<double> ScaledFlashoverTime(std::span<const RunRow> rows, double criterionC) {
    for (std::size_t i = 0; i < rows.size(); ++i) {
        if (rows[i].LayerTemperatureC < criterionC) {
            continue;
        }
        double t = rows[i].TimeS;
        if (i > 0) {
            const RunRow& before = rows[i - 1];
            t = before.TimeS + (criterionC - before.LayerTemperatureC) *
                                   (rows[i].TimeS - before.TimeS) /
                                   (rows[i].LayerTemperatureC - before.LayerTemperatureC);
        }
        return std::round(t * 10) / 10;
    }
    return std::nullopt;
}

} // namespace vorla
