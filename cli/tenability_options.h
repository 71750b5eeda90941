// The tenability options of `vorla compartment` and `vorla smoke`: the fuel's
// yields, the head height, the kind of exit sign and the criteria, each given by
// name, described once in a table (the option, its key in the summary, its
// unit). Lengths follow --units (m or ft), the temperature criterion too (°C
// or °F); yields are kg/kg and the heat of combustion kJ/kg in either system.
#pragma once

#include "cli/model_inputs.h"
#include "cli/option_parser.h"
#include "common/key_results/key_results.h"
#include "common/key_results/key_results_files.h"
#include "life_safety/run/life_safety_run.h"
#include "life_safety/tenability/fire_file_heat.h"
#include "life_safety/tenability/tenability_run.h"
#include "life_safety/tenability/tenability_texts.h"

#include <memory>
#include <span>
#include <string_view>
#include <variant>
#include <vector>

namespace vorla::cli {

struct TenabilityOptions {
    tenability::TenabilityInputs Inputs; // S.I.; the defaults for what was not given
    bool Given = false; // at least one tenability option was given, or a --from report's line
    tenability::Fuel FuelKind = tenability::kDefaultFuel; // --fuel, or the default
    // "--from: PATH: Line N: " when the inputs are a --from report's, to name
    // its line in a refusal; empty when they are the options'.
    std::string ReadFrom;
    // --heat-of-combustion was given (or a --from report's line, which always
    // names it); otherwise the run takes the fire file's, where it has one.
    bool HeatOfCombustionGiven = false;
    tenability::HeatSource HeatSource = tenability::HeatSource::Default;
};

// A command's own options followed by the tenability options.
std::vector<OptionSpec> WithTenabilityOptions(std::span<const OptionSpec> options);

// The options read (not yet checked against the room), or the stop that names
// the option whose value is not a number or not a known word. Without any
// tenability option, a --from report's tenability line is followed (a damaged
// one refused, naming it).
std::variant<TenabilityOptions, CommandStop> ReadTenabilityOptions(const OptionTexts& options,
                                                                   std::string_view prefix);

// The stop for inputs that cannot be used in a room `ceilingHeight` m high,
// naming the option; nothing when they can.
std::optional<CommandStop> CheckTenabilityOptions(const TenabilityOptions& options,
                                                  double ceilingHeight, std::string_view prefix);

// Without --heat-of-combustion, the heat of combustion of the run's fire file
// (`fireFile` as the inputs name it, found as the model finds it for a --from
// report at `reportPath`) replaces the fuel's, and HeatSource says which was
// used. Nothing when the file gives one, or tenability was not asked for;
// otherwise the note saying why the fuel's is used (to print before the run).
// A file that cannot be read changes nothing: the model's run says why.
std::optional<std::string> TakeFireFileHeat(TenabilityOptions& options, const std::string& fireFile,
                                            const std::string& reportPath);

// The same with the fire file already read (`heat`: what it gives, nothing
// when it cannot be read), as a study reads each fire file once.
std::optional<std::string> TakeFireFileHeat(TenabilityOptions& options,
                                            const std::optional<tenability::FireFileHeat>& heat,
                                            const std::string& fireFile);

// What a saved report carries of the options (-o): the inputs when a
// tenability option was given (or a --from report's line), nothing otherwise.
std::optional<tenability::TenabilityTexts> SavedTenabilityOf(const TenabilityOptions& options);

// The observer that follows a run's tenability in a room of `floorArea` m² and
// `ceilingHeight` m, or the stop for given options that cannot be used there.
// Without any tenability option the defaults are followed where they fit the
// room (a room lower than the default head height has no tenability block),
// so that no run that ran before is refused.
std::variant<std::unique_ptr<tenability::TenabilityRun>, CommandStop>
FollowTenability(const TenabilityOptions& options, double floorArea, double ceilingHeight,
                 std::string_view prefix);

// The inputs as the run used them, for the summary's "inputs" (S.I., the
// visibility limit as it applies to a room of `floorArea` m²), the heat of
// combustion followed by "heat_of_combustion_source": "input", "fire file" or
// "default".
std::vector<RunInput> TenabilitySummaryInputs(const tenability::TenabilityInputs& inputs,
                                              double floorArea, tenability::HeatSource source);

// The key results' tenability block of a finished observer
// (life_safety/run/life_safety_run.h).
using life_safety::TenabilityKeysOf;

// The result rows' CSV with the four tenability columns added to each line
// (life_safety/run/life_safety_run.h).
using life_safety::WithTenabilityColumns;

// The lines of --help that describe the options.
extern const std::string_view kTenabilityHelp;

} // namespace vorla::cli
