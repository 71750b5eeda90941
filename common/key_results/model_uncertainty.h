// The model's own error carried into its answers: the bias δ and relative
// spread σ̃_M the validation measured (common/key_results/validation_statistics.h) turn a
// predicted value M into a bias-corrected one, M/δ, with the 95 % range of the
// true value, (M/δ)·exp(±2σ̃_M) (McGrattan & Toman, "Quantifying the predictive
// uncertainty of complex numerical models", Metrologia 48, 2011; the peer
// model's validation guide, chapter "Summary").
#pragma once

#include "common/model_runs/fire_plumes.h"
#include "common/key_results/key_results.h"
#include "common/key_results/validation_statistics.h"

#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

namespace vorla {

// The statistics of one model variant, quantity and heat loss fraction rule;
// nothing when the validation has none.
const ValidationStatistics* FindValidationStatistics(std::string_view model,
                                                     std::string_view quantity,
                                                     std::string_view chiRule);

// The variant's name in the statistics for a run's plume options: "VORLA-XW",
// "VORLA-XW fire position" (a wall or a corner), "VORLA-XW Heskestad plume",
// "SKEVA-XW", "SKEVA-XW Heskestad plume"; nothing for a variant the
// validation did not run (both options together, SKEVA-XW's fire position).
std::optional<std::string> StatisticsModelName(ModelKind model, FirePosition position,
                                               PlumeCorrelation plume);

// The heat loss fraction rule of a run for the statistics: "estimate" when
// the estimator gave it, "0.6" for a fraction of exactly 0.6; nothing for any
// other fraction, which the validation did not measure.
std::optional<std::string> StatisticsChiRule(bool estimated, double lossFraction);

// M/δ and its 95 % range.
struct CorrectedValue {
    double Corrected = 0;
    double Low95 = 0;
    double High95 = 0;
};
CorrectedValue BiasCorrected(double predicted, double bias, double sigmaM);

// The run's options as the statistics name them.
struct UncertaintyRule {
    ModelKind Model = ModelKind::Compartment;
    FirePosition Position = FirePosition::Centre;
    PlumeCorrelation Plume = PlumeCorrelation::Zukoski;
    bool Estimated = false; // the heat loss fraction came from the estimator
    double LossFraction = 0;
};

// The statistics of the layer temperature rise and of the layer depth for the
// rule, or the sentence saying why the validation has none.
struct UncertaintyStatistics {
    const ValidationStatistics* Rise = nullptr;
    const ValidationStatistics* Depth = nullptr;
};
std::variant<UncertaintyStatistics, std::string> FindUncertaintyStatistics(
    const UncertaintyRule& rule);

// The key results' model uncertainty: the peak layer temperature rise above
// the ambient (21.11 °C) and the greatest layer depth (the room height less the
// lowest interface), each bias-corrected with its 95 % range; the depth's range
// ends at the room height.
std::vector<ModelUncertaintyKey> ModelUncertaintyKeys(const KeyResults& keys,
                                                      const UncertaintyStatistics& statistics,
                                                      double roomHeightM);

// One draw of the model's error, for a study: the factors the true value
// stands from the prediction in, exp(σ̃_M·z)/δ for a standard normal z.
struct ModelErrorFactors {
    double TemperatureRise = 1;
    double LayerDepth = 1;
};
ModelErrorFactors DrawnModelError(const UncertaintyStatistics& statistics, double riseNormal,
                                  double depthNormal);

// The rows with each temperature rise above the ambient and each layer depth
// multiplied by the factors (a depth at most the room height, measured from the
// ceiling), so that the key results of the rows include the model's error.
void ApplyModelError(std::span<RunRow> rows, const ModelErrorFactors& factors,
                     double roomHeightM);

// The flashover time of rows that carry the model's error: the first time
// their layer temperature reaches `criterionC` (600 °C), linear between the
// last row below it and the first at or above it, to the tenth of a second as
// the key results' criterion times are; empty when no row reaches it. The
// model's own flashover row is where its unscaled layer passed 600 °C, so
// with the rise's factor 1 the run's own time stands instead of this one.
std::optional<double> ScaledFlashoverTime(std::span<const RunRow> rows, double criterionC);

} // namespace vorla
