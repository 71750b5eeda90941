#include "life_safety/tenability/aset_risk.h"

namespace vorla::tenability {
namespace {

enum class Verdict { Fails, Safe, Undecided };

Verdict VerdictOf(const EgressRun& run) {
    if (run.Aset) {
        return *run.Aset < run.Rset ? Verdict::Fails : Verdict::Safe;
    }
    return run.EndTime >= run.Rset ? Verdict::Safe : Verdict::Undecided;
}

void Count(AsetRisk& risk, const EgressRun& run) {
    switch (VerdictOf(run)) {
    case Verdict::Fails:
        ++risk.Failures;
        ++risk.Trials;
        break;
    case Verdict::Safe:
        ++risk.Trials;
        break;
    case Verdict::Undecided:
        ++risk.Undecided;
        break;
    }
}

} // namespace

AsetRisk EstimateAsetRisk(std::span<const EgressRun> runs) {
    AsetRisk risk;
    for (const EgressRun& run : runs) {
        Count(risk, run);
    }
    risk.Probability = study::WilsonProportion(risk.Failures, risk.Trials);
    return risk;
}

std::vector<study::Proportion> AsetRiskConvergence(std::span<const EgressRun> runs) {
    std::vector<study::Proportion> estimates;
    estimates.reserve(runs.size());
    AsetRisk risk;
    for (const EgressRun& run : runs) {
        Count(risk, run);
        estimates.push_back(study::WilsonProportion(risk.Failures, risk.Trials));
    }
    return estimates;
}

std::optional<double> DetectionToAset(std::optional<double> detection, std::optional<double> aset) {
    if (!detection || !aset) {
        return std::nullopt;
    }
    return *aset - *detection;
}

} // namespace vorla::tenability
