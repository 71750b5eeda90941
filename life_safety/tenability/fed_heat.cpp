#include "life_safety/tenability/fed_heat.h"

#include <cmath>
#include <limits>

namespace vorla::tenability {

double ConvectiveToleranceTime(double gasTemperatureC) {
    if (!(gasTemperatureC > 0)) {
        return std::numeric_limits<double>::infinity();
    }
    return 4.1e8 * std::pow(gasTemperatureC, -3.61);
}

double RadiantToleranceTime(double radiantFlux) {
    if (!(radiantFlux >= kTolerableRadiantFlux)) {
        return std::numeric_limits<double>::infinity();
    }
    return 4.2 * std::pow(radiantFlux, -1.9);
}

HeatDoses HeatDosesOver(double startGasC, double endGasC, double startFlux, double endFlux,
                        double seconds) {
    const double minutes = seconds / 60;
    return {minutes / ConvectiveToleranceTime(0.5 * (startGasC + endGasC)),
            minutes / RadiantToleranceTime(0.5 * (startFlux + endFlux))};
}

} // namespace vorla::tenability
