#include "smoke_filling/model/report_printing.h"

#include <gtest/gtest.h>
#include <string>

namespace vorla::smoke {
namespace {

SmokeFillInputs PrintedRun() {
    SmokeFillInputs inputs;
    inputs.RunTitle = "Printed run";
    inputs.OutputFile = "PRINTED.SOF";
    inputs.FloorArea = 20;
    inputs.RoomHeight = 3;
    inputs.LossFraction = 0.6;
    inputs.RunTime = 900;
    inputs.FireFile = "F.FIR";
    return inputs;
}

TEST(PrintPageHeader, IsSeventeenLinesWithThePageNumber) {
    const SmokeFillInputs inputs = PrintedRun();
    const auto header = PrintPageHeader(inputs, 2);
    ASSERT_EQ(header.size(), 17u);
    EXPECT_EQ(header[0], "");
    EXPECT_EQ(header[2], "");
    EXPECT_EQ(header[3],
              "      SKEVA-XW VERSION 1.00 - JULY 1999" + std::string(27, ' ') + "Page  2");
    EXPECT_EQ(header[4], "");
    EXPECT_EQ(header[5], "      Printed run");
    EXPECT_EQ(header[6], "      SIMULATION OUTPUT DATA FILE : PRINTED.SOF");
    EXPECT_EQ(header[13], "      ");
    EXPECT_EQ(header[16], "      " + std::string(68, '='));
    EXPECT_EQ(PrintPageHeader(inputs, 12)[3].substr(66), "Page 12");
}

} // namespace
} // namespace vorla::smoke
