// The result rows of a saved report read back, so that a graph can draw a run
// that is only on disk (the graph windows' Compare With…). Both models write
// the same nine columns in the same order under a rule of '=':
//
//   Time   Temp   Temp  Layer  Layer    Fire    Fire   Vent   Vent FR OS
//    sec  deg F  deg C     ft      m   Btu/s      kW   lb/s   kg/s
//   ====================================================================
//      0     70     21   7.87   2.40     0.0     0.0  0.000  0.000  1  N
//
// (VORLA-XW's rows end with two flags, which are not read), and the run's end
// message follows the last row. Which program wrote the file is for that
// program's own saved-report reader to decide; this only reads the table.
#pragma once

#include <optional>
#include <string_view>
#include <vector>

namespace vorla {

struct SavedReportRow {
    double Seconds = 0;
    double LayerFahrenheit = 0;
    double LayerCelsius = 0;
    double InterfaceFeet = 0;
    double InterfaceMetres = 0;
    double RateBtuPerSecond = 0;
    double RateKilowatts = 0;
    double VentFlowPoundsPerSecond = 0;
    double VentFlowKilogramsPerSecond = 0;
};

// The rows from the first line after the rule up to the first line that does
// not start with a number (the run's end message). Nothing when there is no
// rule or no row after it, when a row starting with a number does not go on
// with eight more, when the rows are not followed by an end message (a file
// cut short, perhaps in the middle of a number), or when a row's time is
// earlier than the one before it.
std::optional<std::vector<SavedReportRow>> ReadSavedReportRows(std::string_view content);

} // namespace vorla
