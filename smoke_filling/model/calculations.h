// The state of SKEVA-XW: one object, owned by main() and handed by reference
// to every window.
#pragma once

#include "common/fire_files/fire_table.h"
#include "smoke_filling/model/run_inputs.h"
#include "smoke_filling/model/run_results.h"
#include "smoke_filling/model/unit_tables.h"

#include <string>

namespace vorla::smoke {

struct Calculations {
    RunInputs Inputs;
    UnitTables Units;
    FireTable Fire; // read from Inputs.FireFile at the start of every run
    RunResults Results;
    // The saved report File Open read last, if any: a fire file it names
    // without a folder is looked for next to it too (common/fire_files/fire_file_lookup.h).
    std::string OpenedReport;
    // Where the last run read its fire file (the full path found, or the name
    // as typed): a report saved elsewhere names it from its own folder.
    std::string FireFileRead;
};

} // namespace vorla::smoke
