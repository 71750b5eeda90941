#include "smoke_filling/model/report_text.h"

#include "common/fire_table.h"
#include "common/format.h"
#include "common/precision.h"
#include "common/report_paging.h"

namespace vorla::smoke {
namespace {

// The report's own conversions to U.S. units, in double precision (the form's
// single-precision factors are not used here).
constexpr double kSquareFeet = 0.0929;    // m² per ft²
constexpr double kFeet = 0.3048;          // m per ft
constexpr double kBtuPerSecond = 1.05504; // kW per Btu/s
constexpr double kPoundsPerKg = 2.205;    // lb/s per kg/s
// An interface this close to the ceiling is shown at the ceiling.
constexpr double kCeilingBand = 0.01; // m

std::string LabelOf(std::string_view name) {
    // Labels are 28 characters then ": ", so values start in column 31.
    std::string label(name);
    label.resize(28, ' ');
    return label + ": ";
}

std::string HeightLine(std::string_view name, double metres) {
    return LabelOf(name) + "  " + RightAlign(metres, "#0.00") + " m   (  " +
           RightAlign(metres / kFeet, "##0.00") + " ft  )";
}

} // namespace

std::array<std::string, kHeaderLines> ReportHeaderLines(const SmokeFillInputs& inputs) {
    return {
        inputs.RunTitle,
        LabelOf("SIMULATION OUTPUT DATA FILE") + inputs.OutputFile,
        LabelOf("FLOOR AREA") + RightAlign(inputs.FloorArea, "####.00") + " m^2 (" +
            RightAlign(inputs.FloorArea / kSquareFeet, "####0.00") + " ft^2)",
        HeightLine("ROOM HEIGHT", inputs.RoomHeight),
        HeightLine("FIRE HEIGHT", inputs.FireHeight),
        LabelOf("HEAT LOSS FRACTION") + "  " + RightAlign(inputs.LossFraction, "0.000"),
        LabelOf("MAXIMUM RUN TIME") + "  " + RightAlign(inputs.RunTime, "#####") + " s  ",
        LabelOf("HEAT RELEASE RATE DATA FILE") + inputs.FireFile,
        "",
        "Time    Temp    Temp  Layer  Layer     Fire     Fire    Vent    Vent",
        " sec   deg F   deg C     ft      m    Btu/s       kW    lb/s    kg/s",
        std::string(kRowWidth, '='),
    };
}

std::string ReportHeader(const SmokeFillInputs& inputs) {
    const auto lines = ReportHeaderLines(inputs);
    std::string header = lines[0];
    for (int k = 1; k < kHeaderLines; ++k) {
        header += kCrLf;
        header += lines[k];
    }
    return header;
}

std::string ReportRow(const Calculations& calc, int i) {
    const SmokeFillResults& results = calc.Results;
    const double celsius = results.LayerTemperature[i];
    double z = results.InterfaceHeight[i];
    if (calc.Inputs.RoomHeight - z <= kCeilingBand) {
        z = calc.Inputs.RoomHeight;
    }
    const double q = FireRateAt(calc.Fire, results.Time[i]);
    const double flow = RoundToSingle(results.VentFlow[i]);

    std::string row;
    row.reserve(kRowWidth);
    row += RightAlign(results.Time[i], "###0");
    row += "    ";
    row += RightAlign(celsius * 9 / 5 + 32, "###0");
    row += "    ";
    row += RightAlign(celsius, "###0");
    row += "  ";
    row += RightAlign(z / kFeet, "#0.00");
    row += "  ";
    row += RightAlign(z, "#0.00");
    row += "  ";
    row += RightAlign(q / kBtuPerSecond, "####0.0");
    row += "  ";
    row += RightAlign(q, "####0.0");
    row += "  ";
    row += RightAlign(flow * kPoundsPerKg, "#0.000");
    row += "  ";
    row += RightAlign(flow, "#0.000");
    return row;
}

std::string ReportRows(const Calculations& calc, int lastRow) {
    std::string rows;
    rows.reserve(static_cast<std::size_t>(lastRow + 1) * (kRowWidth + 2));
    for (int i = 0; i <= lastRow; ++i) {
        rows += ReportRow(calc, i);
        rows += kCrLf;
    }
    return rows;
}

std::string ScreenTable(const Calculations& calc, int lastRow) {
    const int interval = RowInterval(lastRow);
    std::string table;
    for (int i = 0; i <= lastRow; i += interval) {
        table += ReportRow(calc, i);
        table += kCrLf;
    }
    return table;
}

std::string DataColumnsText(std::string_view screenTable, std::string_view endMessage) {
    std::string text(screenTable);
    text += endMessage;
    return text;
}

std::string SavedResultsText(std::string_view reportHeader, std::string_view reportRows,
                             std::string_view endMessage) {
    std::string text;
    text.reserve(kVersionLine.size() + reportHeader.size() + reportRows.size() + endMessage.size() +
                 6);
    text += kVersionLine;
    text += kCrLf;
    text += reportHeader;
    text += kCrLf;
    text += reportRows;
    text += endMessage;
    text += kCrLf;
    return text;
}

} // namespace vorla::smoke
