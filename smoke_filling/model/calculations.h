// SKEVA-XW's program state: one object, owned by main() and handed by reference
// to each window and to the batch command.
#pragma once

#include "common/fire_table.h"
#include "smoke_filling/model/smoke_fill_inputs.h"
#include "smoke_filling/model/smoke_fill_results.h"
#include "smoke_filling/model/smoke_fill_units.h"

namespace vorla::smoke {

// The button that answered the last message box.
enum class MessageAnswer { None, Ok, Cancel, Yes, No };

struct Calculations {
    SmokeFillInputs Inputs;
    SmokeFillUnits Units;
    FireTable Fire;           // read from Inputs.FireFile at the start of every run
    SmokeFillResults Results; // rows 0 to the last row of the latest run
    MessageAnswer Response = MessageAnswer::None;
};

} // namespace vorla::smoke
