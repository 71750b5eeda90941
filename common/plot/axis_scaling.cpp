#include "common/plot/axis_scaling.h"

#include "common/text/format.h"
#include "common/text/precision.h"

#include <cmath>
#include <string_view>

namespace vorla {

float ArrayMaximum(std::span<const double> series, int last) {
    float maximum = 0;
    if (series.empty() || last < 0) {
        return maximum;
    }
    const auto end = std::min<std::size_t>(static_cast<std::size_t>(last) + 1, series.size());
    for (std::size_t i = 0; i < end; ++i) {
        // The comparison is made against the single-precision maximum widened to
        // double, so a value a hair above it still replaces it.
        if (series[i] > maximum) {
            maximum = RoundToSingle(series[i]);
        }
    }
    return maximum;
}

TimeAxis ScaleTimeAxis(double xmax) {
    TimeAxis axis;
    std::string_view pattern = "###";
    if (xmax <= 1) {
        axis.XScale = 1;
        pattern = "0.0";
    } else if (xmax <= 2.5) {
        axis.XScale = 2.5;
        pattern = "0.0";
    } else if (xmax <= 5) {
        axis.XScale = 5;
        pattern = "#";
    } else if (xmax <= 30) {
        // The next multiple of 5 minutes, allowing the curve to run 0.25 min past it.
        axis.XScale = 5 * (std::trunc(xmax / 5 - 0.05) + 1);
        pattern = "##";
    } else if (xmax <= 50) {
        axis.XScale = 50;
        pattern = "##";
    } else if (xmax <= 100) {
        axis.XScale = 100;
    } else {
        // Longer series run past the right edge; the axis stops at 150 minutes.
        axis.XScale = 150;
    }
    for (int a = 1; a <= 5; ++a) {
        axis.Labels[a - 1] = Format(a * axis.XScale / 5, pattern);
    }
    return axis;
}

namespace {

struct ValueBand {
    double step;
    std::string_view pattern;
};

constexpr ValueBand kValueBands[] = {
    {5000, "######"}, {500, "####"}, {50, "###"}, {5, "##"}, {0.5, "0.0"}, {0.05, "0.00"},
};

} // namespace

ValueAxis ScaleValueAxis(double ymax) {
    ValueAxis axis;
    std::string_view pattern = "0.0000#";
    if (std::isfinite(ymax)) {
        for (const auto& band : kValueBands) {
            if (ymax >= band.step) {
                axis.YScale = RoundToSingle(band.step * std::trunc(ymax / band.step + 1));
                pattern = band.pattern;
                break;
            }
        }
    }
    if (!std::isfinite(axis.YScale)) {
        // A maximum beyond the range of single precision: keep the labels readable.
        axis.YScale = 0.05F;
        pattern = "0.0000#";
    }
    const float step = axis.YScale / 5.0F;
    for (int a = 1; a <= 5; ++a) {
        axis.Labels[a - 1] = Format(step * static_cast<float>(a), pattern);
    }
    return axis;
}

} // namespace vorla
