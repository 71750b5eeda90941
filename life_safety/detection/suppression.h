// What the fire does once the first sprinkler has operated.
//
// Unchanged (the default) leaves the fire curve as it is. Held keeps the heat
// release rate at its value at activation. Decaying follows Evans
// ("Sprinkler fire suppression algorithm for HAZARD", NISTIR 5254, 1993),
// as NIST CFAST applies it:
//
//   Q(t) = Q_act·exp(−(t − t_act)/τ),  τ = A·w^(−B),  A = 3, B = 1.85,
//
// with w the spray density in mm/s (τ in s). A and B are inputs: users fit
// them to other tests. The fire curve still bounds the result (a fire that
// dies down by itself is not made larger), as in CFAST's chemistry routine.
#pragma once

#include <optional>
#include <string>

namespace vorla::detection {

enum class SuppressionRule {
    Unchanged,
    HeldAtActivation,
    Decaying,
};

inline constexpr double kEvansConstant = 3.0;
inline constexpr double kEvansExponent = 1.85;

struct Suppression {
    SuppressionRule Rule = SuppressionRule::Unchanged;
    double SprayDensity = 0; // w, mm/s
    double Constant = kEvansConstant;
    double Exponent = kEvansExponent;
};

// τ = A·w^(−B), s.
double SuppressionTimeConstant(const Suppression& suppression);

// The heat release rate (kW) at `time` given the fire curve's `curveRate`,
// the time the first sprinkler operated (nothing when none has) and the heat
// release rate then.
double SuppressedHeatReleaseRate(const Suppression& suppression, double curveRate, double time,
                                 std::optional<double> activationTime, double rateAtActivation);

// The first problem of the inputs, as a sentence naming the value, or nothing.
// Only a decaying fire needs the spray density and the constants.
std::optional<std::string> CheckSuppression(const Suppression& suppression);

} // namespace vorla::detection
