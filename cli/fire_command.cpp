#include "cli/fire_command.h"

#include "cli/command_files.h"
#include "cli/command_output.h"
#include "cli/fire_command_help.h"
#include "cli/fire_custom_entry.h"
#include "cli/fire_points_file.h"
#include "cli/option_parser.h"
#include "cli/vorla_command.h"
#include "fire_generator/curves/fire_file_writer.h"
#include "fire_generator/curves/curve_command.h"
#include "fire_generator/curves/fire_file_save.h"
#include "fire_generator/curves/furniture_fire.h"
#include "fire_generator/curves/pool_fire.h"
#include "fire_generator/curves/semi_universal_fire.h"
#include "fire_generator/curves/tsquared_fire.h"

#include <array>
#include <memory>
#include <ostream>
#include <span>
#include <string_view>
#include <vector>

namespace vorla::cli {
namespace {

using namespace vorla::generator;

using Names = std::span<const std::string_view>;

struct FireKind {
    std::string_view name;
    CurveKind kind;
    Names numberOptions; // read as the form's boxes are
    Names wordOptions;
};

constexpr std::string_view kTSquaredNumbers[] = {"--alpha", "--t-max", "--t-end"};
constexpr std::string_view kUniversalNumbers[] = {"--t-end"};
constexpr std::string_view kPoolNumbers[] = {"--mass-loss-rate", "--k-beta", "--diameter",
                                             "--t-end"};
constexpr std::string_view kFurnitureNumbers[] = {"--mass"};
constexpr std::string_view kFurnitureWords[] = {"--fabric", "--padding", "--style",
                                                "--frame-combustibility", "--frame-material"};
constexpr std::string_view kCustomWords[] = {"--points"};

constexpr FireKind kFireKinds[] = {
    {"tsquared", CurveKind::TSquared, kTSquaredNumbers, {}},
    {"universal", CurveKind::SemiUniversal, kUniversalNumbers, {}},
    {"pool", CurveKind::Pool, kPoolNumbers, {}},
    {"furniture", CurveKind::Furniture, kFurnitureNumbers, kFurnitureWords},
    {"custom", CurveKind::Custom, {}, kCustomWords},
};

constexpr std::string_view kCommonNumberOptions[] = {"--heat-of-combustion", "--delay"};
constexpr std::string_view kCommonWordOptions[] = {"--units", "--description", "--date", "-o"};

// The furniture options, each naming its frame's options in index order.
struct FurnitureChoice {
    std::string_view option;
    FurnitureFactor factor;
    Names words;
    std::string_view choices; // for the message
};

constexpr std::string_view kFabrics[] = {"thermoplastic", "cellulosic", "pvc"};
constexpr std::string_view kPaddings[] = {"foam", "cotton"};
constexpr std::string_view kStyles[] = {"ornate", "high", "low", "plain"};
constexpr std::string_view kFrameCombustibilities[] = {"non-combustible", "melting", "wood",
                                                       "charring"};
constexpr std::string_view kFrameMaterials[] = {"metal", "wood"};

constexpr FurnitureChoice kFurnitureChoices[] = {
    {"--fabric", FurnitureFactor::Fabric, kFabrics, "thermoplastic, cellulosic or pvc"},
    {"--padding", FurnitureFactor::Padding, kPaddings, "foam or cotton"},
    {"--style", FurnitureFactor::Style, kStyles, "ornate, high, low or plain"},
    {"--frame-combustibility", FurnitureFactor::FrameCombustibility, kFrameCombustibilities,
     "non-combustible, melting, wood or charring"},
    {"--frame-material", FurnitureFactor::FrameMaterial, kFrameMaterials, "metal or wood"},
};

// The text of an option as the form's box would hold it: empty when not given.
std::string BoxText(const ParsedOptions& options, std::string_view name) {
    return options.Value(name).value_or("");
}

// The selected option of each furniture frame, or nothing after saying which
// word is not known.
std::optional<std::array<int, kFurnitureFactorCount>>
ReadFurnitureChoices(const ParsedOptions& options, std::ostream& err) {
    std::array<int, kFurnitureFactorCount> selected{};
    for (const auto& choice : kFurnitureChoices) {
        const auto word = options.Value(choice.option);
        if (!word) {
            continue;
        }
        int index = -1;
        for (std::size_t i = 0; i < choice.words.size(); ++i) {
            if (choice.words[i] == *word) {
                index = static_cast<int>(i);
            }
        }
        if (index < 0) {
            err << "vorla fire furniture: " << choice.option << " must be " << choice.choices
                << ", not \"" << *word << "\".\n";
            return std::nullopt;
        }
        selected[static_cast<int>(choice.factor)] = index;
    }
    return selected;
}

int Reject(const RejectedInput& error, std::ostream& err) {
    err << error.Message << "\n";
    return kExitInputRejected;
}

// Builds the curve of `kind` into the state as its form's OK would. Returns the
// exit status when it fails, after saying why.
std::optional<int> BuildCurve(const FireKind& kind, DesignFireState& module,
                              const ParsedOptions& options,
                              const std::array<int, kFurnitureFactorCount>& furniture,
                              std::ostream& err) {
    const auto text = [&](std::string_view name) { return BoxText(options, name); };
    std::optional<RejectedInput> error;
    switch (kind.kind) {
    case CurveKind::TSquared: {
        const std::string alpha = text("--alpha"), tMax = text("--t-max"), tEnd = text("--t-end");
        error = BuildTSquaredFire(module, {alpha, tMax, tEnd});
        break;
    }
    case CurveKind::SemiUniversal: {
        const std::string tEnd = text("--t-end");
        error = BuildSemiUniversalFire(module, {tEnd});
        break;
    }
    case CurveKind::Pool: {
        const std::string rate = text("--mass-loss-rate"), kBeta = text("--k-beta"),
                          diameter = text("--diameter"), tEnd = text("--t-end");
        error = BuildPoolFire(module, {rate, kBeta, diameter, tEnd});
        break;
    }
    case CurveKind::Furniture: {
        const std::string mass = text("--mass");
        error = BuildFurnitureFire(module, {mass, furniture});
        break;
    }
    case CurveKind::Custom: {
        const std::string path = text("--points");
        auto points = ReadFirePointsFile(path);
        if (const auto* problem = std::get_if<std::string>(&points)) {
            err << "vorla: " << *problem << "\n";
            return kExitFileProblem;
        }
        if (auto failure =
                EnterCustomPoints(module, std::get<std::vector<FirePointText>>(points))) {
            Reject(failure->error, err);
            if (failure->Line > 0) {
                err << "(line " << failure->Line << " of " << path << ")\n";
            }
            return kExitInputRejected;
        }
        break;
    }
    }
    if (error) {
        return Reject(*error, err);
    }
    return std::nullopt;
}

} // namespace

int RunFireCommand(std::span<const std::string> args, std::ostream& out, std::ostream& err) {
    if (args.empty()) {
        err << FireUsage();
        return kExitInputRejected;
    }
    if (args[0] == "--help" || args[0] == "-h" || args[0] == "help") {
        out << FireUsage();
        return kExitSuccess;
    }
    if (args[0] == "--version") {
        PrintVersion(out);
        return kExitSuccess;
    }
    const FireKind* kind = nullptr;
    for (const auto& candidate : kFireKinds) {
        if (candidate.name == args[0]) {
            kind = &candidate;
        }
    }
    if (kind == nullptr) {
        err << "vorla fire: unknown kind of fire \"" << args[0] << "\". Try 'vorla fire --help'.\n";
        return kExitInputRejected;
    }
    const std::string prefix = "vorla fire " + std::string(kind->name) + ": ";

    std::vector<OptionSpec> known{{"--help", false}, {"-h", false}, {"--version", false}};
    for (const Names names : {kind->numberOptions, kind->wordOptions, Names(kCommonNumberOptions),
                              Names(kCommonWordOptions)}) {
        for (const auto name : names) {
            known.push_back({name});
        }
    }
    const auto parsed = ParseOptions(args.subspan(1), known);
    if (const auto* problem = std::get_if<std::string>(&parsed)) {
        err << prefix << *problem << "\n";
        return kExitInputRejected;
    }
    const auto& options = std::get<ParsedOptions>(parsed);
    if (options.Has("--help") || options.Has("-h")) {
        out << FireKindUsage(kind->name);
        return kExitSuccess;
    }
    if (options.Has("--version")) {
        PrintVersion(out);
        return kExitSuccess;
    }
    if (!options.Positional().empty()) {
        err << prefix << "unexpected argument \"" << options.Positional().front() << "\".\n";
        return kExitInputRejected;
    }
    // Each is one line of the fire file: the name line, the date, the description.
    constexpr std::string_view kLineTexts[] = {"o", "date", "description"};
    if (const auto refusal = MultiLineRefusal(TextsByName(options), kLineTexts)) {
        err << prefix << *refusal << "\n";
        return kExitInputRejected;
    }
    CommandFiles files;
    files.Read("--points", "the points file", options.Value("--points"));
    files.Write("-o", "the fire file", options.Value("-o"));
    if (const auto refusal = RefuseCommandFiles(files, prefix)) {
        err << *refusal;
        return kExitInputRejected;
    }
    const auto unitsOption = UnitsOption(options.Value("--units"));
    if (const auto* problem = std::get_if<std::string>(&unitsOption)) {
        err << *problem;
        return kExitInputRejected;
    }
    const auto units = std::get<UnitSystem>(unitsOption);
    for (const Names names : {kind->numberOptions, Names(kCommonNumberOptions)}) {
        for (const auto name : names) {
            if (const auto number = ReadNumberOption(options, name); number.error) {
                err << prefix << *number.error << "\n";
                return kExitInputRejected;
            }
        }
    }
    std::array<int, kFurnitureFactorCount> furniture{};
    if (kind->kind == CurveKind::Furniture) {
        const auto choices = ReadFurnitureChoices(options, err);
        if (!choices) {
            return kExitInputRejected;
        }
        furniture = *choices;
    }
    if (kind->kind == CurveKind::Custom && !options.Has("--points")) {
        err << prefix << "--points FILE is required.\n";
        return kExitInputRejected;
    }

    // The main form as it stands after choosing the units: the heat of
    // combustion box shows 12000 kJ/kg in the chosen unit unless one is typed.
    auto module = std::make_unique<DesignFireState>();
    const auto unitTexts = ChooseUnits(*module, units);
    const std::string heatOfCombustion =
        options.Value("--heat-of-combustion").value_or(unitTexts.HeatOfCombustion);
    const std::string delay = options.Value("--delay").value_or("0");
    const std::string description = BoxText(options, "--description");
    const std::string path = BoxText(options, "-o");
    const auto outcome = CheckCurveCommand(*module, {description, path, heatOfCombustion, delay},
                                           {.KeepEmptyDescription = true, .DelayTimeIsZero = true});
    if (const auto* error = std::get_if<RejectedInput>(&outcome)) {
        return Reject(*error, err);
    }

    if (const auto failed = BuildCurve(*kind, *module, options, furniture, err)) {
        return *failed;
    }

    if (const auto tooWide = CheckFireFileColumns(*module)) {
        return Reject(*tooWide, err);
    }
    const std::string date = options.Value("--date").value_or(TodayShortDate());
    const auto content = FireFileContent(*module, path == "-" ? "" : path, date);
    if (const auto* refusal = std::get_if<RejectedInput>(&content)) {
        return Reject(*refusal, err);
    }
    return WriteCommandOutput(path, std::get<std::string>(content), out, err);
}

} // namespace vorla::cli
