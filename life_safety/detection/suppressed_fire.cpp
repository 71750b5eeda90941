#include "life_safety/detection/suppressed_fire.h"

#include <algorithm>
#include <cmath>
#include <vector>

namespace vorla::detection {
namespace {

// The times after the activation at which the suppressed fire gets a point.
std::vector<double> TimesAfter(const FireTable& fire, const Suppression& suppression,
                               double activationTime, double heldRate, int room) {
    const double end = fire.LastTime();
    std::vector<double> times;
    for (int i = 0; i <= fire.LastIndex; ++i) {
        if (fire.Points[i].Time > activationTime) {
            times.push_back(fire.Points[i].Time);
        }
    }
    if (suppression.Rule == SuppressionRule::HeldAtActivation) {
        // The held rate bounds the curve: where a segment crosses it, the
        // smaller of the two changes from one to the other.
        for (int i = 0; i < fire.LastIndex; ++i) {
            const FirePoint a = fire.Points[i];
            const FirePoint b = fire.Points[i + 1];
            if ((a.Rate - heldRate) * (b.Rate - heldRate) < 0 && b.Time > a.Time) {
                const double t =
                    a.Time + (heldRate - a.Rate) / (b.Rate - a.Rate) * (b.Time - a.Time);
                if (t > activationTime) {
                    times.push_back(t);
                }
            }
        }
    } else if (suppression.Rule == SuppressionRule::Decaying) {
        const int left = std::max(1, room - static_cast<int>(times.size()));
        const double step = std::max(1.0, std::ceil((end - activationTime) / left));
        for (double t = activationTime + step; t < end; t += step) {
            times.push_back(t);
        }
    }
    std::sort(times.begin(), times.end());
    times.erase(std::unique(times.begin(), times.end()), times.end());
    return times;
}

} // namespace

FireTable SuppressedFireTable(const FireTable& fire, const Suppression& suppression,
                              double activationTime) {
    if (suppression.Rule == SuppressionRule::Unchanged || !(activationTime < fire.LastTime())) {
        return fire;
    }
    const double activationRate = FireRateAt(fire, activationTime);
    FireTable table;
    int n = 0;
    for (int i = 0; i <= fire.LastIndex && fire.Points[i].Time < activationTime; ++i) {
        table.Points[n++] = fire.Points[i];
    }
    table.Points[n++] = {activationTime, activationRate};
    const int room = kFireTableCapacity - n;
    std::vector<double> times = TimesAfter(fire, suppression, activationTime, activationRate, room);
    if (static_cast<int>(times.size()) > room) {
        // Keep the last time, so the fire ends when it did; thin the rest.
        std::vector<double> thinned;
        const double stride = static_cast<double>(times.size()) / room;
        for (int k = 0; k < room - 1; ++k) {
            thinned.push_back(times[static_cast<std::size_t>(k * stride)]);
        }
        thinned.push_back(times.back());
        times = std::move(thinned);
    }
    for (const double t : times) {
        table.Points[n++] = {t, SuppressedHeatReleaseRate(suppression, FireRateAt(fire, t), t,
                                                          activationTime, activationRate)};
    }
    table.LastIndex = static_cast<std::int16_t>(n - 1);
    return table;
}

} // namespace vorla::detection
