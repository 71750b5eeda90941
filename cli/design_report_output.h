// `vorla compartment|smoke ... --design-report FILE.pdf`: the run's design
// report (zone_models/design_report_document.h), the document the report windows' Export
// Design Report… writes, drawn by the helper program vorla-design-report
// (cli/design_report_main.cpp) so that `vorla` links no Qt.
#pragma once

#include "zone_models/design_report_document.h"

#include <iosfwd>
#include <optional>
#include <string>
#include <string_view>
#include <variant>

namespace vorla::cli {

// --time-axis min|s, the unit of the design report's time axes (the batch
// command has no Preferences…): minutes when not given, as the windows' default;
// another word is refused with the line saying so, after `prefix`.
std::variant<plot::TimeAxisUnit, std::string>
ReadTimeAxisOption(const std::optional<std::string>& text, std::string_view prefix);

// Hands the document of `run`, its time axes in `timeAxis`, to
// vorla-design-report as JSON in a temporary file and has it write `path`
// ("-": standard output). Returns the exit status: success, or the file
// problem after saying on `err` what could not be written and why.
int WriteDesignReport(const std::string& path, const DesignReportRun& run,
                      plot::TimeAxisUnit timeAxis, std::ostream& err);

// The design report's run fields only the batch command knows: the time now,
// the report as -o wrote it (its name, or "(standard output)", and the digest
// of its text), and the digest of the fire file the run read.
void SetCommandRunFiles(DesignReportRun& run, const std::string& reportPath,
                        const std::string& reportText);

} // namespace vorla::cli
