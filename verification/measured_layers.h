// The hot gas layer as the experiments' reduction gives it (the peer's
// two-zone reduction of the thermocouple trees): a steady profile for
// Steckler's tests, a time series for the transient tests.
#pragma once

#include <string>
#include <variant>
#include <vector>

namespace vorla::verification {

struct MeasuredLayer {
    double Time = 0;      // s (the end of the averaging window of a steady test)
    double Interface = 0; // m above the floor
    double Lower = 0;     // °C
    double Upper = 0;     // °C
};

// A steady test: one layer and the window (s) it was averaged over.
struct SteadyLayer {
    MeasuredLayer Layer;
    double WindowStart = 0;
    double WindowEnd = 0;
};

// Steckler's "Height, Temp, Time" step profile: the lower temperature from the
// floor to the interface, the upper one above, the averaging window in the
// Time column.
std::variant<SteadyLayer, std::string> ReadSteadyLayer(const std::string& path);

// "Time, Height, T_lower, T_upper" rows.
std::variant<std::vector<MeasuredLayer>, std::string> ReadLayerSeries(const std::string& path);

} // namespace vorla::verification

namespace vorla::verification {

// An interface height at a time.
struct InterfaceAt {
    double Time = 0;   // s
    double Height = 0; // m above the floor
};

// The time the interface falls to `height` within [from, to]: the first time
// after its highest point in that window at which it is at or below
// `height`, linear between the samples. Below 0 when the interface is never
// above `height` in the window or never falls to it.
double TimeToFallTo(const std::vector<InterfaceAt>& series, double height, double from, double to);

} // namespace vorla::verification
