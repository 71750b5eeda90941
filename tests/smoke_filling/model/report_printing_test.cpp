#include "common/fire_file_reader.h"
#include "smoke_filling/model/report_printing.h"
#include "smoke_filling/model/report_text.h"

#include <gtest/gtest.h>
#include <memory>
#include <string>

namespace vorla::smoke {
namespace {

std::unique_ptr<Calculations> Report(int lastRow) {
    auto calc = std::make_unique<Calculations>();
    calc->Inputs.RunTitle = "Printed run";
    calc->Inputs.OutputFile = "PRINTED.SOF";
    calc->Inputs.FloorArea = 20;
    calc->Inputs.RoomHeight = 3;
    calc->Inputs.LossFraction = 0.6;
    calc->Inputs.RunTime = 900;
    calc->Inputs.FireFile = "F.FIR";
    EXPECT_FALSE(ParseFireFile("0 100 0\r\n9000 100 0\r\n-9 -9 -9\r\n", "F.FIR", calc->Fire));
    for (int i = 0; i <= lastRow; ++i) {
        calc->Results.Time[i] = static_cast<std::int16_t>(5 * i);
        calc->Results.InterfaceHeight[i] = 2.0f;
    }
    return calc;
}

TEST(PrintPageHeader, IsSeventeenLinesWithThePageNumber) {
    const auto calc = Report(0);
    const auto header = PrintPageHeader(calc->Inputs, 2);
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
    EXPECT_EQ(PrintPageHeader(calc->Inputs, 12)[3].substr(66), "Page 12");
}

TEST(PrintedPages, PutOneRowLessOnTheFirstPage) {
    const auto calc = Report(100);
    const auto pages = PrintedPages(*calc, 100, "RUN COMPLETE", 40);
    ASSERT_TRUE(pages);
    ASSERT_EQ(pages->size(), 3u);
    const auto& first = (*pages)[0];
    ASSERT_EQ(first.size(), 17u + 39u);
    EXPECT_EQ(first[17], "      " + ReportRow(*calc, 0));
    EXPECT_EQ(first.back(), "      " + ReportRow(*calc, 38));
    const auto& second = (*pages)[1];
    EXPECT_EQ(second[3].substr(66), "Page  2");
    EXPECT_EQ(second[17], "      " + ReportRow(*calc, 39));
    EXPECT_EQ(second.back(), "      " + ReportRow(*calc, 78));
    EXPECT_EQ((*pages)[2].back(), "     RUN COMPLETE");
}

TEST(PrintedPages, AfterASaveTheHeaderNamesTheSavedFile) {
    auto calc = Report(3);
    calc->Inputs.OutputFile = "/data/SAVED.SOF";
    const auto pages = PrintedPages(*calc, 3, "RUN COMPLETE", 40);
    ASSERT_TRUE(pages);
    EXPECT_EQ((*pages)[0][6], "      SIMULATION OUTPUT DATA FILE : /data/SAVED.SOF");
}

TEST(PrintedPages, RefuseAPageTooShortForARow) {
    const auto calc = Report(3);
    EXPECT_FALSE(PrintedPages(*calc, 3, "RUN COMPLETE", 0.4));
}

} // namespace
} // namespace vorla::smoke
