#include "common/model_runs/fire_plumes.h"

#include <cmath>

namespace vorla {

int MirrorImageCount(FirePosition position) {
    switch (position) {
    case FirePosition::AgainstWall:
        return 2;
    case FirePosition::InCorner:
        return 4;
    case FirePosition::Centre:
        break;
    }
    return 1;
}

double HeskestadLimitingElevation(double convectiveRate) {
    return convectiveRate > 0 ? 0.166 * std::pow(convectiveRate, 0.4) : 0.0;
}

double HeskestadPlumeFlow(double convectiveRate, double height) {
    if (!(height > 0) || !(convectiveRate > 0)) {
        return 0;
    }
    if (height <= HeskestadLimitingElevation(convectiveRate)) {
        return 0.032 * std::pow(convectiveRate, 0.6) * height;
    }
    return 0.071 * std::cbrt(convectiveRate) * std::pow(height, 5.0 / 3.0) +
           0.0018 * convectiveRate;
}

double HeskestadFlameHeight(double rate) {
    return rate > 0 ? 0.235 * std::pow(rate, 0.4) : 0.0;
}

} // namespace vorla
