#include "verification/balances.h"

#include <vector>

namespace vorla::verification {
namespace {

template <class Of> double Integral(const Trace& trace, Of of) {
    std::vector<double> samples;
    samples.reserve(trace.Seconds.size());
    for (const Second& s : trace.Seconds) {
        samples.push_back(of(s));
    }
    return TrapezoidOverSeconds(samples);
}

} // namespace

double TrapezoidOverSeconds(std::span<const double> samples) {
    double sum = 0;
    for (std::size_t i = 1; i < samples.size(); ++i) {
        sum += (samples[i - 1] + samples[i]) / 2;
    }
    return sum;
}

double LayerMass(const Room& room, double interface, double temperature) {
    return kAmbientDensity * kAmbientTemperature * room.FloorArea * (room.RoomHeight - interface) /
           temperature;
}

double LayerEnthalpy(const Room& room, double interface, double temperature) {
    return LayerMass(room, interface, temperature) * kAirHeatCapacity *
           (temperature - kAmbientTemperature);
}

EnergyBalance BalanceEnergy(const Room& room, const Trace& trace) {
    EnergyBalance balance;
    if (trace.Seconds.empty()) {
        return balance;
    }
    balance.Released = Integral(trace, [](const Second& s) { return s.Rate; });
    balance.ToBoundaries = room.LossFraction * balance.Released;
    balance.CarriedOut = Integral(trace, [](const Second& s) {
        return s.UpperOut * kAirHeatCapacity * (s.Temperature - kAmbientTemperature);
    });
    const Second& first = trace.Seconds.front();
    const Second& last = trace.Seconds.back();
    balance.Stored = LayerEnthalpy(room, last.Interface, last.Temperature) -
                     LayerEnthalpy(room, first.Interface, first.Temperature);
    return balance;
}

MassBalance BalanceMass(const Room& room, const Trace& trace) {
    MassBalance balance;
    if (trace.Seconds.empty()) {
        return balance;
    }
    balance.Entrained = Integral(trace, [](const Second& s) { return s.Plume; });
    balance.LayerOut = Integral(trace, [](const Second& s) { return s.UpperOut; });
    balance.AirIn = Integral(trace, [](const Second& s) { return s.AirIn; });
    balance.LowerOut = Integral(trace, [](const Second& s) { return s.LowerOut; });
    const Second& first = trace.Seconds.front();
    const Second& last = trace.Seconds.back();
    balance.LayerStored = LayerMass(room, last.Interface, last.Temperature) -
                          LayerMass(room, first.Interface, first.Temperature);
    balance.LowerStored = kAmbientDensity * room.FloorArea * (last.Interface - first.Interface);
    return balance;
}

} // namespace vorla::verification
