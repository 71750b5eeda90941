// QDOT-XW's design-fire sheet: the curve on the graph as a document
// (common/plot/design_document.h) for a report: its description, fire file, heat
// of combustion and delay, its peak, duration and heat released, the kind of
// curve and the parameters its form built it from, its graph,
// and the fire file's lines as an appendix. The graph window's Design Sheet…
// draws it as PDF with the models' design report writer.
#pragma once

#include "common/plot/design_document.h"
#include "fire_generator/curves/design_fire_state.h"

#include <string_view>

namespace vorla::generator {

// The sheet of points 0 to LastPoint; `date` goes on the fire file's name line
// as Save writes it.
DesignDocument DesignFireSheet(const DesignFireState& module, std::string_view date);

// The heat the curve releases from its first point to its last, in MJ: the
// rate taken linearly between points (as the models read a fire file).
double CurveHeatReleasedMj(const DesignFireState& module);

} // namespace vorla::generator
