#include "cli/model_inputs.h"

#include "cli/command_output.h"
#include "cli/model_command.h"
#include "cli/vorla_command.h"
#include "common/number_text.h"
#include "compartment/model/input_checks.h"
#include "compartment/model/input_entry.h"
#include "compartment/model/saved_report_reader.h"
#include "smoke_filling/model/input_checks.h"
#include "smoke_filling/model/input_entry.h"
#include "smoke_filling/model/saved_report_reader.h"

#include <optional>
#include <span>
#include <string_view>
#include <vector>

namespace vorla::cli {
namespace {

// An option that carries a number, and the box it is typed into.
template <class InputBox> struct NumberBox {
    std::string_view option; // without dashes
    InputBox box;
};

// What differs between the two model commands. The steps themselves are the
// same: the models' input forms have the same shape, so one template drives
// both (the model's functions are found by their argument types).
template <class InputBox> struct ModelCommand {
    std::string_view prefix; // "vorla compartment: "
    std::span<const NumberBox<InputBox>> numbers;
    // The message of a saved report that cannot be opened already names the
    // file; `vorla smoke` says it once, `vorla compartment` names it before too.
    bool namesFileBeforeOpenProblem;
};

constexpr NumberBox<compartment::InputBox> kCompartmentNumbers[] = {
    {"floor-area", compartment::InputBox::txtFloorArea},
    {"room-height", compartment::InputBox::txtRoomHeight},
    {"vent-width", compartment::InputBox::txtVentWidth},
    {"sill-height", compartment::InputBox::txtSillHeight},
    {"soffit-height", compartment::InputBox::txtSoffitHeight},
    {"fire-height", compartment::InputBox::txtFireHeight},
    {"radiative-fraction", compartment::InputBox::txtRadiativeLossFraction},
    {"loss-fraction", compartment::InputBox::txtTotalLossFraction},
    {"run-time", compartment::InputBox::txtRunTime},
};

constexpr NumberBox<smoke::InputBox> kSmokeNumbers[] = {
    {"floor-area", smoke::InputBox::txtFloorArea},
    {"room-height", smoke::InputBox::txtRoomHeight},
    {"fire-height", smoke::InputBox::txtFireHeight},
    {"loss-fraction", smoke::InputBox::txtLossFraction},
    {"run-time", smoke::InputBox::txtRunTime},
};

bool IsFilePath(const std::optional<std::string>& path) {
    return path && !path->empty() && *path != "-";
}

CommandStop Rejected(std::string message) {
    return {kExitInputRejected, std::move(message)};
}

// The texts of the report's header: a line break would shift every line of the
// saved report after it, and File Open would then read the wrong values back.
constexpr std::string_view kHeaderTexts[] = {"title", "output-name", "fire", "o"};

template <class RunInputs, class InputBoxes, class UnitTables, class InputBox>
std::variant<RunInputs, CommandStop> BuildInputs(const OptionTexts& options,
                                                 const ModelCommand<InputBox>& model) {
    if (const auto refusal = MultiLineRefusal(options, kHeaderTexts)) {
        return Rejected(std::string(model.prefix) + *refusal + "\n");
    }
    const auto units = UnitsOption(OptionText(options, "units"));
    if (const auto* problem = std::get_if<std::string>(&units)) {
        return Rejected(*problem);
    }
    for (const auto& number : model.numbers) {
        if (const auto text = OptionText(options, number.option);
            text && !ParseWholeNumber(*text)) {
            return Rejected(std::string(model.prefix) + "The value of --" +
                            std::string(number.option) + " is not a number: \"" + *text + "\".\n");
        }
    }

    InputBoxes boxes;
    UnitTables unitTables;
    RunInputs inputs;
    NewInputs(boxes, unitTables, inputs);
    if (const auto from = OptionText(options, "from")) {
        if (const auto problem = ReadSavedReport(*from, boxes, unitTables, inputs)) {
            const bool namesFile =
                model.namesFileBeforeOpenProblem || problem->kind == FileProblem::Kind::WrongFormat;
            return CommandStop{kExitFileProblem, std::string(model.prefix) +
                                                     (namesFile ? *from + ": " : "") +
                                                     DescribeFileProblem(*problem) + "\n"};
        }
    }
    // The values of the saved report (or of File New) as Run reads them in their
    // own S.I. units: --units concerns only the values the options type, so the
    // others keep these, not the texts the unit change shows them as.
    const RunInputs kept = ReadInputBoxes(boxes, unitTables);
    const UnitSystem system = std::get<UnitSystem>(units);
    if (system != unitTables.System) {
        ChangeUnits(system, kept, unitTables, boxes);
    }

    // Each option is typed into its box, as a user would type it.
    if (const auto title = OptionText(options, "title")) {
        boxes.txtRunTitle = *title;
    }
    const auto reportPath = OptionText(options, "o");
    if (const auto name = OptionText(options, "output-name")) {
        boxes.txtOutputFile = *name;
    } else if (IsFilePath(reportPath)) {
        boxes.txtOutputFile = *reportPath;
    }
    if (const auto fire = OptionText(options, "fire")) {
        boxes.txtFireFile = *fire;
    }
    std::vector<InputBox> typed;
    for (const auto& number : model.numbers) {
        if (const auto text = OptionText(options, number.option)) {
            boxes.Text(number.box) = *text;
            typed.push_back(number.box);
        }
    }

    inputs = ReadTypedInputBoxes(boxes, unitTables, typed, kept);
    if (const auto rejected = CheckRunInputs(inputs)) {
        return Rejected(rejected->Message + "\n");
    }
    return inputs;
}

} // namespace

std::variant<compartment::RunInputs, CommandStop> CompartmentInputs(const OptionTexts& options) {
    using namespace compartment;
    static constexpr ModelCommand<InputBox> kCompartment{"vorla compartment: ", kCompartmentNumbers,
                                                         true};
    return BuildInputs<RunInputs, InputBoxes, UnitTables>(options, kCompartment);
}

std::variant<smoke::RunInputs, CommandStop> SmokeInputs(const OptionTexts& options) {
    using namespace smoke;
    static constexpr ModelCommand<InputBox> kSmoke{"vorla smoke: ", kSmokeNumbers, false};
    return BuildInputs<RunInputs, InputBoxes, UnitTables>(options, kSmoke);
}

} // namespace vorla::cli
