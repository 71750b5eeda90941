// The two models' input tables against what reads them: the boxes, the checks,
// the batch command, the study and the summary. Each property holds for both
// models, so one typed test runs it on each; no expected value is a row of the
// table itself.
#include "cli/model_inputs.h"
#include "cli/vorla_command.h"
#include "compartment/model/input_checks.h"
#include "compartment/model/input_entry.h"
#include "compartment/model/input_table.h"
#include "compartment/model/run_key_results.h"
#include "smoke_filling/model/input_checks.h"
#include "smoke_filling/model/input_entry.h"
#include "smoke_filling/model/input_table.h"
#include "smoke_filling/model/run_key_results.h"
#include "study/study_model.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <gtest/gtest.h>
#include <set>
#include <sstream>
#include <string>
#include <utility>
#include <vector>

namespace vorla::cli {
namespace {

// A room both models run: every check passes.
struct CompartmentModel {
    using InputBox = compartment::InputBox;
    using InputBoxes = compartment::InputBoxes;
    static constexpr const char* kCommand = "compartment";
    static constexpr InputBox kLastBox = InputBox::txtRunTime;

    static auto Table() { return compartment::InputTable(); }
    static std::optional<InputBox> Named(std::string_view name) {
        return compartment::InputBoxNamed(name);
    }
    static InputBoxes ValidBoxes() {
        InputBoxes boxes;
        boxes.txtRunTitle = "Table";
        boxes.txtOutputFile = "OUT.VOF";
        boxes.txtFireFile = "FIRE.FIR";
        boxes.txtFloorArea = "20";
        boxes.txtRoomHeight = "2.4";
        boxes.txtVentWidth = "1";
        boxes.txtSillHeight = "0";
        boxes.txtSoffitHeight = "2";
        boxes.txtFireHeight = "0";
        boxes.txtRunTime = "600";
        return boxes;
    }
    static std::optional<RejectedInput> Check(const InputBoxes& boxes) {
        return compartment::CheckRunInputs(
            compartment::ReadInputBoxes(boxes, compartment::UnitTablesFor(UnitSystem::SI)));
    }
    static void New(InputBoxes& boxes) {
        compartment::UnitTables units;
        compartment::RunInputs inputs;
        compartment::NewInputs(boxes, units, inputs);
    }
    static std::vector<RunInput> Summary() { return compartment::SummaryInputs({}); }
    static const study::StudyModelOptions& Study() { return study::CompartmentStudyOptions(); }
    static bool Accepts(const OptionTexts& options) {
        return std::holds_alternative<compartment::RunInputs>(CompartmentInputs(options));
    }
};

struct SmokeModel {
    using InputBox = smoke::InputBox;
    using InputBoxes = smoke::InputBoxes;
    static constexpr const char* kCommand = "smoke";
    static constexpr InputBox kLastBox = InputBox::txtRunTime;

    static auto Table() { return smoke::InputTable(); }
    static std::optional<InputBox> Named(std::string_view name) {
        return smoke::InputBoxNamed(name);
    }
    static InputBoxes ValidBoxes() {
        InputBoxes boxes;
        boxes.txtRunTitle = "Table";
        boxes.txtOutputFile = "OUT.SOF";
        boxes.txtFireFile = "FIRE.FIR";
        boxes.txtFloorArea = "20";
        boxes.txtRoomHeight = "2.4";
        boxes.txtFireHeight = "0";
        boxes.txtRunTime = "600";
        return boxes;
    }
    static std::optional<RejectedInput> Check(const InputBoxes& boxes) {
        return smoke::CheckRunInputs(
            smoke::ReadInputBoxes(boxes, smoke::UnitTablesFor(UnitSystem::SI)));
    }
    static void New(InputBoxes& boxes) {
        smoke::UnitTables units;
        smoke::RunInputs inputs;
        smoke::NewInputs(boxes, units, inputs);
    }
    static std::vector<RunInput> Summary() { return smoke::SummaryInputs({}); }
    static const study::StudyModelOptions& Study() { return study::SmokeStudyOptions(); }
    static bool Accepts(const OptionTexts& options) {
        return std::holds_alternative<smoke::RunInputs>(SmokeInputs(options));
    }
};

template <class Model> class InputTable : public ::testing::Test {};
using Models = ::testing::Types<CompartmentModel, SmokeModel>;
TYPED_TEST_SUITE(InputTable, Models);

std::string ShortestText(double value) {
    char text[32];
    std::snprintf(text, sizeof text, "%.17g", value);
    return text;
}

TYPED_TEST(InputTable, HasEveryBoxOnceInTheEnumerationsOrder) {
    const auto table = TypeParam::Table();
    ASSERT_EQ(table.size(), static_cast<std::size_t>(TypeParam::kLastBox) + 1);
    for (std::size_t k = 0; k < table.size(); ++k) {
        EXPECT_EQ(static_cast<std::size_t>(table[k].Box), k) << table[k].Control;
    }
}

TYPED_TEST(InputTable, NamesEachControlOptionAndKeyOnce) {
    std::set<std::string_view> controls, options, summaryKeys, quantities;
    for (const auto& row : TypeParam::Table()) {
        EXPECT_TRUE(controls.insert(row.Control).second) << row.Control;
        EXPECT_TRUE(quantities.insert(row.Quantity).second) << row.Quantity;
        EXPECT_TRUE(row.Control.starts_with("txt")) << row.Control;
        EXPECT_FALSE(row.Caption.empty()) << row.Control;
        if (!row.Option.empty()) {
            EXPECT_TRUE(options.insert(row.Option).second) << row.Option;
            EXPECT_TRUE(row.Option.starts_with("--")) << row.Option;
            EXPECT_EQ(row.Option.find_first_of(" _="), std::string_view::npos) << row.Option;
        }
        if (!row.SummaryKey.empty()) {
            EXPECT_TRUE(summaryKeys.insert(row.SummaryKey).second) << row.SummaryKey;
        }
        // A unit change shows a length or an area, and nothing else.
        EXPECT_EQ(!row.Pattern.empty(), zone::IsDimensionRow(row)) << row.Control;
    }
}

TYPED_TEST(InputTable, EveryControlNameMapsBackToItsBoxAndItsOwnText) {
    typename TypeParam::InputBoxes boxes;
    for (const auto& row : TypeParam::Table()) {
        EXPECT_EQ(InputBoxName(row.Box), row.Control);
        EXPECT_EQ(TypeParam::Named(row.Control), row.Box) << row.Control;
        boxes.Text(row.Box) = "marked " + std::string(row.Control);
    }
    EXPECT_EQ(TypeParam::Named("txtNoSuchBox"), std::nullopt);
    EXPECT_EQ(TypeParam::Named(""), std::nullopt);
    // Each box its own text: no two rows share a field.
    for (const auto& row : TypeParam::Table()) {
        EXPECT_EQ(boxes.*row.Text, "marked " + std::string(row.Control));
        EXPECT_EQ(std::as_const(boxes).Text(row.Box), boxes.*row.Text);
    }
}

// File New and a fresh form hold the same texts: the fractions' defaults are
// written in the struct of the boxes too.
TYPED_TEST(InputTable, FileNewGivesTheBoxesTheirFreshTexts) {
    const typename TypeParam::InputBoxes fresh;
    auto used = TypeParam::ValidBoxes();
    TypeParam::New(used);
    for (const auto& row : TypeParam::Table()) {
        EXPECT_EQ(used.Text(row.Box), fresh.Text(row.Box)) << row.Control;
    }
}

// At each fixed limit the check of the row's own box changes sides: the
// refused side names this box, the accepted side does not (another check, of
// an input this one bounds, may still refuse the room).
TYPED_TEST(InputTable, LimitsAreWhereTheChecksOfTheBoxChange) {
    ASSERT_EQ(TypeParam::Check(TypeParam::ValidBoxes()), std::nullopt);
    const auto focusOn = [](const typename TypeParam::InputBoxes& boxes) {
        const auto rejected = TypeParam::Check(boxes);
        return rejected ? rejected->Focus : std::string();
    };
    int bounds = 0;
    for (const auto& row : TypeParam::Table()) {
        if (!zone::IsNumberRow(row)) {
            continue;
        }
        // The run time is read in whole seconds, halves to even.
        const double step = row.Unit == zone::InputUnit::Seconds ? 1 : 1e-3;
        const std::string control(row.Control);
        const auto at = [&](double value) {
            auto boxes = TypeParam::ValidBoxes();
            boxes.Text(row.Box) = ShortestText(value);
            return focusOn(boxes);
        };
        const auto& limits = row.Limits;
        if (std::isfinite(limits.Lowest)) {
            ++bounds;
            const double refused = limits.LowestAccepted ? limits.Lowest - step : limits.Lowest;
            const double accepted = limits.LowestAccepted ? limits.Lowest : limits.Lowest + step;
            EXPECT_EQ(at(refused), control) << control << " at " << refused;
            EXPECT_NE(at(accepted), control) << control << " at " << accepted;
        }
        if (std::isfinite(limits.Highest)) {
            ++bounds;
            const double refused = limits.HighestAccepted ? limits.Highest + step : limits.Highest;
            const double accepted = limits.HighestAccepted ? limits.Highest : limits.Highest - step;
            EXPECT_EQ(at(refused), control) << control << " at " << refused;
            EXPECT_NE(at(accepted), control) << control << " at " << accepted;
        }
    }
    EXPECT_GE(bounds, 8);
}

TYPED_TEST(InputTable, EveryOptionIsKnownToTheCommandAndInItsHelp) {
    std::ostringstream helpOut, helpErr;
    const std::vector<std::string> help = {TypeParam::kCommand, "--help"};
    ASSERT_EQ(RunVorla(help, helpOut, helpErr), kExitSuccess);
    for (const auto& row : TypeParam::Table()) {
        if (row.Option.empty()) {
            continue;
        }
        const std::string option(row.Option);
        EXPECT_NE(helpOut.str().find("[" + option + " "), std::string::npos) << option;
        EXPECT_NE(helpOut.str().find("\n  " + option + " "), std::string::npos) << option;
        // The parser knows it: with --help, a known option prints the help.
        std::ostringstream out, err;
        const std::vector<std::string> args = {TypeParam::kCommand, option, "1", "--help"};
        EXPECT_EQ(RunVorla(args, out, err), kExitSuccess) << option << ": " << err.str();
    }
}

// The help's lines of a range of rows, as `vorla compartment --help` and
// `vorla smoke --help` show them: the help at its column, a second line
// indented to it, and one blank where the option reaches the column.
TEST(OptionHelpLines, AreTheRowsOptionsAtTheColumn) {
    EXPECT_EQ(
        zone::OptionHelpLines(compartment::InputTable(), "--sill-height", "--soffit-height", 27),
        "  --sill-height H          height of the vent's lower edge, m or ft\n"
        "  --soffit-height H        height of the vent's upper edge, m or ft\n"
        "                           (above the sill, below the ceiling)\n");
    EXPECT_EQ(zone::OptionHelpLines(smoke::InputTable(), "--run-time", "--run-time", 12),
              "  --run-time S maximum run time, s (whole seconds, halves to even);\n"
              "            1 to 9000\n");
}

// Each number option is typed into a box Run reads as a number: a word is
// refused naming the option, a number in range is taken.
TYPED_TEST(InputTable, EveryNumberOptionReachesItsBox) {
    OptionTexts valid;
    const auto boxes = TypeParam::ValidBoxes();
    for (const auto& row : TypeParam::Table()) {
        if (!row.Option.empty()) {
            valid[std::string(zone::OptionKey(row.Option))] = boxes.Text(row.Box);
        }
    }
    ASSERT_TRUE(TypeParam::Accepts(valid));
    int numbers = 0;
    for (const auto& row : TypeParam::Table()) {
        if (!zone::IsNumberRow(row)) {
            continue;
        }
        ++numbers;
        OptionTexts options = valid;
        options[std::string(zone::OptionKey(row.Option))] = "many";
        EXPECT_FALSE(TypeParam::Accepts(options)) << row.Option;
        // Beyond a fixed highest limit, Run's check refuses it.
        if (std::isfinite(row.Limits.Highest)) {
            options[std::string(zone::OptionKey(row.Option))] =
                ShortestText(row.Limits.Highest + 1);
            EXPECT_FALSE(TypeParam::Accepts(options)) << row.Option;
        }
    }
    EXPECT_GE(numbers, 5);
}

TYPED_TEST(InputTable, EveryOptionIsAStudyKeyOfItsKind) {
    const auto& study = TypeParam::Study();
    for (const auto& row : TypeParam::Table()) {
        if (row.Option.empty()) {
            continue;
        }
        const std::string key(zone::OptionKey(row.Option));
        const auto& numbers = study.NumericOptions;
        const bool number = std::find(numbers.begin(), numbers.end(), key) != numbers.end();
        EXPECT_EQ(number, zone::IsNumberRow(row)) << key;
        if (!number) {
            const auto text =
                std::find_if(study.TextOptions.begin(), study.TextOptions.end(),
                             [&](const study::TextOption& option) { return option.Name == key; });
            ASSERT_NE(text, study.TextOptions.end()) << key;
            EXPECT_EQ(text->IsPath, row.Unit == zone::InputUnit::File) << key;
        }
    }
}

// The summary lists the inputs in the form's order, each under the table's key.
TYPED_TEST(InputTable, SummaryListsEveryKeyedRowInOrder) {
    std::vector<std::string> keyed;
    for (const auto& row : TypeParam::Table()) {
        if (!row.SummaryKey.empty()) {
            keyed.emplace_back(row.SummaryKey);
        }
    }
    std::vector<std::string> listed;
    for (const auto& input : TypeParam::Summary()) {
        listed.push_back(input.Name);
    }
    ASSERT_GE(listed.size(), keyed.size());
    listed.resize(keyed.size());
    EXPECT_EQ(listed, keyed);
}

// The keys read from the outside world are spelled the same in both models.
TEST(InputTables, NameTheSameInputAlikeInBothModels) {
    for (const auto& smokeRow : smoke::InputTable()) {
        const auto* compartmentRow =
            zone::RowOfControl(compartment::InputTable(), smokeRow.Control);
        const auto* byOption = zone::RowOfOption(compartment::InputTable(), smokeRow.Option);
        ASSERT_NE(byOption, nullptr) << smokeRow.Option;
        EXPECT_EQ(byOption->SummaryKey, smokeRow.SummaryKey) << smokeRow.Option;
        EXPECT_EQ(byOption->Quantity, smokeRow.Quantity) << smokeRow.Option;
        EXPECT_EQ(byOption->Unit, smokeRow.Unit) << smokeRow.Option;
        if (compartmentRow != nullptr) {
            EXPECT_EQ(compartmentRow, byOption) << smokeRow.Control;
        }
    }
    EXPECT_EQ(zone::OptionKey("--floor-area"), "floor-area");
    EXPECT_EQ(zone::OptionKey("-o"), "o");
    EXPECT_EQ(zone::OptionKey("--"), "");
    EXPECT_EQ(zone::RowOfOption(smoke::InputTable(), "--vent-width"), nullptr);
}

// The bounds' own rule, at each side of an open and a closed bound.
TEST(InputLimits, AcceptWhatTheirBoundsInclude) {
    constexpr zone::InputLimits open{0, false, 1, false};
    constexpr zone::InputLimits closed{1, true, 9000, true};
    constexpr zone::InputLimits lowestOnly{0, true};
    struct Case {
        const zone::InputLimits& limits;
        double value;
        bool accepted;
    };
    const Case cases[] = {
        {open, 0, false},           {open, 1e-300, true},      {open, 0.999999, true},
        {open, 1, false},           {closed, 1, true},         {closed, 0.999, false},
        {closed, 9000, true},       {closed, 9000.5, false},   {lowestOnly, 0, true},
        {lowestOnly, -1e-9, false}, {lowestOnly, 1e300, true},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(c.limits.Accepts(c.value), c.accepted) << c.value;
    }
    EXPECT_FALSE(open.Accepts(std::nan("")));
}

} // namespace
} // namespace vorla::cli
