#include "verification/markdown.h"

#include <cmath>
#include <gtest/gtest.h>

namespace vorla::verification {
namespace {

TEST(Num, PrintsNumbersTheDocumentCanCompare) {
    EXPECT_EQ(Num("%.2f", 1.005), "1.00"); // binary 1.00499..., as printf rounds it
    EXPECT_EQ(Num("%.1f", -0.04), "0.0");  // no "-0.0"
    EXPECT_EQ(Num("%+.0f %%", -32.4), "-32 %");
    EXPECT_EQ(Num("%.3g", std::nan("")), "–");
    EXPECT_EQ(Num("%.3g", INFINITY), "–");
}

TEST(MarkdownTable, KeepsBarsInsideTheirCells) {
    MarkdownTable table({"metric", "value"});
    table.Row({"|z − z₀|", "1"});
    table.Row({"short row"});
    EXPECT_EQ(table.Text(), "| metric | value |\n|---|---|\n| \\|z − z₀\\| | 1 |\n"
                            "| short row |  |\n");
}

} // namespace
} // namespace vorla::verification
