#include "smoke_filling/model/results_csv.h"

#include "common/report_paging.h"

#include <charconv>

namespace vorla::smoke {
namespace {

std::string FullPrecision(double value) {
    char buffer[40];
    const auto result =
        std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::general, 17);
    return std::string(buffer, result.ptr);
}

} // namespace

std::string ResultsCsv(const RunResults& results) {
    std::string text = "Time (s),Layer temperature (C),Interface height (m),"
                       "Heat release rate (kW),Vent flow (kg/s)";
    text += kCrLf;
    for (int i = 0; i <= results.LastRow; ++i) {
        text += std::to_string(results.Time[i]) + "," + FullPrecision(results.LayerTemperature[i]) +
                "," + FullPrecision(results.InterfaceHeight[i]) + "," +
                FullPrecision(results.HeatReleaseRate[i]) + "," +
                FullPrecision(results.VentFlow[i]);
        text += kCrLf;
    }
    return text;
}

} // namespace vorla::smoke
