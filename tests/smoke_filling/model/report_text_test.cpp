#include "common/text/text_columns.h"
#include "smoke_filling/model/report_text.h"
#include "test_room.h"

#include <gtest/gtest.h>
#include <memory>
#include <string>

namespace vorla::smoke {
namespace {

using testing::Office;

// A state whose rows are set by hand, with a fire rising 10 kW/s to 1000 kW.
std::unique_ptr<Calculations> OfficeRun() {
    return testing::RunState(Office(), "0 0 0\r\n100 1000 0\r\n9000 1000 0\r\n-9 -9 -9\r\n");
}

void SetRow(Calculations& calc, int i, int time, double celsius, float z, double flow) {
    calc.Results.Time[i] = static_cast<std::int16_t>(time);
    calc.Results.LayerTemperature[i] = celsius;
    calc.Results.InterfaceHeight[i] = z;
    calc.Results.HeatReleaseRate[i] = FireRateAt(calc.Fire, time);
    calc.Results.VentFlow[i] = flow;
}

TEST(ReportHeader, LinesUpTheValuesInTheirColumns) {
    const auto lines = ReportHeaderLines(Office());
    const std::string expected[kHeaderLines] = {
        "Office, sofa fire",
        "SIMULATION OUTPUT DATA FILE : OFFICE.SOF",
        "FLOOR AREA                  :   20.00 m^2 (  215.29 ft^2)",
        "ROOM HEIGHT                 :    2.40 m   (    7.87 ft  )",
        "FIRE HEIGHT                 :    0.50 m   (    1.64 ft  )",
        "HEAT LOSS FRACTION          :   0.600",
        "MAXIMUM RUN TIME            :     600 s  ",
        "HEAT RELEASE RATE DATA FILE : SOFA.FIR",
        "",
        "Time    Temp    Temp  Layer  Layer     Fire     Fire    Vent    Vent",
        " sec   deg F   deg C     ft      m    Btu/s       kW    lb/s    kg/s",
        "====================================================================",
    };
    for (int k = 0; k < kHeaderLines; ++k) {
        EXPECT_EQ(lines[k], expected[k]) << "line " << k + 1;
    }
    EXPECT_EQ(lines[9].size(), kRowWidth);
    EXPECT_EQ(lines[10].size(), kRowWidth);
    EXPECT_EQ(lines[11].size(), kRowWidth);
}

TEST(ReportHeader, SmallAndSinglePrecisionValues) {
    RunInputs inputs = Office();
    inputs.FloorArea = 0.5;
    inputs.FireHeight = 1.2f; // 1.2000000476837158
    inputs.RunTime = 9000;
    const auto lines = ReportHeaderLines(inputs);
    EXPECT_EQ(lines[2], "FLOOR AREA                  :     .50 m^2 (    5.38 ft^2)");
    EXPECT_EQ(lines[4], "FIRE HEIGHT                 :    1.20 m   (    3.94 ft  )");
    EXPECT_EQ(lines[6], "MAXIMUM RUN TIME            :    9000 s  ");
}

TEST(ReportHeader, JoinsTheLinesWithoutAFinalLineEnd) {
    const std::string header = ReportHeader(Office());
    EXPECT_EQ(header.substr(0, 19), "Office, sofa fire\r\n");
    EXPECT_EQ(header.substr(header.size() - 70), "\r\n" + std::string(68, '='));
    EXPECT_EQ(SplitLines(header).size(), 12u);
}

TEST(ReportRow, ShowsBothUnitSystemsInSixtyEightColumns) {
    auto calc = OfficeRun();
    const struct {
        int time;
        double celsius;
        float z;
        double flow;
        const char* row;
    } cases[] = {
        // Row 0: 70 °F and 21 °C, the full room height, the fire at time 0.
        {0, 294.26 - 273.15, 2.4f, 0,
         "   0      70      21   7.87   2.40      0.0      0.0   0.000   0.000"},
        // The heat release rate comes from the fire at the row's time.
        {50, 134.5, 1.2f, 1.353926,
         "  50     274     135   3.94   1.20    473.9    500.0   2.985   1.354"},
        // An interface within 1 cm of the ceiling is shown at the ceiling.
        {5, 21.5, 2.3905f, 0.01,
         "   5      71      22   7.87   2.40     47.4     50.0   0.022   0.010"},
        {5, 21.5, 2.3895f, 0.01,
         "   5      71      22   7.84   2.39     47.4     50.0   0.022   0.010"},
    };
    for (const auto& c : cases) {
        SetRow(*calc, 3, c.time, c.celsius, c.z, c.flow);
        EXPECT_EQ(ReportRow(calc->Inputs, calc->Results, 3), c.row) << c.time;
        EXPECT_EQ(ReportRow(calc->Inputs, calc->Results, 3).size(), kRowWidth);
    }
}

TEST(ReportRow, AnInterfaceJustBelowAThreeMetreCeilingShowsTheCeiling) {
    auto calc = OfficeRun();
    calc->Inputs.RoomHeight = 3;
    SetRow(*calc, 1, 5, 25, 2.995f, 0);
    EXPECT_EQ(ReportRow(calc->Inputs, calc->Results, 1).substr(20, 14), "   9.84   3.00");
}

TEST(ReportRow, TheVentFlowIsRoundedToSinglePrecisionFirst) {
    // 0.0114999995 as a double would show 0.011; its single is 0.0115000000...
    auto calc = OfficeRun();
    SetRow(*calc, 1, 5, 25, 1.0f, 0.01149999997);
    ASSERT_GT(static_cast<double>(static_cast<float>(0.01149999997)), 0.0115);
    EXPECT_EQ(ReportRow(calc->Inputs, calc->Results, 1).substr(60), "   0.012");
}

TEST(ReportRow, ValuesWiderThanTheirColumnAreKeptWhole) {
    auto calc = OfficeRun();
    calc->Fire = testing::Fire("0 150000 0\r\n9000 150000 0\r\n-9 -9 -9\r\n");
    SetRow(*calc, 1, 5, 1500, 1.0f, 50);
    EXPECT_EQ(ReportRow(calc->Inputs, calc->Results, 1),
              "   5    2732    1500   3.28   1.00  142174.7  150000.0  110.250  50.000");
}

// Rows at 0, 5, 10, ... with the given last row.
std::unique_ptr<Calculations> Rows(int lastRow) {
    auto calc = OfficeRun();
    for (int i = 0; i <= lastRow; ++i) {
        SetRow(*calc, i, 5 * i, 30, 2.0f, 0.1);
    }
    calc->Results.LastRow = lastRow;
    return calc;
}

TEST(ScreenTableText, ThinsLongRunsButTheRowsKeepEveryRow) {
    const struct {
        int lastRow;
        int shown;
        int lastShown;
    } cases[] = {{360, 361, 360}, {361, 181, 360}, {400, 201, 400}, {1500, 251, 1500}};
    for (const auto& c : cases) {
        auto calc = Rows(c.lastRow);
        const std::string screenText = ScreenTableText(calc->Inputs, calc->Results, "");
        const auto screen = SplitLines(screenText);
        ASSERT_EQ(static_cast<int>(screen.size()), c.shown) << c.lastRow;
        EXPECT_EQ(screen.back(), ReportRow(calc->Inputs, calc->Results, c.lastShown)) << c.lastRow;
        EXPECT_EQ(static_cast<int>(SplitLines(ReportRows(calc->Inputs, calc->Results)).size()),
                  c.lastRow + 1);
    }
}

TEST(ScreenTableText, EndsWithTheMessageAndNoLineEnd) {
    auto calc = Rows(2);
    const std::string text = ScreenTableText(calc->Inputs, calc->Results, "RUN COMPLETE");
    EXPECT_EQ(text, ReportRow(calc->Inputs, calc->Results, 0) + "\r\n" +
                        ReportRow(calc->Inputs, calc->Results, 1) + "\r\n" +
                        ReportRow(calc->Inputs, calc->Results, 2) + "\r\nRUN COMPLETE");
}

TEST(SavedReportText, IsTheVersionLineHeaderRowsAndMessage) {
    auto calc = Rows(3);
    const std::string text = SavedReportText(
        ReportHeader(calc->Inputs), ReportRows(calc->Inputs, calc->Results), "END OF INPUT FIRE");
    const auto lines = SplitLines(text);
    ASSERT_EQ(lines.size(), 1u + 12u + 4u + 1u);
    EXPECT_EQ(lines[0], "SKEVA-XW VERSION 1.00 - JULY 1999");
    EXPECT_EQ(lines[1], "Office, sofa fire");
    EXPECT_EQ(lines[12], std::string(68, '='));
    EXPECT_EQ(lines[13], ReportRow(calc->Inputs, calc->Results, 0));
    EXPECT_EQ(lines[16], ReportRow(calc->Inputs, calc->Results, 3));
    EXPECT_EQ(lines[17], "END OF INPUT FIRE");
    EXPECT_EQ(text.substr(text.size() - 2), "\r\n");
    // Every line ends with CR LF, none with a bare LF.
    std::size_t crlf = 0;
    for (std::size_t p = text.find("\r\n"); p != std::string::npos; p = text.find("\r\n", p + 2)) {
        ++crlf;
    }
    EXPECT_EQ(crlf, lines.size());
}

} // namespace
} // namespace vorla::smoke
