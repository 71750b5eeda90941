#include "zone_models/saved_report_rows.h"
#include "tests/support/file_bytes.h"

#include <gtest/gtest.h>
#include <string>

namespace vorla {
namespace {

const std::string kExamplesDir = VORLA_EXAMPLES_DIR;

// The values of a row in the order of the report's columns.
std::vector<double> Values(const SavedReportRow& row) {
    return {row.Seconds,       row.LayerFahrenheit,         row.LayerCelsius,
            row.InterfaceFeet, row.InterfaceMetres,         row.RateBtuPerSecond,
            row.RateKilowatts, row.VentFlowPoundsPerSecond, row.VentFlowKilogramsPerSecond};
}

// The first and last rows as printed in the example reports, and their count
// (one a line between the rule and the end message).
TEST(ReadSavedReportRows, ReadsBothProgramsExampleReports) {
    const struct {
        const char* file;
        std::size_t rows;
        std::vector<double> first;
        std::vector<double> last;
    } cases[] = {
        {"office-sofa-fire.vof",
         67,
         {0, 70, 21, 7.87, 2.40, 0, 0, 0, 0},
         {326, 1117, 603, 3.50, 1.07, 1180.8, 1245.8, 1.817, 0.824}},
        {"shop-sofa-fire.sof",
         78,
         {0, 70, 21, 13.12, 4.00, 0, 0, 0, 0},
         {384, 433, 223, 1.64, 0.50, 947.8, 1000.0, 2.985, 1.354}},
    };
    for (const auto& c : cases) {
        const auto rows = ReadSavedReportRows(test_support::ReadFile(kExamplesDir + "/" + c.file));
        ASSERT_TRUE(rows) << c.file;
        EXPECT_EQ(rows->size(), c.rows) << c.file;
        EXPECT_EQ(Values(rows->front()), c.first) << c.file;
        EXPECT_EQ(Values(rows->back()), c.last) << c.file;
    }
}

constexpr const char* kHead =
    "VORLA-XW VERSION 1.00 - JULY 1999\r\n"
    "Title ==== with equals\r\n"
    " sec  deg F  deg C     ft      m   Btu/s      kW   lb/s   kg/s\r\n"
    "====================================================================\r\n";

TEST(ReadSavedReportRows, TablesThatCannotBeDrawnAreRefused) {
    const struct {
        const char* what;
        std::string table; // after kHead
        bool read;
        std::size_t rows;
    } cases[] = {
        {"two rows and the end message",
         "   0  70  21  7.87  2.40  0.0  0.0  0.000  0.000  1  N\r\n"
         "   5  71  22  7.72  2.35  0.6  0.6  0.000  0.000  1  N\r\n"
         "RUN COMPLETE\r\n",
         true, 2},
        {"the end message cut short", "   0  70  21  7.87  2.40  0.0  0.0  0.000  0.000\r\nFLASH",
         true, 1},
        {"a step: two rows of one time",
         "   0  70  21  7.87  2.40  0.0  0.0  0.000  0.000\n"
         "   0  70  21  7.87  2.40  0.0  0.0  0.000  0.000\n"
         "END OF INPUT FIRE\n",
         true, 2},
        // Cut before the end message: the last row may have lost digits that
        // still leave a number ("1.4" of "1.405"), so nothing is drawn.
        {"no end message, no line end", "   0  70  21  7.87  2.40  0.0  0.0  0.000  0.000", false,
         0},
        {"no end message after the last line end",
         "   0  70  21  7.87  2.40  0.0  0.0  0.000  0.000  1  N\r\n", false, 0},
        {"a blank line, then the end message",
         "   0  70  21  7.87  2.40  0.0  0.0  0.000  0.000\r\n\r\nRUN COMPLETE\r\n", false, 0},
        {"what follows the end message is not read",
         "   0  70  21  7.87  2.40  0.0  0.0  0.0  0.0\n"
         "END OF INPUT FIRE\n"
         "   x\n",
         true, 1},
        {"only the end message", "RUN COMPLETE\r\n", false, 0},
        {"nothing after the rule", "", false, 0},
        {"a row cut short",
         "   0  70  21  7.87  2.40  0.0  0.0  0.000  0.000\r\n"
         "   5  71  22  7.72\r\n",
         false, 0},
        {"a field that is not a number", "   0  70  21  7.87  2.40  0.0  0.0  0.000  x.000\r\n",
         false, 0},
        {"times going back",
         "   5  70  21  7.87  2.40  0.0  0.0  0.000  0.000\r\n"
         "   0  71  22  7.72  2.35  0.6  0.6  0.000  0.000\r\n",
         false, 0},
    };
    for (const auto& c : cases) {
        const auto rows = ReadSavedReportRows(kHead + c.table);
        EXPECT_EQ(rows.has_value(), c.read) << c.what;
        if (rows && c.read) {
            EXPECT_EQ(rows->size(), c.rows) << c.what;
        }
    }
    EXPECT_FALSE(ReadSavedReportRows("VORLA-XW VERSION 1.00 - JULY 1999\r\nno table\r\n"));
    EXPECT_FALSE(ReadSavedReportRows(""));
}

TEST(ReadSavedReportRows, AnExampleReportCutAnywhereInItsTableIsRefused) {
    // As `head -c N` leaves it: every cut from the first row to the last row's
    // line end; a cut inside the end message leaves the whole table.
    for (const char* file : {"office-sofa-fire.vof", "shop-sofa-fire.sof"}) {
        const std::string whole = test_support::ReadFile(kExamplesDir + "/" + file);
        const auto rule = whole.find("=====\r\n");
        const auto message = whole.rfind("\r\n", whole.size() - 3) + 2;
        ASSERT_NE(rule, std::string::npos) << file;
        const auto firstRow = whole.find('\n', rule) + 1;
        for (auto cut = firstRow; cut <= message; ++cut) {
            ASSERT_FALSE(ReadSavedReportRows(whole.substr(0, cut))) << file << " cut at " << cut;
        }
        EXPECT_TRUE(ReadSavedReportRows(whole.substr(0, message + 1))) << file;
    }
}

} // namespace
} // namespace vorla
