#include "compartment/model/report_text.h"

#include "common/text/format.h"
#include "common/text/precision.h"
#include "common/text/report_paging.h"
#include "common/text/units.h"

namespace vorla::compartment {
namespace {

// The report converts to U.S. units itself; the form's unit tables are separate.
// An interface this close to the ceiling shows as the ceiling itself.
constexpr double kCeilingMargin = 0.01;

std::string HeightLine(std::string_view label, double metres) {
    return std::string(label) + RightAlign(metres, "#0.00") + " m   (" +
           RightAlign(metres / kMetresPerFoot, "##0.00") + " ft)";
}

} // namespace

std::string OutputFileLine(std::string_view outputFile) {
    return "SIMULATION OUTPUT DATA FILE : " + std::string(outputFile);
}

std::string InputLine(const RunInputs& in, int line) {
    switch (line) {
    case 4:
        return "ROOM AREA                   : " + RightAlign(in.FloorArea, "####.00") + " m^2 (" +
               RightAlign(in.FloorArea / kSquareMetresPerSquareFoot, "####0.00") + " ft^2)";
    case 5:
        return HeightLine("ROOM HEIGHT                 :   ", in.RoomHeight);
    case 6:
        return HeightLine("WIDTH OF VENT               :   ", in.VentWidth);
    case 7:
        return HeightLine("VENT SILL HEIGHT            :   ", in.SillHeight);
    case 8:
        return HeightLine("VENT SOFFIT HEIGHT          :   ", in.SoffitHeight);
    case 9:
        return HeightLine("FIRE HEIGHT                 :   ", in.FireHeight);
    case 10:
        return "RADIATIVE FRACTION          :   " + RightAlign(in.RadiativeLossFraction, "0.000");
    case 11:
        return "HEAT LOSS FRACTION          :   " + RightAlign(in.LossFraction, "0.000");
    case 12:
        return "MAXIMUM RUN TIME            :   " + RightAlign(in.RunTime, "#####") + " s  ";
    case 13:
        return "HEAT RELEASE RATE DATA FILE : " + in.FireFile;
    default:
        return {};
    }
}

std::string_view ColumnTitleLine(int line) {
    switch (line) {
    case 15:
        return "Time   Temp   Temp  Layer  Layer    Fire    Fire   Vent   Vent FR OS";
    case 16:
        return " sec  deg F  deg C     ft      m   Btu/s      kW   lb/s   kg/s      ";
    case 17:
        return "====================================================================";
    default:
        return {};
    }
}

std::string ReportHeader(const RunInputs& in) {
    std::string header = in.RunTitle;
    header += kCrLf;
    header += OutputFileLine(in.OutputFile);
    for (int line = 4; line <= 13; ++line) {
        header += kCrLf;
        header += InputLine(in, line);
    }
    header += kCrLf; // line 14 is empty
    for (int line = 15; line <= 17; ++line) {
        header += kCrLf;
        header += ColumnTitleLine(line);
    }
    return header;
}

std::string ReportRow(const RunInputs& in, const RunResults& results, int r) {
    const double celsius = results.LayerTemperature[r];
    double z = results.InterfaceHeight[r];
    if (in.RoomHeight - z <= kCeilingMargin) {
        z = in.RoomHeight;
    }
    const double rate = results.HeatReleaseRate[r];
    const double ventFlow = RoundToSingle(results.VentFlow[r]);

    std::string row;
    row.reserve(68);
    row += RightAlign(results.Time[r], "###0");
    row += "   ";
    row += RightAlign(celsius * 9 / 5 + 32, "###0");
    row += "   ";
    row += RightAlign(celsius, "###0");
    row += "  ";
    row += RightAlign(z / kMetresPerFoot, "#0.00");
    row += "  ";
    row += RightAlign(z, "#0.00");
    row += " ";
    row += RightAlign(rate / kKilowattsPerBtuPerSecond, "####0.0");
    row += " ";
    row += RightAlign(rate, "####0.0");
    row += " ";
    row += RightAlign(ventFlow * kPoundsPerKilogram, "#0.000");
    row += " ";
    row += RightAlign(ventFlow, "#0.000");
    row += results.FRFlag[r];
    row += results.OSFlag[r];
    return row;
}

std::string ReportRows(const RunInputs& in, const RunResults& results) {
    std::string rows;
    rows.reserve(static_cast<std::size_t>(results.LastRow + 1) * 70);
    for (int r = 0; r <= results.LastRow; ++r) {
        rows += ReportRow(in, results, r);
        rows += kCrLf;
    }
    return rows;
}

std::string HeaderText(std::string_view reportHeader) {
    return std::string(kVersionLine) + std::string(kCrLf) + std::string(reportHeader);
}

std::string ScreenTableText(const RunInputs& in, const RunResults& results,
                            std::string_view endMessage) {
    const int interval = RowInterval(results.LastRow);
    std::string table;
    for (int r = 0; r <= results.LastRow; r += interval) {
        table += ReportRow(in, results, r);
        table += kCrLf;
    }
    table += endMessage;
    return table;
}

std::string SavedReportText(std::string_view reportHeader, std::string_view reportRows,
                            std::string_view endMessage) {
    // Sized once: a 9000 s report is over 100 kB, and growing it step by step
    // would copy it and touch twice the memory.
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

} // namespace vorla::compartment
