#include "smoke_filling/model/report_text.h"

#include "common/text/format.h"
#include "common/text/precision.h"
#include "common/text/report_paging.h"
#include "common/text/units.h"

namespace vorla::smoke {
namespace {

// The report converts to U.S. units in double precision (the form's
// single-precision factors are not used here).
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
           RightAlign(metres / kMetresPerFoot, "##0.00") + " ft  )";
}

} // namespace

std::array<std::string, kHeaderLines> ReportHeaderLines(const RunInputs& inputs) {
    return {
        inputs.RunTitle,
        LabelOf("SIMULATION OUTPUT DATA FILE") + inputs.OutputFile,
        LabelOf("FLOOR AREA") + RightAlign(inputs.FloorArea, "####.00") + " m^2 (" +
            RightAlign(inputs.FloorArea / kSquareMetresPerSquareFoot, "####0.00") + " ft^2)",
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

std::string ReportHeader(const RunInputs& inputs) {
    const auto lines = ReportHeaderLines(inputs);
    std::string header = lines[0];
    for (int k = 1; k < kHeaderLines; ++k) {
        header += kCrLf;
        header += lines[k];
    }
    return header;
}

std::string ReportRow(const RunInputs& inputs, const RunResults& results, int i) {
    const double celsius = results.LayerTemperature[i];
    double z = results.InterfaceHeight[i];
    if (inputs.RoomHeight - z <= kCeilingBand) {
        z = inputs.RoomHeight;
    }
    const double q = results.HeatReleaseRate[i];
    const double flow = RoundToSingle(results.VentFlow[i]);

    std::string row;
    row.reserve(kRowWidth);
    row += RightAlign(results.Time[i], "###0");
    row += "    ";
    row += RightAlign(celsius * 9 / 5 + 32, "###0");
    row += "    ";
    row += RightAlign(celsius, "###0");
    row += "  ";
    row += RightAlign(z / kMetresPerFoot, "#0.00");
    row += "  ";
    row += RightAlign(z, "#0.00");
    row += "  ";
    row += RightAlign(q / kKilowattsPerBtuPerSecond, "####0.0");
    row += "  ";
    row += RightAlign(q, "####0.0");
    row += "  ";
    row += RightAlign(flow * kPoundsPerKilogram, "#0.000");
    row += "  ";
    row += RightAlign(flow, "#0.000");
    return row;
}

std::string ReportRows(const RunInputs& inputs, const RunResults& results) {
    std::string rows;
    rows.reserve(static_cast<std::size_t>(results.LastRow + 1) * (kRowWidth + 2));
    for (int i = 0; i <= results.LastRow; ++i) {
        rows += ReportRow(inputs, results, i);
        rows += kCrLf;
    }
    return rows;
}

std::string HeaderText(std::string_view reportHeader) {
    return std::string(kVersionLine) + std::string(kCrLf) + std::string(reportHeader);
}

std::string ScreenTableText(const RunInputs& inputs, const RunResults& results,
                            std::string_view endMessage) {
    const int interval = RowInterval(results.LastRow);
    std::string table;
    for (int i = 0; i <= results.LastRow; i += interval) {
        table += ReportRow(inputs, results, i);
        table += kCrLf;
    }
    table += endMessage;
    return table;
}

std::string SavedReportText(std::string_view reportHeader, std::string_view reportRows,
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

std::string SavedReportText(const RunInputs& inputs, const RunResults& results,
                            std::string_view endMessage) {
    return SavedReportText(ReportHeader(inputs), ReportRows(inputs, results), endMessage);
}

} // namespace vorla::smoke
