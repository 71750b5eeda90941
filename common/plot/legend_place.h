// Where a plot's legend stands: in the corner of the plotting area that the
// curves cross least, so that comparing two runs never hides the part of a
// curve the user is looking at. The graph windows and their exported pictures
// take the same corner, so both look alike.
#pragma once

#include "common/plot/plot.h"

#include <cstddef>

namespace vorla::plot {

// The share of the plotting area a legend of `entries` lines is taken to
// cover, in fractions of the full scales of the axes.
double LegendWidthFraction();
double LegendHeightFraction(std::size_t entries);

// The corner whose legend box (LegendWidthFraction() by
// LegendHeightFraction(series)) the plot's series cross least, on the scales
// ScalePlot gives: each segment is followed in small steps, so a long straight
// segment between two far points counts too. Ties go to the top right, then the
// top left, the bottom right and the bottom left. None for a plot of fewer than
// two series.
LegendPlace LeastCoveredCorner(const Plot& plot);

} // namespace vorla::plot
