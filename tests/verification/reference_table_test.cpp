#include "verification/reference_table.h"

#include <cmath>
#include <gtest/gtest.h>

namespace vorla::verification {
namespace {

TEST(ReferenceTable, ReadsColumnsWithEmptyCellsAsNotANumber) {
    ReferenceTable table;
    ASSERT_EQ(
        ParseReferenceTable("time_s,hrr_kW,plane\r\n0,0,\r\n5,1.175,0.84454\r\n", "a.csv", table),
        std::nullopt);
    EXPECT_EQ(table.Column("time_s"), (std::vector<double>{0, 5}));
    EXPECT_DOUBLE_EQ(table.Column("hrr_kW")[1], 1.175);
    EXPECT_TRUE(std::isnan(table.Column("plane")[0]));
    EXPECT_TRUE(table.Column("missing").empty());
}

TEST(ReferenceTable, ProblemsNameTheFileAndTheLine) {
    ReferenceTable table;
    const struct {
        const char* text;
        const char* says;
    } cases[] = {
        {"", "is empty"},
        {"a,b\n1,2\n3\n", "Line 3"},
        {"a,b\n1,2\n3,x4\n", "\"x4\""},
    };
    for (const auto& c : cases) {
        const auto error = ParseReferenceTable(c.text, "peer.csv", table);
        ASSERT_TRUE(error.has_value()) << c.text;
        EXPECT_NE(error->find("peer.csv"), std::string::npos) << *error;
        EXPECT_NE(error->find(c.says), std::string::npos) << *error;
    }
    EXPECT_TRUE(ReadReferenceTable("/nonexistent/peer.csv", table).has_value());
}

} // namespace
} // namespace vorla::verification
