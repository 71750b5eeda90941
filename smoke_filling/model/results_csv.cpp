#include "smoke_filling/model/results_csv.h"

#include "common/text/report_paging.h"
#include "common/text/round_trip_text.h"

namespace vorla::smoke {

std::string ResultsCsv(const RunResults& results) {
    // The header of every results CSV of the suite: name_unit.
    std::string text = "time_s,layer_temperature_C,interface_height_m,heat_release_rate_kW,"
                       "vent_flow_kg_s";
    text += kCrLf;
    text.reserve(text.size() + static_cast<std::size_t>(results.LastRow + 1) * 100);
    for (int i = 0; i <= results.LastRow; ++i) {
        text += std::to_string(results.Time[i]);
        text += ',';
        text += RoundTripText(results.LayerTemperature[i]);
        text += ',';
        // Kept in single precision by the model: the float's shortest text.
        text += SingleRoundTripText(results.InterfaceHeight[i]);
        text += ',';
        text += RoundTripText(results.HeatReleaseRate[i]);
        text += ',';
        text += RoundTripText(results.VentFlow[i]);
        text += kCrLf;
    }
    return text;
}

} // namespace vorla::smoke
