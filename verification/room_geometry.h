// The geometry the correlations need from a room: the vent's area and height
// and the area of the boundaries, for a rectangular room of a given aspect ratio.
#pragma once

#include "verification/model_runs.h"

#include <cmath>

namespace vorla::verification {

inline double VentArea(const Room& room) {
    return room.VentWidth * (room.SoffitHeight - room.SillHeight);
}

inline double VentHeight(const Room& room) {
    return room.SoffitHeight - room.SillHeight;
}

// Floor, ceiling and walls less the vent, for a floor `aspect` times as long as wide.
inline double BoundaryArea(const Room& room, double aspect) {
    const double width = std::sqrt(room.FloorArea / aspect);
    const double length = room.FloorArea / width;
    return 2 * room.FloorArea + 2 * (length + width) * room.RoomHeight - VentArea(room);
}

} // namespace vorla::verification
