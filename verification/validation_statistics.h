// Model uncertainty statistics as the peer's validation guide computes them
// (NIST CFAST Validation Guide, chapter "Summary and Conclusions", after
// McGrattan & Toman, "Quantifying the predictive uncertainty of complex
// numerical models", Metrologia 48, 2011, and NUREG-1824 Supplement 1, 2016):
// from pairs of measured E and predicted M, with ln(M/E) taken as normal,
//   mean and sample variance of ln(M/E): μ, s² (with n − 1);
//   σ̃_M² = s² − σ̃_E² (the experiment's own relative spread σ̃_E removed);
//   bias δ = exp(μ + σ̃_M²/2 − σ̃_E²/2);
// and Spiegelhalter's normality test of ln(M/E).
#pragma once

#include <vector>

namespace vorla::verification {

struct ModelUncertainty {
    int Points = 0;
    double MeanLog = 0;                  // μ of ln(M/E)
    double SpreadLog = 0;                // s of ln(M/E)
    double SigmaE = 0;                   // the experiments' σ̃_E, given
    double SigmaM = 0;                   // the model's relative spread σ̃_M
    double Bias = 1;                     // δ
    bool SpreadWithinExperiment = false; // s ≤ σ̃_E: σ̃_M is then 0
    double NormalityP = 1;               // Spiegelhalter's p-value of ln(M/E)
};

// The statistics of the pairs (measured[i], predicted[i]), all positive.
ModelUncertainty ComputeModelUncertainty(const std::vector<double>& measured,
                                         const std::vector<double>& predicted, double sigmaE);

// Spiegelhalter's test (Biometrika 70, 1983) as the peer applies it:
// Z_i = (x_i − x̄)/σ, N = Σ Z_i² ln Z_i², S = (N − 0.73·n)/(0.9·√n),
// p = 1 − |erf(S/√2)|. 1 for fewer than three values.
double SpiegelhalterP(const std::vector<double>& values);

// The probability that the true value exceeds `critical` when the model
// predicts `predicted` (both measured from ambient, as the statistics are):
// the true value is log-normal about predicted/δ with relative spread σ̃_M,
// P = ½·erfc((ln critical − ln(predicted/δ)) / (σ̃_M·√2)).
double ExceedanceProbability(double predicted, double critical, const ModelUncertainty& u);

} // namespace vorla::verification
