// The inputs of one smoke filling run, always in S.I. units whatever the form
// shows. The form writes them; the run and the report read them.
#pragma once

#include <cstdint>
#include <string>

namespace vorla::smoke {

struct SmokeFillInputs {
    double FloorArea = 0;     // m², floor area of the closed room
    double RoomHeight = 0;    // m, floor to ceiling
    float FireHeight = 0;     // m, fuel surface above the floor (kept in single precision)
    double LossFraction = 0;  // fraction of the heat release rate lost to the boundaries
    std::int16_t RunTime = 0; // s, longest simulated time
    std::string FireFile;     // path of the fire file, read at the start of every run
    std::string OutputFile;   // results file name shown in the report header
    std::string RunTitle;     // at most 60 characters once Run has read it
};

} // namespace vorla::smoke
