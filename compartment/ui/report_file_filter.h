// The saved reports VORLA-XW's file dialogs offer to open (File Open, the
// graph's Compare With…): Save writes *.sdf and the batch command *.vof, so
// both are found.
#pragma once

namespace vorla::compartment {

inline constexpr const char* kOpenReportFilter =
    "VORLA-XW Data Files (*.vof;*.sdf)|*.vof;*.sdf|All files (*)|*";

} // namespace vorla::compartment
