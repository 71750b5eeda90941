#include "cli/model_inputs.h"

#include "cli/command_output.h"
#include "cli/model_command.h"
#include "cli/vorla_command.h"
#include "zone_models/model_options.h"
#include "common/text/number_text.h"
#include "common/text/round_trip_text.h"
#include "zone_models/plume_option_names.h"
#include "common/files/text_file.h"
#include "compartment/model/input_checks.h"
#include "compartment/model/input_entry.h"
#include "compartment/model/input_table.h"
#include "compartment/model/loss_fraction_estimator.h"
#include "compartment/model/saved_loss_fraction.h"
#include "compartment/model/saved_report_reader.h"
#include "smoke_filling/model/input_checks.h"
#include "smoke_filling/model/input_entry.h"
#include "smoke_filling/model/input_table.h"
#include "smoke_filling/model/saved_report_reader.h"

#include <algorithm>
#include <optional>
#include <span>
#include <string_view>
#include <vector>

namespace vorla::cli {
namespace {

// The heat loss fraction box's new text from the estimator, for inputs read as
// Run reads them, or why the estimate cannot be made.
template <class RunInputs>
using LossFractionEstimate = std::variant<std::string, CommandStop> (*)(const OptionTexts&,
                                                                        const RunInputs&);

// What differs between the two model commands. The steps themselves are the
// same: the models' input forms have the same shape, so one template drives
// both (the model's functions are found by their argument types).
template <class InputBox, class InputBoxes, class RunInputs, class UnitTables> struct ModelCommand {
    std::string_view prefix; // "vorla compartment: "
    // The model's input table: each row with a number has its option.
    std::span<const zone::InputRow<InputBox, InputBoxes>> table;
    ModelKind model; // and so its wording (WordingOf)
    UnitTables (*unitTablesFor)(UnitSystem);
    // The boxes of the run title, the output file and the fire file.
    InputBox titleBox;
    InputBox outputBox;
    InputBox fireBox;
    // VORLA-XW's heat loss fraction estimator: `--loss-fraction estimate` types
    // its estimate into this box, as the estimator window's Estimate does.
    // Nothing for a model without one.
    LossFractionEstimate<RunInputs> estimate;
    InputBox lossFractionBox;
};

// The options that carry a number: the model's input rows with a number.
template <class Row> std::vector<Row> NumberRows(std::span<const Row> table) {
    std::vector<Row> numbers;
    for (const Row& row : table) {
        if (zone::IsNumberRow(row) && !row.Option.empty()) {
            numbers.push_back(row);
        }
    }
    return numbers;
}

bool IsFilePath(const std::optional<std::string>& path) {
    return path && !path->empty() && *path != "-";
}

CommandStop Rejected(std::string message) {
    return {kExitInputRejected, std::move(message)};
}

// The options the estimator alone reads.
constexpr std::string_view kEstimatorOptions[] = {"aspect-ratio", "ceiling"};
constexpr std::string_view kCeilingWords[] = {"smooth", "moderately-rough", "irregular"};

std::variant<std::string, CommandStop>
EstimateCompartmentLossFraction(const OptionTexts& options, const compartment::RunInputs& inputs) {
    constexpr std::string_view prefix = WordingOf(ModelKind::Compartment).Prefix;
    // The estimator window opens with no aspect ratio; a square room is the
    // smallest ratio it takes.
    const std::string ratio = OptionText(options, "aspect-ratio").value_or("1");
    if (!ParseWholeNumber(ratio)) {
        return Rejected(std::string(prefix) + "The value of --aspect-ratio is not a number: \"" +
                        ratio + "\".\n");
    }
    const std::string ceiling = OptionText(options, "ceiling").value_or("smooth");
    const auto word = std::find(std::begin(kCeilingWords), std::end(kCeilingWords), ceiling);
    if (word == std::end(kCeilingWords)) {
        return Rejected(std::string(prefix) +
                        "--ceiling must be smooth, moderately-rough or irregular, not \"" +
                        ceiling + "\".\n");
    }
    // The input form's checks before the estimator window opens, then the
    // window's own. A radiative fraction of zero, which the form asks about,
    // is taken as typed.
    if (const auto rejected = compartment::CheckEstimatorInputs(inputs)) {
        return Rejected(rejected->Message + "\n");
    }
    const auto text = compartment::EstimateFromEntries(
        ratio, static_cast<int>(word - std::begin(kCeilingWords)), inputs);
    if (!text) {
        return Rejected(std::string(compartment::kAspectRatioMessage) + "\n");
    }
    return *text;
}

// The plume options both models take beside their boxes: the fire's position
// and the plume correlation.
template <class RunInputs>
std::optional<CommandStop> ReadPlumeOptions(const OptionTexts& options, std::string_view prefix,
                                            RunInputs& inputs) {
    if (const auto text = OptionText(options, "fire-position")) {
        const auto position = FirePositionOfWord(*text);
        if (!position) {
            return Rejected(std::string(prefix) +
                            "--fire-position must be centre, wall or corner, not \"" + *text +
                            "\".\n");
        }
        inputs.FirePlace = *position;
    }
    if (const auto text = OptionText(options, "plume")) {
        const auto plume = PlumeOfWord(*text);
        if (!plume) {
            return Rejected(std::string(prefix) + "--plume must be zukoski or heskestad, not \"" +
                            *text + "\".\n");
        }
        inputs.Plume = *plume;
    }
    return std::nullopt;
}

// The texts of the report's header: a line break would shift every line of the
// saved report after it, and File Open would then read the wrong values back.
constexpr std::string_view kHeaderTexts[] = {"title", "output-name", "fire", "o"};

// An option's number in S.I. units: the unit of its option (--units) is
// that of its row's quantity.
template <class Row, class UnitTables>
double SiValueOf(const Row& row, double typed, const UnitTables& units) {
    switch (row.Unit) {
    case zone::InputUnit::Area:
        return typed * units.Area.ToSI;
    case zone::InputUnit::Length:
        return typed * units.Length.ToSI;
    default:
        return typed;
    }
}

template <class RunInputs, class InputBoxes, class UnitTables, class InputBox>
std::variant<RunInputs, CommandStop>
BuildInputs(const OptionTexts& options, const OptionNumbers& given,
            const ModelCommand<InputBox, InputBoxes, RunInputs, UnitTables>& model) {
    using InputValue = zone::InputValue<InputBox>;
    const auto numbers = NumberRows(model.table);
    if (const auto refusal = MultiLineRefusal(options, kHeaderTexts)) {
        return Rejected(std::string(model.prefix) + *refusal + "\n");
    }
    const auto units = UnitsOption(OptionText(options, "units"));
    if (const auto* problem = std::get_if<std::string>(&units)) {
        return Rejected(*problem);
    }
    const bool estimated =
        model.estimate != nullptr && OptionText(options, "loss-fraction") == "estimate";
    if (model.estimate != nullptr && !estimated) {
        for (const auto name : kEstimatorOptions) {
            if (OptionText(options, name)) {
                return Rejected(std::string(model.prefix) + "--" + std::string(name) +
                                " is read only with --loss-fraction estimate.\n");
            }
        }
    }
    // Each number is read once, in the unit of its option, into its S.I. value;
    // a study's sampled number comes as the number itself.
    const UnitTables typedUnits = model.unitTablesFor(std::get<UnitSystem>(units));
    std::vector<InputValue> values;
    for (const auto& number : numbers) {
        const std::string_view key = zone::OptionKey(number.Option);
        if (estimated && number.Box == model.lossFractionBox) {
            continue;
        }
        std::optional<double> typed;
        if (const auto found = given.find(key); found != given.end()) {
            typed = found->second;
        } else if (const auto text = OptionText(options, key)) {
            typed = ParseWholeNumber(*text);
            if (!typed) {
                return Rejected(std::string(model.prefix) + "The value of " +
                                std::string(number.Option) + " is not a number: \"" + *text +
                                "\".\n");
            }
        }
        if (typed) {
            // Built in place: GCC 12 at -O3 takes a moved temporary's unused
            // string for an uninitialised one.
            InputValue& value = values.emplace_back();
            value.Box = number.Box;
            value.Value = SiValueOf(number, *typed, typedUnits);
        }
    }

    InputBoxes boxes;
    UnitTables unitTables;
    RunInputs inputs;
    NewInputs(boxes, unitTables, inputs);
    // The saved report's fire position and plume, as File Open reads them;
    // --fire-position and --plume given beside --from override them.
    ModelOptions saved;
    if (const auto from = OptionText(options, "from")) {
        if (const auto problem = ReadSavedReport(*from, boxes, unitTables, inputs)) {
            const bool namesFile = WordingOf(model.model).NamesFileBeforeOpenProblem ||
                                   problem->kind == FileProblem::Kind::WrongFormat;
            return CommandStop{kExitFileProblem, std::string(model.prefix) +
                                                     (namesFile ? *from + ": " : "") +
                                                     DescribeFileProblem(*problem) + "\n"};
        }
        const WholeFile file = ReadWholeFile(*from);
        if (file.problem) { // gone or changed since the reader read it
            return CommandStop{kExitFileProblem,
                               std::string(model.prefix) + *from + ": " + *file.problem + "\n"};
        }
        auto read = ReadSavedModelOptions(file.text);
        if (const auto* problem = std::get_if<std::string>(&read)) {
            return CommandStop{kExitFileProblem,
                               std::string(model.prefix) + *from + ": " + *problem + "\n"};
        }
        saved = std::get<ModelOptions>(read);
    }

    // The texts the options give. The output file is the -o path where no
    // output-name is given.
    if (const auto title = OptionText(options, "title")) {
        values.push_back({model.titleBox, *title});
    }
    const auto reportPath = OptionText(options, "o");
    if (const auto name = OptionText(options, "output-name")) {
        values.push_back({model.outputBox, *name});
    } else if (IsFilePath(reportPath)) {
        values.push_back({model.outputBox, *reportPath});
    }
    if (const auto fire = OptionText(options, "fire")) {
        values.push_back({model.fireBox, *fire});
    }
    // The values of the saved report (or of File New) as Run reads them, in
    // their own S.I. units, with the options' values in their place.
    inputs = WithInputValues(ReadInputBoxes(boxes, unitTables), values);
    if (estimated) {
        // The estimate is the number the estimator types into the heat loss
        // fraction box (four decimals), and Run reads it from there.
        auto estimate = model.estimate(options, inputs);
        if (auto* stop = std::get_if<CommandStop>(&estimate)) {
            return std::move(*stop);
        }
        const InputValue estimateValue{model.lossFractionBox,
                                       NumberOfText(std::get<std::string>(estimate))};
        inputs = WithInputValues(std::move(inputs), std::span(&estimateValue, 1));
    }
    if (const auto rejected = CheckRunInputs(inputs)) {
        return Rejected(rejected->Message + "\n");
    }
    inputs.FirePlace = saved.Position;
    inputs.Plume = saved.Plume;
    if (auto stop = ReadPlumeOptions(options, model.prefix, inputs)) {
        return std::move(*stop);
    }
    return inputs;
}

} // namespace

std::variant<compartment::RunInputs, CommandStop> CompartmentInputs(const OptionTexts& options,
                                                                    const OptionNumbers& numbers) {
    using namespace compartment;
    static constexpr ModelCommand<InputBox, InputBoxes, RunInputs, UnitTables> kCompartment{
        WordingOf(ModelKind::Compartment).Prefix,
        InputTable(),
        ModelKind::Compartment,
        UnitTablesFor,
        InputBox::txtRunTitle,
        InputBox::txtOutputFile,
        InputBox::txtFireFile,
        EstimateCompartmentLossFraction,
        InputBox::txtTotalLossFraction};
    return BuildInputs<RunInputs, InputBoxes, UnitTables>(options, numbers, kCompartment);
}

std::optional<FlashoverAnswer> FlashoverAnswerOfWord(std::string_view word) {
    if (word == "stop") {
        return FlashoverAnswer::Stop;
    }
    if (word == "continue") {
        return FlashoverAnswer::Continue;
    }
    return std::nullopt;
}

std::string_view FlashoverAnswerWord(FlashoverAnswer answer) {
    return answer == FlashoverAnswer::Stop ? "stop" : "continue";
}

std::variant<OptionTexts, CommandStop> WithSavedLossFractionRule(OptionTexts options) {
    const auto from = OptionText(options, "from");
    const auto given = OptionText(options, "loss-fraction");
    if (!from || (given && *given != "estimate")) {
        return options;
    }
    const WholeFile file = ReadWholeFile(*from);
    if (file.problem) {
        return options;
    }
    auto read = compartment::SavedLossFractionEstimate(file.text);
    if (const auto* problem = std::get_if<std::string>(&read)) {
        return CommandStop{kExitFileProblem, std::string(WordingOf(ModelKind::Compartment).Prefix) +
                                                 *from + ": " + *problem + "\n"};
    }
    if (const auto& estimate = std::get<std::optional<compartment::LossFractionEstimate>>(read)) {
        options.emplace("loss-fraction", "estimate");
        options.emplace("aspect-ratio", RoundTripText(estimate->LengthToWidth));
        options.emplace("ceiling", std::string(compartment::CeilingWordOfOption(
                                       estimate->CeilingOption)));
    }
    return options;
}

std::optional<compartment::LossFractionEstimate>
LossFractionEstimateOfOptions(const OptionTexts& options, double lossFraction) {
    if (OptionText(options, "loss-fraction") != "estimate") {
        return std::nullopt;
    }
    const auto ceiling =
        compartment::CeilingOptionOfWord(OptionText(options, "ceiling").value_or("smooth"));
    return compartment::LossFractionEstimate{
        compartment::LossFractionText(lossFraction),
        NumberOfText(OptionText(options, "aspect-ratio").value_or("1")), ceiling.value_or(0)};
}

void AddLossFractionRule(const OptionTexts& options, std::vector<RunInput>& used) {
    if (OptionText(options, "loss-fraction") != "estimate") {
        return;
    }
    used.push_back({"loss_fraction_rule", std::string("estimate")});
    used.push_back(
        {"aspect_ratio", NumberOfText(OptionText(options, "aspect-ratio").value_or("1"))});
    used.push_back({"ceiling", OptionText(options, "ceiling").value_or("smooth")});
}

std::variant<smoke::RunInputs, CommandStop> SmokeInputs(const OptionTexts& options,
                                                        const OptionNumbers& numbers) {
    using namespace smoke;
    static constexpr ModelCommand<InputBox, InputBoxes, RunInputs, UnitTables> kSmoke{
        WordingOf(ModelKind::Smoke).Prefix,
        InputTable(),
        ModelKind::Smoke,
        UnitTablesFor,
        InputBox::txtRunTitle,
        InputBox::txtOutputFile,
        InputBox::txtFireFile,
        nullptr,
        InputBox::txtLossFraction};
    return BuildInputs<RunInputs, InputBoxes, UnitTables>(options, numbers, kSmoke);
}

} // namespace vorla::cli
