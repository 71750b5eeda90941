// Rooms and fires for the compartment tests, set up as a passed Run leaves them.
#pragma once

#include "common/fire_files/fire_file_reader.h"
#include "compartment/model/calculations.h"
#include "compartment/model/input_checks.h"

#include <fstream>
#include <gtest/gtest.h>
#include <memory>
#include <sstream>
#include <string>
#include <string_view>

namespace vorla::compartment::testing {

inline std::string ReadWholeFile(const std::string& path) {
    std::ifstream file(path, std::ios::binary);
    std::ostringstream content;
    content << file.rdbuf();
    return content.str();
}

// The office of the report example: 20 m², 2.4 m high, a door 0.9 m wide and
// 2 m high, the fire on the floor.
inline std::unique_ptr<Calculations> Office() {
    auto calc = std::make_unique<Calculations>();
    RunInputs& in = calc->Inputs;
    in.RunTitle = "Office, sofa fire";
    in.OutputFile = "OFFICE.VOF";
    in.FireFile = "SOFA.FIR";
    in.FloorArea = 20;
    in.RoomHeight = 2.4;
    in.VentWidth = 0.9;
    in.SillHeight = 0;
    in.SoffitHeight = 2.0f;
    in.FireHeight = 0;
    in.RadiativeLossFraction = 0.35;
    in.LossFraction = 0.6;
    in.RunTime = 600;
    in.VentFactor = VentFactorOf(in);
    return calc;
}

// Loads a fire table from the text of a fire file ("time rate burning" records
// and a -9 end marker).
inline void LoadFire(Calculations& calc, std::string_view text) {
    const auto error = ParseFireFile(text, "test.fir", calc.Fire);
    ASSERT_FALSE(error) << DescribeFireFileError(*error);
}

inline void LoadFireFile(Calculations& calc, const std::string& path) {
    const auto error = ReadFireFile(path, calc.Fire);
    ASSERT_FALSE(error) << DescribeFireFileError(*error);
}

} // namespace vorla::compartment::testing
