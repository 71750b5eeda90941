#include "verification/design_fires.h"
#include "verification/furniture_room.h"

#include <cmath>
#include <gtest/gtest.h>

namespace vorla::verification {
namespace {

// The NBS layout: names, quantities, descriptions (quoted, with commas),
// units, then the data; numbers made up.
constexpr const char* kFurnitureTestFile =
    "C1,C2,C3,C4\n"
    "TIME,HRR,TEMPUP,TEMPUP\n"
    "Time from start;,Heat release rate;,\"Average temperature, upper;STRING A\","
    "Average temperature in the upper layer;UPPER LAYER\n"
    "s,W,C,K\n"
    "0,0,22,295\n"
    "10,5000,,300.5\n"
    "20,abc,40,310\n";

TEST(MeasuredColumns, ReadsColumnsByQuantityAndDescription) {
    const auto read = ParseMeasuredColumns(kFurnitureTestFile, "test.csv",
                                           {{"t", "TIME", "Time"},
                                            {"q", "HRR", "Heat release"},
                                            {"a", "TEMPUP", "STRING A"},
                                            {"upper", "TEMPUP", "UPPER LAYER"}});
    ASSERT_TRUE((std::holds_alternative<std::map<std::string, std::vector<double>>>(read)))
        << std::get<std::string>(read);
    const auto& c = std::get<std::map<std::string, std::vector<double>>>(read);
    EXPECT_EQ(c.at("t"), (std::vector<double>{0, 10, 20}));
    // The quoted description kept its comma, so the fourth column is the
    // upper layer's, not the string's.
    EXPECT_EQ(c.at("upper"), (std::vector<double>{295, 300.5, 310}));
    EXPECT_EQ(c.at("a")[0], 22);
    EXPECT_TRUE(std::isnan(c.at("a")[1])); // an empty cell
    EXPECT_TRUE(std::isnan(c.at("q")[2])); // not a number
}

TEST(MeasuredColumns, NamesWhatIsMissing) {
    struct Row {
        const char* Text;
        ColumnRequest Request;
        const char* Says;
    };
    const Row rows[] = {
        {"C1\nTIME\n", {"t", "TIME", ""}, "four heading rows"},
        {kFurnitureTestFile, {"w", "MASFWNDW", ""}, "no column MASFWNDW"},
        {kFurnitureTestFile, {"b", "TEMPUP", "STRING B"}, "no column TEMPUP \"STRING B\""},
        {"C1\nTIME\nTime\ns\n", {"t", "TIME", ""}, "no data rows"},
    };
    for (const Row& row : rows) {
        const auto read = ParseMeasuredColumns(row.Text, "test.csv", {row.Request});
        ASSERT_TRUE(std::holds_alternative<std::string>(read)) << row.Says;
        EXPECT_NE(std::get<std::string>(read).find(row.Says), std::string::npos)
            << std::get<std::string>(read);
    }
}

// A measured fire of more points than the custom form's page of ten: every
// point reaches the fire table, as the form's Next Ten keeps them.
TEST(CustomDesignFire, KeepsThePointsBeyondTheFirstPage) {
    struct Row {
        int Points;
    };
    const Row rows[] = {{2}, {10}, {11}, {14}, {20}, {25}};
    for (const Row& row : rows) {
        std::vector<TypedPoint> points;
        for (int i = 0; i < row.Points; ++i) {
            points.push_back({100 * i, 10.0 * i}); // 0.1 kW/s from 0 s
        }
        const DesignFire fire = CustomDesignFire(points);
        ASSERT_TRUE(std::holds_alternative<FireTable>(fire))
            << row.Points << ": " << std::get<std::string>(fire);
        const FireTable& table = std::get<FireTable>(fire);
        EXPECT_EQ(table.LastIndex + 1, row.Points);
        const double last = 100.0 * (row.Points - 1);
        EXPECT_NEAR(FireRateAt(table, last - 50), 0.1 * (last - 50), 1e-3) << row.Points;
    }
}

} // namespace
} // namespace vorla::verification
