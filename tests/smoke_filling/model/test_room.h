// Closed rooms and fires for the smoke filling model's tests, set up as a
// passed Run leaves them.
#pragma once

#include "common/fire_files/fire_file_reader.h"
#include "smoke_filling/model/calculations.h"

#include <gtest/gtest.h>
#include <memory>
#include <string>
#include <string_view>

namespace vorla::smoke::testing {

// A room of `area` m² and `height` m with the fire base at `fireHeight`, the
// form's loss fraction and a run of 600 s.
inline RunInputs Room(double area, double height, float fireHeight) {
    RunInputs inputs;
    inputs.RunTitle = "Office, sofa fire";
    inputs.OutputFile = "OFFICE.SOF";
    inputs.FloorArea = area;
    inputs.RoomHeight = height;
    inputs.FireHeight = fireHeight;
    inputs.LossFraction = 0.6;
    inputs.RunTime = 600;
    inputs.FireFile = "SOFA.FIR";
    return inputs;
}

// The office of the report examples: 20 m², 2.4 m high, the fire base 0.5 m up.
inline RunInputs Office() {
    return Room(20, 2.4, 0.5f);
}

// A fire table from the text of a fire file.
inline FireTable Fire(std::string_view text) {
    FireTable table;
    const auto error = ParseFireFile(text, "test.fir", table);
    EXPECT_FALSE(error) << DescribeFireFileError(*error);
    return table;
}

// `rate` kW from the start, for longer than any run.
inline FireTable SteadyFire(double rate) {
    const std::string kw = std::to_string(rate);
    return Fire("0 " + kw + " 0\r\n10000 " + kw + " 0\r\n-9 -9 -9\r\n");
}

// The program state of a run of `inputs` on the fire of `fireText`.
inline std::unique_ptr<Calculations> RunState(const RunInputs& inputs, std::string_view fireText) {
    auto calc = std::make_unique<Calculations>();
    calc->Inputs = inputs;
    calc->Fire = Fire(fireText);
    return calc;
}

} // namespace vorla::smoke::testing
