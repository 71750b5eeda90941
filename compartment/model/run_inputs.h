// The inputs of one compartment run, always in S.I. units whatever the form
// shows. The form fills them, Run checks them, the run and the report read them.
#pragma once

#include "common/model_runs/fire_plumes.h"

#include <cstdint>
#include <string>

namespace vorla::compartment {

struct RunInputs {
    std::string RunTitle;   // at most 60 characters once Run has read it
    std::string OutputFile; // the output data file name the report shows
    std::string FireFile;   // path of the fire file, read at the start of a run
    double FloorArea = 0;   // m²
    double RoomHeight = 0;  // m, floor to ceiling
    double VentWidth = 0;   // m
    double SillHeight = 0;  // m, lower edge of the vent
    // m, upper edge of the vent. Kept in single precision: every check, the vent
    // factor, the physics and the report see the rounded value.
    float SoffitHeight = 0;
    double FireHeight = 0;            // m, the fire base (fuel surface)
    double RadiativeLossFraction = 0; // share of the heat release radiated by the flame
    double LossFraction = 0;     // share lost from the hot layer to the boundaries
    std::int16_t RunTime = 0;         // s, 1 to 9000
    // kg/s, the largest air inflow the vent passes: 0.52 W (Hs - Hsill)^1.5.
    double VentFactor = 0;
    // Physics options the validation against measured fires calls for. The
    // defaults are the model as it has always been: Zukoski's plume of a fire
    // standing free.
    FirePosition FirePlace = FirePosition::Centre;
    PlumeCorrelation Plume = PlumeCorrelation::Zukoski;
};

} // namespace vorla::compartment
