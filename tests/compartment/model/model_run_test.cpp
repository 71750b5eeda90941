#include "compartment/model/model_run.h"
#include "compartment/model/report_text.h"
#include "test_room.h"

#include <cmath>
#include <gtest/gtest.h>
#include <memory>
#include <vector>

namespace vorla::compartment {
namespace {

using testing::LoadFire;
using testing::LoadFireFile;
using testing::Office;
using testing::ReadWholeFile;

const std::string kExamples = VORLA_EXAMPLES_DIR;
const std::string kData = VORLA_TEST_DATA_DIR;

// Answers the flashover question and remembers what was asked.
struct QuestionLog {
    Answer answer = Answer::Yes;
    std::vector<std::string> texts;
    std::vector<std::string> titles;

    FlashoverQuestion Asker() {
        return [this](const std::string& text, std::string_view title) {
            texts.push_back(text);
            titles.emplace_back(title);
            return answer;
        };
    }
};

CompletedRun RunOffice(Calculations& calc, QuestionLog& log) {
    return RunModel(calc.Inputs, calc.Fire, log.Asker(), calc.Results);
}

// The run's end message.
std::string Simulate(Calculations& calc, QuestionLog& log) {
    return std::string(RunOffice(calc, log).EndMessage);
}

std::vector<int> RowTimes(const RunResults& results) {
    std::vector<int> times;
    for (int r = 0; r <= results.LastRow; ++r) {
        times.push_back(results.Time[r]);
    }
    return times;
}

constexpr std::string_view kSteady100 = "0 100 0\r\n9000 100 0\r\n-9 -9 -9\r\n";

TEST(RunModel, ShortRunHasRowsEveryFiveSeconds) {
    auto calc = Office();
    calc->Inputs.RunTime = 10;
    LoadFire(*calc, kSteady100);
    QuestionLog log;
    EXPECT_EQ(Simulate(*calc, log), kRunCompleteMessage);
    EXPECT_EQ(RowTimes(calc->Results), (std::vector<int>{0, 5, 10}));
    EXPECT_TRUE(log.texts.empty());
}

TEST(RunModel, RowZeroIsTheInitialState) {
    auto calc = Office();
    calc->Inputs.RunTime = 5;
    // 3000 kW at once on a shelf 10 cm below the ceiling: far beyond what its
    // short plume supports, but row 0 shows the table's rate uncut.
    calc->Inputs.FireHeight = 2.3;
    LoadFire(*calc, "0 3000 0\r\n600 3000 0\r\n-9 -9 -9\r\n");
    QuestionLog log;
    Simulate(*calc, log);
    const RunResults& out = calc->Results;
    EXPECT_EQ(out.Time[0], 0);
    EXPECT_DOUBLE_EQ(out.LayerTemperature[0], 21.11);
    EXPECT_EQ(out.InterfaceHeight[0], 2.4f);
    EXPECT_EQ(out.HeatReleaseRate[0], 3000);
    EXPECT_EQ(out.VentFlow[0], 0);
    EXPECT_EQ(out.FRFlag[0], kRegimeAboveSoffit);
    EXPECT_EQ(out.OSFlag[0], kNotStarvedOfAir);
    EXPECT_EQ(out.OSFlag[1], kStarvedOfAir);
    EXPECT_LT(out.HeatReleaseRate[1], 3000);
}

TEST(RunModel, FlashoverAnsweredYesEndsTheRunOnItsOwnRow) {
    auto calc = Office();
    LoadFireFile(*calc, kExamples + "/office-sofa-tsquared.fir");
    QuestionLog log;
    const CompletedRun run = RunOffice(*calc, log);
    EXPECT_EQ(run.End, RunEnd::FlashoverStop);
    EXPECT_EQ(run.EndMessage, kFlashoverStopMessage);
    const RunResults& out = calc->Results;
    EXPECT_EQ(run.LastRow, out.LastRow);
    EXPECT_EQ(out.FlashoverRow, out.LastRow);
    EXPECT_EQ(out.Time[out.LastRow], 326);
    EXPECT_EQ(out.Time[out.LastRow - 1], 325);
    EXPECT_GT(out.LayerTemperature[out.LastRow], 600);
    EXPECT_LE(out.LayerTemperature[out.LastRow - 1], 600);
    EXPECT_EQ(log.texts, std::vector<std::string>{
                             "Flashover occurred at 326 seconds.  Terminate simulation?"});
    EXPECT_EQ(log.titles, std::vector<std::string>{"VORLA-XW: Flashover"});
}

TEST(RunModel, FlashoverAnsweredNoGoesOnWithTheRegularRows) {
    auto calc = Office();
    LoadFireFile(*calc, kExamples + "/office-sofa-tsquared.fir");
    QuestionLog log;
    log.answer = Answer::No;
    EXPECT_EQ(RunOffice(*calc, log).End, RunEnd::Complete);
    // The row at 326 s is the flashover row though the run went on.
    EXPECT_EQ(calc->Results.FlashoverRow, 66);
    const auto times = RowTimes(calc->Results);
    EXPECT_EQ(times.size(), 1u + 120u + 1u);
    for (std::size_t r = 1; r < times.size(); ++r) {
        const int expected =
            r <= 65 ? 5 * static_cast<int>(r) : (r == 66 ? 326 : 5 * (static_cast<int>(r) - 1));
        EXPECT_EQ(times[r], expected) << "row " << r;
    }
    EXPECT_EQ(log.texts.size(), 1u);
}

TEST(RunModel, InterfaceReachingTheSillEndsTheRunOnItsOwnRow) {
    auto calc = Office();
    RunInputs& in = calc->Inputs;
    in.FloorArea = 60;
    in.RoomHeight = 3;
    in.VentWidth = 1.2;
    in.SillHeight = 1.1;
    in.SoffitHeight = 2.1f;
    in.RunTime = 900;
    in.VentFactor = VentFactorOf(in);
    LoadFireFile(*calc, kExamples + "/pallets-fast-tsquared.fir");
    QuestionLog log;
    EXPECT_EQ(Simulate(*calc, log), kVentSillMessage);
    const RunResults& out = calc->Results;
    EXPECT_EQ(out.Time[out.LastRow], 134);
    EXPECT_EQ(out.Time[out.LastRow - 1], 130);
    EXPECT_LE(out.InterfaceHeight[out.LastRow], 1.1f);
    EXPECT_EQ(out.FRFlag[out.LastRow], kRegimeNone);
}

TEST(RunModel, FuelSurfaceMessageWinsOverTheSill) {
    struct Case {
        double sill;
        float soffit;
        std::string_view message;
        std::string_view fire = kSteady100;
        std::int16_t runTime = 600;
    };
    // The fire base 5 mm below the ceiling is above the starting interface.
    const Case cases[] = {
        {0, 2.0f, kFuelSurfaceMessage},
        {2.992, 2.996f, kFuelSurfaceMessage}, // the sill is above the interface as well
        // The fire ends in the same second: the layer at the fire base wins.
        {0, 2.0f, kFuelSurfaceMessage, "0 100 0\r\n1 100 0\r\n-9 -9 -9\r\n"},
        // So it does over the end of the shortest run time, 1 s.
        {0, 2.0f, kFuelSurfaceMessage, kSteady100, 1},
    };
    for (const auto& c : cases) {
        auto calc = Office();
        RunInputs& in = calc->Inputs;
        in.RoomHeight = 3;
        in.FireHeight = 2.995;
        in.SillHeight = c.sill;
        in.SoffitHeight = c.soffit;
        in.RunTime = c.runTime;
        in.VentFactor = VentFactorOf(in);
        LoadFire(*calc, c.fire);
        QuestionLog log;
        EXPECT_EQ(Simulate(*calc, log), c.message);
        EXPECT_EQ(RowTimes(calc->Results), (std::vector<int>{0, 1}));
    }

    // A sill level with the starting interface alone gives the sill message.
    auto calc = Office();
    calc->Inputs.RoomHeight = 3;
    calc->Inputs.SillHeight = 2.992;
    calc->Inputs.SoffitHeight = 2.996f;
    calc->Inputs.VentFactor = VentFactorOf(calc->Inputs);
    LoadFire(*calc, kSteady100);
    QuestionLog log;
    EXPECT_EQ(Simulate(*calc, log), kVentSillMessage);
    EXPECT_EQ(calc->Results.FRFlag[1], kRegimeNone);
}

TEST(RunModel, EndOfTheFireBeforeOrAtTheRunTime) {
    const struct {
        std::string_view fire;
        std::int16_t runTime;
        std::string_view message;
        int lastTime;
    } cases[] = {
        {"0 0 0\r\n1 673.8 0\r\n600 673.8 0\r\n-9 -9 -9\r\n", 1200, kEndOfFireMessage, 600},
        {"0 0 0\r\n1 673.8 0\r\n600 673.8 0\r\n-9 -9 -9\r\n", 600, kEndOfFireMessage, 600},
        {"0 0 0\r\n1 673.8 0\r\n600 673.8 0\r\n-9 -9 -9\r\n", 599, kRunCompleteMessage, 599},
        // A last fire time between whole seconds: the last step ends at 12 s,
        // which is neither on the grid nor the fire's end, so 10 s is the last row.
        {"0 0 0\r\n12.5 100 0\r\n-9 -9 -9\r\n", 600, kEndOfFireMessage, 10},
        {"0 0 0\r\n12 100 0\r\n-9 -9 -9\r\n", 600, kEndOfFireMessage, 12},
        // Driven directly past the checks' 9000 s: the table's 1803 rows, every
        // 5 s, end the run at 5 × 1802 = 9010 s, not at 9500 s.
        {"0 100 0\r\n20000 100 0\r\n-9 -9 -9\r\n", 9500, kRunCompleteMessage, 9010},
    };
    for (const auto& c : cases) {
        auto calc = Office();
        calc->Inputs.RunTime = c.runTime;
        LoadFire(*calc, c.fire);
        QuestionLog log;
        EXPECT_EQ(Simulate(*calc, log), c.message) << c.runTime;
        EXPECT_EQ(calc->Results.Time[calc->Results.LastRow], c.lastTime) << c.runTime;
    }
}

TEST(RunModel, UnstableStepEndsTheRunWithTheRowsBeforeIt) {
    // A pool fire in a 0.05 m² cupboard: the first step leaves the physical range.
    auto calc = Office();
    RunInputs& in = calc->Inputs;
    in.FloorArea = 0.05;
    in.RoomHeight = 3;
    in.VentWidth = 0.3;
    in.SoffitHeight = 0.8f;
    in.VentFactor = VentFactorOf(in);
    LoadFireFile(*calc, kExamples + "/pool-1m-674kw.fir");
    QuestionLog log;
    const CompletedRun run = RunOffice(*calc, log);
    EXPECT_EQ(run.End, RunEnd::Unstable);
    EXPECT_EQ(run.EndMessage, kUnstableMessage);
    EXPECT_EQ(calc->Results.LastRow, 0);
    EXPECT_EQ(calc->Results.FlashoverRow, std::nullopt);
    EXPECT_EQ(kUnstableMessage, "CALCULATION BECAME UNSTABLE - RUN TERMINATED");
}

TEST(RunModel, NineThousandSecondsWithFlashoverOffTheGridKeepsEveryRow) {
    auto calc = Office();
    RunInputs& in = calc->Inputs;
    in.FloorArea = 13;
    in.RoomHeight = 2.5;
    in.VentWidth = 0.8;
    in.SoffitHeight = 2.1f;
    in.RunTime = 9000;
    in.VentFactor = VentFactorOf(in);
    LoadFireFile(*calc, kData + "/fast-growth-9000s.fir");
    QuestionLog log;
    log.answer = Answer::No;
    EXPECT_EQ(Simulate(*calc, log), kEndOfFireMessage);
    const RunResults& out = calc->Results;
    EXPECT_EQ(out.LastRow, 1801);
    EXPECT_EQ(out.Time[1801], 9000);
    EXPECT_EQ(out.Time[34], 166);
    for (int r = 0; r <= out.LastRow; ++r) {
        ASSERT_TRUE(std::isfinite(out.LayerTemperature[r]) && std::isfinite(out.VentFlow[r]) &&
                    std::isfinite(out.HeatReleaseRate[r]) && std::isfinite(out.InterfaceHeight[r]))
            << "row " << r;
    }
}

TEST(RunCalculations, ReadsTheFireFileAndLeavesEarlierResultsWhenItCannot) {
    auto calc = Office();
    calc->Inputs.FireFile = kExamples + "/pool-1m-674kw.fir";
    calc->Inputs.RunTime = 20;
    QuestionLog log;
    const RunOutcome done = RunCalculations(*calc, log.Asker());
    ASSERT_TRUE(std::holds_alternative<CompletedRun>(done));
    EXPECT_EQ(std::get<CompletedRun>(done).EndMessage, kRunCompleteMessage);
    EXPECT_EQ(calc->Results.LastRow, 4);

    calc->Inputs.FireFile = kData + "/no-such-fire.fir";
    const RunOutcome missing = RunCalculations(*calc, log.Asker());
    const auto* problem = std::get_if<FireFileError>(&missing);
    ASSERT_TRUE(problem);
    EXPECT_EQ(problem->kind, FireFileError::Kind::CannotOpen);
    EXPECT_EQ(calc->Results.LastRow, 4);

    // Inputs the form would refuse never reach the fire file.
    calc->Inputs.SoffitHeight = 3.0f;
    const RunOutcome refused = RunCalculations(*calc, log.Asker());
    const auto* rejected = std::get_if<RejectedInput>(&refused);
    ASSERT_TRUE(rejected);
    EXPECT_EQ(rejected->Message, "The soffit can not be above the ceiling.");
    EXPECT_EQ(rejected->Focus, "txtSoffitHeight");
    EXPECT_EQ(rejected->Title, "VORLA-XW: Input Data Error");
}

TEST(RunModel, ASecondRunStartsAfresh) {
    auto calc = Office();
    LoadFireFile(*calc, kExamples + "/office-sofa-tsquared.fir");
    QuestionLog log;
    log.answer = Answer::No;
    Simulate(*calc, log);
    const int longRun = calc->Results.LastRow;
    const double temperatureAt100 = calc->Results.LayerTemperature[20];

    calc->Inputs.RunTime = 100;
    EXPECT_EQ(Simulate(*calc, log), kRunCompleteMessage);
    EXPECT_EQ(calc->Results.LastRow, 20);
    EXPECT_LT(calc->Results.LastRow, longRun);
    EXPECT_EQ(calc->Results.LayerTemperature[20], temperatureAt100);
}

TEST(RunModel, OfficeReportMatchesTheReferenceByteForByte) {
    auto calc = Office();
    LoadFireFile(*calc, kExamples + "/office-sofa-tsquared.fir");
    QuestionLog log;
    const std::string endMessage = Simulate(*calc, log);
    const std::string text = SavedReportText(ReportHeader(calc->Inputs),
                                             ReportRows(calc->Inputs, calc->Results), endMessage);
    EXPECT_EQ(text, ReadWholeFile(std::string(VORLA_GOLDEN_DIR) + "/office-flashover-stop.vof"));
}

TEST(FlashoverQuestionText, GivesTheWholeSecond) {
    EXPECT_EQ(FlashoverQuestionText(123),
              "Flashover occurred at 123 seconds.  Terminate simulation?");
    EXPECT_EQ(FlashoverQuestionText(5), "Flashover occurred at 5 seconds.  Terminate simulation?");
}

} // namespace
} // namespace vorla::compartment
