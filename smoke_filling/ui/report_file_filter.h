// The saved results SKEVA-XW's file dialogs offer to open (File Open, the
// graph's Compare With…).
#pragma once

namespace vorla::smoke {

inline constexpr const char* kOpenReportFilter =
    "SKEVA-XW Data Files (*.sof)|*.sof|All files (*)|*";

} // namespace vorla::smoke
