// The inputs of one smoke filling run, always in S.I. units whatever the form
// shows. The form's boxes are read into them; the run and the report read them.
#pragma once

#include "common/model_runs/fire_plumes.h"

#include <cstdint>
#include <string>

namespace vorla::smoke {

struct RunInputs {
    std::string RunTitle;     // at most 60 characters once Run has read it
    std::string OutputFile;   // the output data file name the report shows
    std::string FireFile;     // path of the fire file, read at the start of a run
    double FloorArea = 0;     // m², floor area of the closed room
    double RoomHeight = 0;    // m, floor to ceiling
    float FireHeight = 0;     // m, fuel surface above the floor (kept in single precision)
    double LossFraction = 0;  // share of the heat release rate lost to the boundaries
    std::int16_t RunTime = 0; // s, 1 to 9000
    // Physics options the validation against measured fires calls for. The
    // defaults are the model as it has always been: Zukoski's plume of a fire
    // standing free.
    FirePosition FirePlace = FirePosition::Centre;
    PlumeCorrelation Plume = PlumeCorrelation::Zukoski;
};

} // namespace vorla::smoke
