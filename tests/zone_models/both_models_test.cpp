// What holds alike for both zone models, written once and run over each
// (GoogleTest's typed tests): Run keeps the first sixty characters of the
// title, a run shares nothing with another run at the same time, and Open
// Results refuses what is not the whole report of a run. What holds for one
// model alone stays in its own tests.
#include "common/fire_files/fire_file_reader.h"
#include "compartment/model/calculations.h"
#include "compartment/model/input_entry.h"
#include "compartment/model/model_run.h"
#include "compartment/model/report_text.h"
#include "compartment/model/saved_run.h"
#include "smoke_filling/model/calculations.h"
#include "smoke_filling/model/input_entry.h"
#include "smoke_filling/model/model_run.h"
#include "smoke_filling/model/report_text.h"
#include "smoke_filling/model/saved_run.h"

#include <gtest/gtest.h>
#include <memory>
#include <string>
#include <string_view>
#include <thread>

namespace vorla {
namespace {

const std::string kExamples = std::string(VORLA_EXAMPLES_DIR) + "/";

// Each model's example room under its example fire, run as the batch command
// runs it (VORLA-XW's flashover question answered "go on").
struct Compartment {
    using InputBoxes = compartment::InputBoxes;
    using RunInputs = compartment::RunInputs;
    using RunResults = compartment::RunResults;
    static constexpr const char* Fire = "office-sofa-tsquared.fir";

    // The office of the examples: 20 m², 2.4 m high, a door 0.9 m wide up to
    // 2 m, the fire on the floor.
    static RunInputs Room(std::int16_t runTime) {
        InputBoxes boxes;
        boxes.txtRunTitle = "Office";
        boxes.txtOutputFile = "OFFICE.VOF";
        boxes.txtFireFile = kExamples + Fire;
        boxes.txtFloorArea = "20";
        boxes.txtRoomHeight = "2.4";
        boxes.txtVentWidth = "0.9";
        boxes.txtSillHeight = "0";
        boxes.txtSoffitHeight = "2";
        boxes.txtFireHeight = "0";
        boxes.txtRunTime = std::to_string(runTime);
        return ReadInputBoxes(boxes, compartment::UnitTables{});
    }
    static CompletedRun Run(const RunInputs& inputs, const FireTable& fire, RunResults& results) {
        return compartment::RunModel(
            inputs, fire,
            [](const std::string&, std::string_view) { return compartment::Answer::No; }, results);
    }
};

struct Smoke {
    using InputBoxes = smoke::InputBoxes;
    using RunInputs = smoke::RunInputs;
    using RunResults = smoke::RunResults;
    static constexpr const char* Fire = "medium-tsquared-1mw.fir";

    // The shop of the examples: 150 m², 4 m high, the fire 0.5 m up.
    static RunInputs Room(std::int16_t runTime) {
        InputBoxes boxes;
        boxes.txtRunTitle = "Shop";
        boxes.txtOutputFile = "SHOP.SOF";
        boxes.txtFireFile = kExamples + Fire;
        boxes.txtFloorArea = "150";
        boxes.txtRoomHeight = "4";
        boxes.txtFireHeight = "0.5";
        boxes.txtRunTime = std::to_string(runTime);
        return ReadInputBoxes(boxes, smoke::UnitTables{});
    }
    static CompletedRun Run(const RunInputs& inputs, const FireTable& fire, RunResults& results) {
        return smoke::RunModel(inputs, fire, results);
    }
};

template <class Model> class BothModels : public ::testing::Test {
  protected:
    static FireTable ExampleFire() {
        FireTable fire;
        const auto error = ReadFireFile(kExamples + Model::Fire, fire);
        EXPECT_FALSE(error) << DescribeFireFileError(*error);
        return fire;
    }
};

using Models = ::testing::Types<Compartment, Smoke>;
TYPED_TEST_SUITE(BothModels, Models);

// The title is cut at sixty characters, not bytes: a character of two bytes
// is kept whole or not at all. The box keeps what was typed.
TYPED_TEST(BothModels, RunKeepsTheTitlesFirstSixtyCharacters) {
    const std::string e = "\u00e9"; // two bytes
    std::string sixtyOneE;
    for (int k = 0; k < 61; ++k) {
        sixtyOneE += e;
    }
    const struct {
        std::string typed;
        std::string kept;
    } cases[] = {
        {std::string(60, 'a'), std::string(60, 'a')},
        {std::string(61, 'a'), std::string(60, 'a')},
        {std::string(70, 'x'), std::string(60, 'x')},
        {std::string(59, 'a') + e + e, std::string(59, 'a') + e}, // 61 characters, 63 bytes
        {sixtyOneE, sixtyOneE.substr(0, 120)},
    };
    for (const auto& c : cases) {
        typename TypeParam::InputBoxes boxes;
        boxes.txtRunTitle = c.typed;
        const auto inputs = ReadInputBoxes(boxes, {});
        EXPECT_EQ(inputs.RunTitle, c.kept) << c.typed;
        EXPECT_EQ(boxes.txtRunTitle, c.typed);
    }
}

// Two runs at once on the same inputs and fire give what one run alone gives:
// a run shares nothing but what it reads.
TYPED_TEST(BothModels, RunsSideBySideOnThreadsWithTheirOwnResults) {
    using Results = typename TypeParam::RunResults;
    const auto inputs = TypeParam::Room(600);
    const FireTable fire = this->ExampleFire();
    auto alone = std::make_unique<Results>();
    const CompletedRun expected = TypeParam::Run(inputs, fire, *alone);
    ASSERT_GT(expected.LastRow, 10);
    auto first = std::make_unique<Results>();
    auto second = std::make_unique<Results>();
    CompletedRun a, b;
    std::thread one([&] { a = TypeParam::Run(inputs, fire, *first); });
    std::thread two([&] { b = TypeParam::Run(inputs, fire, *second); });
    one.join();
    two.join();
    EXPECT_EQ(a, expected);
    EXPECT_EQ(b, expected);
    for (int r = 0; r <= expected.LastRow; ++r) {
        ASSERT_EQ(first->LayerTemperature[r], alone->LayerTemperature[r]) << r;
        ASSERT_EQ(second->VentFlow[r], alone->VentFlow[r]) << r;
    }
}

// Open Results takes only the whole saved report of a run: each text below is
// a saved report of the example run cut short or ended wrongly, or no report.
TYPED_TEST(BothModels, ASavedRunIsReadOnlyFromAWholeReport) {
    using Results = typename TypeParam::RunResults;
    const auto inputs = TypeParam::Room(60);
    auto results = std::make_unique<Results>();
    const CompletedRun ran = TypeParam::Run(inputs, this->ExampleFire(), *results);
    const std::string good = SavedReportText(inputs, *results, ran.EndMessage);
    ASSERT_EQ(ReadSavedRun(good, *std::make_unique<Results>()), ran);
    const std::size_t lastRowEnd = good.rfind("\r\n", good.size() - 3);
    const struct {
        const char* what;
        std::string text;
    } cases[] = {
        {"empty", ""},
        {"a fire file", "0 0 0\r\n60 50 0\r\n-9 -9 -9\r\n"},
        {"cut in the last row", good.substr(0, lastRowEnd - 20)},
        {"cut after the last row", good.substr(0, lastRowEnd + 2)},
        {"an end message of no run", good.substr(0, lastRowEnd + 2) + "RUN STOPPED\r\n"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        auto read = std::make_unique<Results>();
        EXPECT_EQ(ReadSavedRun(c.text, *read), std::nullopt);
    }
}

} // namespace
} // namespace vorla
