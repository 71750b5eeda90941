#include "common/text/text_columns.h"
#include "compartment/model/report_printing.h"
#include "compartment/model/report_text.h"
#include "compartment/model/results_csv.h"
#include "test_room.h"

#include <charconv>
#include <gtest/gtest.h>

namespace vorla::compartment {
namespace {

using testing::Office;

const std::string kExampleHeader =
    "Office, sofa fire\r\n"
    "SIMULATION OUTPUT DATA FILE : OFFICE.VOF\r\n"
    "ROOM AREA                   :   20.00 m^2 (  215.29 ft^2)\r\n"
    "ROOM HEIGHT                 :    2.40 m   (  7.87 ft)\r\n"
    "WIDTH OF VENT               :    0.90 m   (  2.95 ft)\r\n"
    "VENT SILL HEIGHT            :    0.00 m   (  0.00 ft)\r\n"
    "VENT SOFFIT HEIGHT          :    2.00 m   (  6.56 ft)\r\n"
    "FIRE HEIGHT                 :    0.00 m   (  0.00 ft)\r\n"
    "RADIATIVE FRACTION          :   0.350\r\n"
    "HEAT LOSS FRACTION          :   0.600\r\n"
    "MAXIMUM RUN TIME            :     600 s  \r\n"
    "HEAT RELEASE RATE DATA FILE : SOFA.FIR\r\n"
    "\r\n"
    "Time   Temp   Temp  Layer  Layer    Fire    Fire   Vent   Vent FR OS\r\n"
    " sec  deg F  deg C     ft      m   Btu/s      kW   lb/s   kg/s      \r\n"
    "====================================================================";

// Results with row 0 as a run writes it.
RunResults InitialRow() {
    RunResults results;
    results.LayerTemperature[0] = 294.26 - 273.15;
    results.InterfaceHeight[0] = 2.4f;
    results.FRFlag[0] = kRegimeAboveSoffit;
    results.OSFlag[0] = kNotStarvedOfAir;
    return results;
}

TEST(ReportHeader, IsTheExampleLayout) {
    const auto office = Office();
    EXPECT_EQ(ReportHeader(office->Inputs), kExampleHeader);
    EXPECT_EQ(HeaderText(kExampleHeader), "VORLA-XW VERSION 1.00 - JULY 1999\r\n" + kExampleHeader);
    for (int line = 15; line <= 17; ++line) {
        EXPECT_EQ(ColumnTitleLine(line).size(), 68u);
    }
}

TEST(ReportHeader, ValuesKeepTheirColumnsAndSmallAreasHaveNoLeadingZero) {
    auto office = Office();
    RunInputs& in = office->Inputs;
    in.FloorArea = 0.5;
    in.SoffitHeight = 2.375f; // exact in binary: a half, rounded away from zero
    in.FireHeight = 2.385;    // a double near a half, rounded at 15 digits first
    in.RunTime = 9000;
    EXPECT_EQ(InputLine(in, 4), "ROOM AREA                   :     .50 m^2 (    5.38 ft^2)");
    EXPECT_EQ(InputLine(in, 8), "VENT SOFFIT HEIGHT          :    2.38 m   (  7.79 ft)");
    EXPECT_EQ(InputLine(in, 9), "FIRE HEIGHT                 :    2.39 m   (  7.82 ft)");
    EXPECT_EQ(InputLine(in, 12), "MAXIMUM RUN TIME            :    9000 s  ");
    in.SoffitHeight = 2.385f; // the single value lies below the half
    EXPECT_EQ(InputLine(in, 8), "VENT SOFFIT HEIGHT          :    2.38 m   (  7.82 ft)");
    for (int line = 5; line <= 9; ++line) {
        EXPECT_EQ(InputLine(in, line).substr(37, 6), " m   (") << line;
    }
}

TEST(ReportRow, InitialRowOfTheExample) {
    const auto office = Office();
    EXPECT_EQ(ReportRow(office->Inputs, InitialRow(), 0),
              "   0     70     21   7.87   2.40     0.0     0.0  0.000  0.000  1  N");
}

TEST(ReportRow, FieldsRoundAsTheColumnsSay) {
    const auto office = Office();
    struct Case {
        float z;
        double ventFlow;
        double rate;
        std::string expected;
    };
    const Case cases[] = {
        // Within 1 cm of the ceiling shows the ceiling, in both units.
        {2.395f, 0, 0, "   5     70     21   7.87   2.40     0.0     0.0  0.000  0.000  1  N"},
        {2.389f, 0, 0, "   5     70     21   7.84   2.39     0.0     0.0  0.000  0.000  1  N"},
        {2.375f, 0, 0, "   5     70     21   7.79   2.38     0.0     0.0  0.000  0.000  1  N"},
        // The vent flow is rounded to single precision before both columns.
        {1, 0.12349999999999998, 0,
         "   5     70     21   3.28   1.00     0.0     0.0  0.272  0.123  1  N"},
        {1, 1.2344999999999948, 0,
         "   5     70     21   3.28   1.00     0.0     0.0  2.722  1.235  1  N"},
        {1, 1.7662131422465517, 0,
         "   5     70     21   3.28   1.00     0.0     0.0  3.895  1.766  1  N"},
        // A rate from a single-precision value prints from its exact value.
        {1, 0, 1430.0498046875,
         "   5     70     21   3.28   1.00  1355.4  1430.0  0.000  0.000  1  N"},
        // Wider than the pattern: every digit kept, the line grows.
        {1, 0, 123456.78, "   5     70     21   3.28   1.00 117016.2 123456.8  0.000  0.000  1  N"},
    };
    for (const auto& c : cases) {
        RunResults results = InitialRow();
        results.Time[0] = 5;
        results.InterfaceHeight[0] = c.z;
        results.VentFlow[0] = c.ventFlow;
        results.HeatReleaseRate[0] = c.rate;
        EXPECT_EQ(ReportRow(office->Inputs, results, 0), c.expected);
    }
}

TEST(ReportRow, TemperaturesAndFlags) {
    const auto office = Office();
    RunResults results = InitialRow();
    results.Time[0] = 9000;
    results.LayerTemperature[0] = 600.5;
    results.FRFlag[0] = kRegimeNone;
    results.OSFlag[0] = kStarvedOfAir;
    EXPECT_EQ(ReportRow(office->Inputs, results, 0),
              "9000   1113    601   7.87   2.40     0.0     0.0  0.000  0.000     Y");
    results.LayerTemperature[0] = -0.4;
    EXPECT_EQ(ReportRow(office->Inputs, results, 0).substr(0, 18), "9000     31      0");
}

RunResults RowsNumberedByTime(int lastRow) {
    RunResults results = InitialRow();
    for (int r = 0; r <= lastRow; ++r) {
        results.Time[r] = static_cast<std::int16_t>(r);
        results.InterfaceHeight[r] = 2.4f;
        results.FRFlag[r] = kRegimeAboveSoffit;
        results.OSFlag[r] = kNotStarvedOfAir;
    }
    results.LastRow = lastRow;
    return results;
}

TEST(ScreenTable, ShowsEveryNthRowThenTheEndMessage) {
    const auto office = Office();
    const struct {
        int lastRow;
        std::size_t shown;
        int lastShown;
    } cases[] = {{0, 1, 0},         {360, 361, 360},   {361, 181, 360},
                 {1500, 251, 1500}, {1501, 251, 1500}, {1801, 301, 1800}};
    for (const auto& c : cases) {
        const RunResults results = RowsNumberedByTime(c.lastRow);
        const std::string table = ScreenTableText(office->Inputs, results, "RUN COMPLETE");
        const auto lines = SplitLines(table);
        ASSERT_EQ(lines.size(), c.shown + 1) << c.lastRow;
        EXPECT_EQ(lines.back(), "RUN COMPLETE");
        EXPECT_EQ(table.substr(table.size() - 14), "\r\nRUN COMPLETE");
        EXPECT_EQ(lines[c.shown - 1], ReportRow(office->Inputs, results, c.lastShown));
        if (c.shown > 1) {
            EXPECT_EQ(lines[1], ReportRow(office->Inputs, results, RowInterval(c.lastRow)));
        }
    }
}

TEST(SavedReport, IsVersionHeaderRowsAndEndMessage) {
    const auto office = Office();
    const RunResults results = RowsNumberedByTime(2);
    const std::string rows = ReportRows(office->Inputs, results);
    EXPECT_EQ(rows, ReportRow(office->Inputs, results, 0) + "\r\n" +
                        ReportRow(office->Inputs, results, 1) + "\r\n" +
                        ReportRow(office->Inputs, results, 2) + "\r\n");
    const std::string saved = SavedReportText(ReportHeader(office->Inputs), rows, "RUN COMPLETE");
    EXPECT_EQ(saved, "VORLA-XW VERSION 1.00 - JULY 1999\r\n" + kExampleHeader + "\r\n" + rows +
                         "RUN COMPLETE\r\n");
    EXPECT_EQ(SplitLines(saved).size(), 17u + 3u + 1u);
}

TEST(PrintPageHeader, TwentyOneLinesWithThePageNumberAndTheCurrentOutputFile) {
    auto office = Office();
    office->Inputs.OutputFile = "/home/user/VORLA/DATA/OFFICE.SDF";
    const auto lines = PrintPageHeader(office->Inputs, 7);
    ASSERT_EQ(lines.size(), 21u);
    EXPECT_EQ(lines[0], "");
    EXPECT_EQ(lines[2], "");
    EXPECT_EQ(lines[3],
              "      VORLA-XW VERSION 1.00 - JULY 1999" + std::string(27, ' ') + "Page  7");
    EXPECT_EQ(lines[4], "");
    EXPECT_EQ(lines[5], "      Office, sofa fire");
    EXPECT_EQ(lines[6], "      SIMULATION OUTPUT DATA FILE : /home/user/VORLA/DATA/OFFICE.SDF");
    EXPECT_EQ(lines[7], "      ROOM AREA                   :   20.00 m^2 (  215.29 ft^2)");
    EXPECT_EQ(lines[16], "      HEAT RELEASE RATE DATA FILE : SOFA.FIR");
    EXPECT_EQ(lines[17], "      ");
    EXPECT_EQ(lines[20], "      " + std::string(68, '='));
    EXPECT_EQ(PrintPageHeader(office->Inputs, 12)[3].substr(66), "Page 12");
}

TEST(ResultsCsv, EveryRowAtFullPrecisionInSiUnits) {
    RunResults results = RowsNumberedByTime(1);
    results.LayerTemperature[1] = 1.0 / 3.0;
    results.HeatReleaseRate[1] = 123.456;
    results.VentFlow[1] = 0.1;
    results.FRFlag[1] = kRegimeNone;
    results.OSFlag[1] = kStarvedOfAir;
    const std::string csv = ResultsCsv(results);
    const auto lines = SplitLines(csv);
    ASSERT_EQ(lines.size(), 3u);
    EXPECT_EQ(lines[0], "time_s,layer_temperature_C,interface_height_m,heat_release_rate_kW,"
                        "vent_flow_kg_s,flow_regime,starved_of_air");
    // Each value's shortest text that reads back: the ambient 294.26 K less
    // 273.15 is not the double 21.11; the interface is the float 2.4f.
    EXPECT_EQ(lines[1], "0,21.110000000000014,2.4,0,0,1,N");
    EXPECT_EQ(lines[2], "1,0.3333333333333333,2.4,123.456,0.1,,Y");
    double back = 0;
    const std::string_view third = lines[2].substr(2, 18);
    std::from_chars(third.data(), third.data() + third.size(), back);
    EXPECT_EQ(back, 1.0 / 3.0);
    float interface = 0;
    const std::string_view fourth = lines[2].substr(21, 3);
    std::from_chars(fourth.data(), fourth.data() + fourth.size(), interface);
    EXPECT_EQ(interface, results.InterfaceHeight[1]);
    EXPECT_EQ(csv.substr(csv.size() - 2), "\r\n");
}

} // namespace
} // namespace vorla::compartment
