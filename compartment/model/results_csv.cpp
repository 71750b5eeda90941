#include "compartment/model/results_csv.h"

#include "common/text/report_paging.h"
#include "common/text/round_trip_text.h"

namespace vorla::compartment {
namespace {

std::string_view Unpadded(std::string_view flag) {
    const auto first = flag.find_first_not_of(' ');
    return first == std::string_view::npos ? std::string_view{} : flag.substr(first);
}

} // namespace

std::string ResultsCsv(const RunResults& results) {
    std::string text = "time_s,layer_temperature_C,interface_height_m,heat_release_rate_kW,"
                       "vent_flow_kg_s,flow_regime,starved_of_air";
    text += kCrLf;
    // A line is at most 4 numbers of up to 24 characters and a few more: sized
    // once, the text is never copied as it grows.
    text.reserve(text.size() + static_cast<std::size_t>(results.LastRow + 1) * 128);
    for (int r = 0; r <= results.LastRow; ++r) {
        text += std::to_string(results.Time[r]);
        text += ',';
        text += RoundTripText(results.LayerTemperature[r]);
        text += ',';
        // The model keeps the interface in single precision: the float's own
        // shortest text, not that of the double it widens to.
        text += SingleRoundTripText(results.InterfaceHeight[r]);
        for (const double value : {results.HeatReleaseRate[r], results.VentFlow[r]}) {
            text += ',';
            text += RoundTripText(value);
        }
        text += ',';
        text += Unpadded(results.FRFlag[r]);
        text += ',';
        text += Unpadded(results.OSFlag[r]);
        text += kCrLf;
    }
    return text;
}

} // namespace vorla::compartment
