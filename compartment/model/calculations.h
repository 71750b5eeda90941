// The state of VORLA-XW: one object, owned by main() and handed by reference
// to every window and to the batch command.
#pragma once

#include "common/fire_files/fire_table.h"
#include "compartment/model/run_inputs.h"
#include "compartment/model/run_results.h"
#include "compartment/model/unit_tables.h"

#include <optional>
#include <string>

namespace vorla::compartment {

// The heat loss fraction estimator's last Estimate: the text it typed into the
// heat loss fraction box and the room's length-to-width ratio and ceiling
// option (0 smooth, 1 moderately rough, 2 irregular) it worked from. A run whose heat loss
// fraction is that text's number used the estimate.
struct LossFractionEstimate {
    std::string Text;
    double LengthToWidth = 1;
    int CeilingOption = 0;
};

struct Calculations {
    RunInputs Inputs;
    UnitTables Units;
    FireTable Fire;
    RunResults Results;
    // The saved report File Open read last, if any: a fire file it names
    // without a folder is looked for next to it too (common/fire_files/fire_file_lookup.h).
    std::string OpenedReport;
    // Where the last run read its fire file (the full path found, or the name
    // as typed): a report saved elsewhere names it from its own folder.
    std::string FireFileRead;
    std::optional<LossFractionEstimate> LastEstimate;
};

} // namespace vorla::compartment
