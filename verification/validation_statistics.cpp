#include "verification/validation_statistics.h"

#include <cmath>

namespace vorla::verification {
namespace {

double Mean(const std::vector<double>& x) {
    double sum = 0;
    for (const double v : x) {
        sum += v;
    }
    return sum / static_cast<double>(x.size());
}

double SampleSpread(const std::vector<double>& x, double mean) {
    double sum = 0;
    for (const double v : x) {
        sum += (v - mean) * (v - mean);
    }
    return x.size() > 1 ? std::sqrt(sum / static_cast<double>(x.size() - 1)) : 0.0;
}

} // namespace

double SpiegelhalterP(const std::vector<double>& values) {
    const std::size_t n = values.size();
    if (n < 3) {
        return 1;
    }
    const double mean = Mean(values);
    const double sigma = SampleSpread(values, mean);
    if (!(sigma > 0)) {
        return 1;
    }
    double total = 0;
    for (const double v : values) {
        const double z2 = std::pow((v - mean) / sigma, 2);
        if (z2 > 0) {
            total += z2 * std::log(z2);
        }
    }
    const double count = static_cast<double>(n);
    const double s = (total - 0.73 * count) / (0.9 * std::sqrt(count));
    return 1 - std::fabs(std::erf(s / std::sqrt(2.0)));
}

ModelUncertainty ComputeModelUncertainty(const std::vector<double>& measured,
                                         const std::vector<double>& predicted, double sigmaE) {
    ModelUncertainty u;
    u.SigmaE = sigmaE;
    std::vector<double> logs;
    for (std::size_t i = 0; i < measured.size() && i < predicted.size(); ++i) {
        logs.push_back(std::log(predicted[i] / measured[i]));
    }
    u.Points = static_cast<int>(logs.size());
    if (logs.empty()) {
        return u;
    }
    u.MeanLog = Mean(logs);
    u.SpreadLog = SampleSpread(logs, u.MeanLog);
    const double modelVariance = u.SpreadLog * u.SpreadLog - sigmaE * sigmaE;
    u.SpreadWithinExperiment = modelVariance <= 0;
    u.SigmaM = u.SpreadWithinExperiment ? 0.0 : std::sqrt(modelVariance);
    u.Bias = std::exp(u.MeanLog + u.SigmaM * u.SigmaM / 2 - sigmaE * sigmaE / 2);
    u.NormalityP = SpiegelhalterP(logs);
    return u;
}

double ExceedanceProbability(double predicted, double critical, const ModelUncertainty& u) {
    const double centre = std::log(predicted / u.Bias);
    if (!(u.SigmaM > 0)) {
        return std::log(critical) < centre ? 1.0 : 0.0;
    }
    return 0.5 * std::erfc((std::log(critical) - centre) / (u.SigmaM * std::sqrt(2.0)));
}

} // namespace vorla::verification
