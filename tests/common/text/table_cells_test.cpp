#include "common/text/table_cells.h"

#include <gtest/gtest.h>

namespace vorla {
namespace {

TEST(TableCells, WordsOfRightAlignedColumns) {
    struct Case {
        const char* line;
        std::vector<std::string> words;
    };
    const Case cases[] = {
        {"   0     70     21   7.87   2.40", {"0", "70", "21", "7.87", "2.40"}},
        {"9000  -1.5 100000.0", {"9000", "-1.5", "100000.0"}},
        {"  12  ", {"12"}},
        {"   ", {}},
        {"", {}},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(BlankSeparatedWords(c.line), c.words) << c.line;
    }
}

TEST(TableCells, TabsBetweenCellsALineFeedAfterEachRow) {
    EXPECT_EQ(TabSeparatedText({{"Time (sec)", "FR"}, {"0", ""}, {"5", "1"}}),
              "Time (sec)\tFR\n0\t\n5\t1\n");
    EXPECT_EQ(TabSeparatedText({}), "");
}

} // namespace
} // namespace vorla
