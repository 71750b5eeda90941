#include "compartment/model/calculations.h"
#include "compartment/model/model_run.h"
#include "compartment/model/report_text.h"
#include "compartment/model/saved_report_reader.h"
#include "compartment/model/saved_run.h"
#include "test_room.h"
#include "zone_models/saved_rows.h"

#include <gtest/gtest.h>
#include <iterator>
#include <memory>
#include <sstream>
#include <string>
#include <vector>

namespace vorla::compartment {
namespace {

using testing::ReadWholeFile;

const std::string kGoldenDir = std::string(VORLA_GOLDEN_DIR) + "/";

// The S.I. columns, the flags and the end of a report's rows: the U.S. columns
// written again are converted from the S.I. values the file kept, rounded.
std::vector<std::string> MetricWords(const std::string& rows) {
    std::vector<std::string> words;
    std::istringstream lines(rows);
    std::string line;
    while (std::getline(lines, line)) {
        std::istringstream row(line);
        std::vector<std::string> all{std::istream_iterator<std::string>(row), {}};
        for (std::size_t k = 0; k < all.size(); ++k) {
            if (all.size() < 9 || k == 0 || k == 2 || k == 4 || k == 6 || k >= 8) {
                words.push_back(all[k]);
            }
        }
        words.push_back("|");
    }
    return words;
}

// A report read back as a run and written again gives every row's S.I. values,
// flags and the end message back; the golden files cover each way a run ends.
TEST(ReadSavedRun, EveryGoldenReportWrittenAgainHasTheSameRows) {
    struct Case {
        const char* file;
        RunEnd end;
        int flashoverSecond; // -1: none
    };
    const Case cases[] = {
        {"end-of-fire-before-run-time.vof", RunEnd::FireEnded, -2},
        {"fast-fire-9000s-continue.vof", RunEnd::Complete, -2},
        {"high-sill-stop.vof", RunEnd::LayerAtSill, -2},
        {"office-flashover-continue.vof", RunEnd::Complete, -2},
        {"office-flashover-stop.vof", RunEnd::FlashoverStop, 326},
        {"slow-fire-9000s.vof", RunEnd::Complete, -2},
        {"soffit-near-ceiling.vof", RunEnd::Complete, -2},
        {"starved-raised-fire.vof", RunEnd::Complete, -2},
        {"tiny-room-unstable.vof", RunEnd::Unstable, -2},
        {"us-units-pool.vof", RunEnd::Complete, -2},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.file);
        const std::string text = ReadWholeFile(kGoldenDir + c.file);
        Calculations calc;
        InputBoxes boxes;
        ASSERT_EQ(ReadSavedReportText(text, c.file, boxes, calc.Units, calc.Inputs), std::nullopt);
        auto results = std::make_unique<RunResults>();
        const auto run = ReadSavedRun(text, *results);
        ASSERT_TRUE(run.has_value());
        EXPECT_EQ(run->LastRow, results->LastRow);
        EXPECT_EQ(MetricWords(ReportRows(calc.Inputs, *results) + std::string(run->EndMessage)),
                  MetricWords(text.substr(text.find("=\r\n") + 3)));
        if (c.flashoverSecond >= 0) {
            ASSERT_TRUE(results->FlashoverRow.has_value());
            EXPECT_EQ(results->Time[*results->FlashoverRow], c.flashoverSecond);
        }
    }
}

// The run the model makes and the same run read from its saved report agree on
// the flashover row, off the 5-second grid when the run goes on past it.
TEST(ReadSavedRun, FindsTheFlashoverRowOfARunThatWentOn) {
    const std::string text = ReadWholeFile(kGoldenDir + "office-flashover-continue.vof");
    auto results = std::make_unique<RunResults>();
    ASSERT_TRUE(ReadSavedRun(text, *results).has_value());
    ASSERT_TRUE(results->FlashoverRow.has_value());
    EXPECT_NE(results->Time[*results->FlashoverRow] % 5, 0);
    EXPECT_GT(results->LayerTemperature[*results->FlashoverRow], 599.5);
    EXPECT_LT(results->LayerTemperature[*results->FlashoverRow - 1], 600.5);
}

// A row that has lost its flags is not VORLA-XW's row (what both models
// refuse is tested over both: zone_models/both_models_test).
TEST(ReadSavedRun, RefusesARowWithoutItsFlags) {
    const std::string good = ReadWholeFile(kGoldenDir + "high-sill-stop.vof");
    const std::size_t lastRowEnd = good.rfind("\r\n", good.size() - 3);
    auto results = std::make_unique<RunResults>();
    ASSERT_TRUE(ReadSavedRun(good, *results).has_value());
    EXPECT_EQ(ReadSavedRun(good.substr(0, lastRowEnd - 6) + "\r\n" + good.substr(lastRowEnd + 2),
                           *results),
              std::nullopt);
}

// A run prints the saved rows only when it is the saved run: the office's run
// against its own saved text, and against the text of other runs (a shorter
// one, whose rows are the first of it; one with another loss fraction; the
// same text with one row's digit changed), one a line.
TEST(PrintsSavedRows, OnlyTheSavedRunPrintsItsRows) {
    auto calc = testing::Office();
    calc->Inputs.RunTime = 120;
    testing::LoadFireFile(*calc, std::string(VORLA_EXAMPLES_DIR) + "/office-sofa-tsquared.fir");
    const auto no = [](const std::string&, std::string_view) { return Answer::No; };
    const CompletedRun run = RunModel(calc->Inputs, calc->Fire, no, calc->Results);
    const std::string saved = SavedReportText(calc->Inputs, calc->Results, run.EndMessage);

    struct Case {
        const char* what;
        std::int16_t runTime;
        double lossFraction;
        bool digitChanged;
        bool prints;
    };
    const Case cases[] = {
        {"the saved run", 120, 0.6, false, true},
        {"a shorter run", 60, 0.6, false, false},
        {"another loss fraction", 120, 0.7, false, false},
        {"a row's digit changed in the file", 120, 0.6, true, false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        auto again = testing::Office();
        again->Inputs.RunTime = c.runTime;
        again->Inputs.LossFraction = c.lossFraction;
        again->Fire = calc->Fire;
        const CompletedRun rerun = RunModel(again->Inputs, again->Fire, no, again->Results);
        std::string text = saved;
        if (c.digitChanged) {
            const std::size_t row = text.find("\r\n  60 ");
            ASSERT_NE(row, std::string::npos);
            char& digit = text[text.find_first_of("123456789", row + 8)];
            digit = digit == '9' ? '8' : static_cast<char>(digit + 1);
        }
        EXPECT_EQ(
            zone_models::PrintsSavedRows(text, again->Inputs, again->Results, rerun.EndMessage),
            c.prints);
    }
}

} // namespace
} // namespace vorla::compartment
