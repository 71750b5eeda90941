// The office every compartment benchmark runs: the examples' 20 m² room with
// a door, under the sofa fire growing as t² to 1.5 MW by 358 s and burning on
// to 9000 s. While it grows the layer passes below the door's soffit and the
// vent goes from regime 1 through 2 to 3.
#pragma once

#include "common/fire_files/fire_file_reader.h"
#include "compartment/model/calculations.h"
#include "compartment/model/input_checks.h"

#include <cstdio>
#include <cstdlib>
#include <memory>
#include <string>

namespace vorla::compartment {

inline std::unique_ptr<Calculations> OfficeWithSofaFire(std::int16_t runTime) {
    auto calc = std::make_unique<Calculations>();
    RunInputs& in = calc->Inputs;
    in.RunTitle = "Office, sofa fire";
    in.OutputFile = "OFFICE.VOF";
    in.FireFile = "office-sofa-tsquared.fir";
    in.FloorArea = 20;
    in.RoomHeight = 2.4;
    in.VentWidth = 0.9;
    in.SoffitHeight = 2.0f;
    in.RadiativeLossFraction = 0.35;
    in.LossFraction = 0.6;
    in.RunTime = runTime;
    in.VentFactor = VentFactorOf(in);
    // A long fire: the example's growth and steady burning stretched to 9000 s.
    std::string fire;
    for (int t = 0; t <= 9000; t += 30) {
        const double rate = t < 358 ? 0.01172 * t * t : 1500;
        fire += std::to_string(t) + " " + std::to_string(rate) + " 0\r\n";
    }
    fire += "-9 -9 -9\r\n";
    if (const auto error = ParseFireFile(fire, "bench.fir", calc->Fire)) {
        std::fprintf(stderr, "%s\n", DescribeFireFileError(*error).c_str());
        std::abort();
    }
    return calc;
}

} // namespace vorla::compartment
