#include "smoke_filling/model/report_printing.h"
#include "test_room.h"

#include <gtest/gtest.h>
#include <string>

namespace vorla::smoke {
namespace {

TEST(PrintPageHeader, IsSeventeenLinesWithThePageNumber) {
    const RunInputs inputs = testing::Office();
    const auto header = PrintPageHeader(inputs, 2);
    ASSERT_EQ(header.size(), 17u);
    EXPECT_EQ(header[0], "");
    EXPECT_EQ(header[2], "");
    EXPECT_EQ(header[3],
              "      SKEVA-XW VERSION 1.00 - JULY 1999" + std::string(27, ' ') + "Page  2");
    EXPECT_EQ(header[4], "");
    EXPECT_EQ(header[5], "      Office, sofa fire");
    EXPECT_EQ(header[6], "      SIMULATION OUTPUT DATA FILE : OFFICE.SOF");
    EXPECT_EQ(header[13], "      ");
    EXPECT_EQ(header[16], "      " + std::string(68, '='));
    EXPECT_EQ(PrintPageHeader(inputs, 12)[3].substr(66), "Page 12");
}

} // namespace
} // namespace vorla::smoke
