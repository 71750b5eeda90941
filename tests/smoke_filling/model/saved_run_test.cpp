#include "smoke_filling/model/model_run.h"
#include "smoke_filling/model/report_text.h"
#include "smoke_filling/model/saved_run.h"
#include "test_room.h"

#include <cctype>
#include <gtest/gtest.h>
#include <iterator>
#include <memory>
#include <sstream>
#include <string>
#include <vector>

namespace vorla::smoke {
namespace {

using testing::Room;
using testing::RunState;

// The S.I. columns of a report's rows and the lines that are not rows: the U.S.
// columns written again are converted from the S.I. values the file kept, rounded.
std::vector<std::string> MetricWords(const std::string& text) {
    std::vector<std::string> words;
    std::istringstream lines(text);
    std::string line;
    while (std::getline(lines, line)) {
        std::istringstream row(line);
        std::vector<std::string> all{std::istream_iterator<std::string>(row), {}};
        const bool isRow = all.size() == 9 && !all[0].empty() &&
                           std::isdigit(static_cast<unsigned char>(all[0][0]));
        for (std::size_t k = 0; k < all.size(); ++k) {
            if (!isRow || k % 2 == 0) {
                words.push_back(all[k]);
            }
        }
        words.push_back("|");
    }
    return words;
}

// A run saved and read back as a run is the same run: the same end, the same
// last row, and written again the same S.I. values and the same header; every
// way a run ends.
TEST(ReadSavedRun, ARunSavedAndReadBackIsWrittenAgainTheSame) {
    const struct {
        const char* what;
        RunInputs inputs;
        const char* fire;
        RunEnd end;
    } cases[] = {
        {"run complete", Room(500, 10, 0.0f), "0 0 0\r\n60 50 0\r\n20000 50 0\r\n-9 -9 -9\r\n",
         RunEnd::Complete},
        {"fire ended", Room(500, 10, 0.0f), "0 0 0\r\n60 50 0\r\n300 50 0\r\n-9 -9 -9\r\n",
         RunEnd::FireEnded},
        {"layer at the fuel surface", Room(20, 2.4, 1.5f),
         "0 0 0\r\n60 500 0\r\n20000 500 0\r\n-9 -9 -9\r\n", RunEnd::LayerAtFuelSurface},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        auto calc = RunState(c.inputs, c.fire);
        calc->Inputs.RunTime = 600;
        const CompletedRun ran = RunModel(calc->Inputs, calc->Fire, calc->Results);
        ASSERT_EQ(ran.End, c.end);
        const std::string saved = SavedReportText(calc->Inputs, calc->Results, ran.EndMessage);

        auto results = std::make_unique<RunResults>();
        const auto read = ReadSavedRun(saved, *results);
        ASSERT_TRUE(read.has_value());
        EXPECT_EQ(*read, ran);
        EXPECT_EQ(MetricWords(SavedReportText(calc->Inputs, *results, read->EndMessage)),
                  MetricWords(saved));
    }
}

} // namespace
} // namespace vorla::smoke
