#include "common/files/file_digest.h"
#include "common/fire_files/fire_file_reader.h"
#include "common/text/round_trip_text.h"
#include "common/files/text_file.h"
#include "life_safety/detection/device_options.h"
#include "study/study_file.h"

#include <algorithm>
#include <cmath>
#include <filesystem>
#include <fstream>
#include <optional>
#include <toml++/toml.h>
#include <variant>

namespace vorla::study {
namespace {

// The lowest value a drawn input can take: the distribution's lower bound, or
// nothing when it has none (a normal without min). A choice takes the least of
// its values.
std::optional<double> LowestDraw(const VariedInput& input) {
    struct Lowest {
        const VariedInput& input;
        std::optional<double> operator()(const Uniform& d) const { return d.Low; }
        std::optional<double> operator()(const Triangular& d) const { return d.Low; }
        std::optional<double> operator()(const Normal& d) const {
            if (d.Lognormal) {
                return d.Min ? std::max(*d.Min, 0.0) : 0.0;
            }
            return d.Min;
        }
        std::optional<double> operator()(const Choice&) const {
            std::optional<double> least;
            for (const StudyValue& value : input.Values) {
                if (const auto* number = std::get_if<double>(&value)) {
                    least = least ? std::min(*least, *number) : *number;
                }
            }
            return least;
        }
        std::optional<double> operator()(const Beta& d) const { return d.Low; }
        std::optional<double> operator()(const Empirical& d) const {
            if (d.X.empty()) {
                return std::nullopt;
            }
            return d.X.front();
        }
    };
    return std::visit(Lowest{input}, *input.Sampled);
}

// A problem of the file, already worded; thrown inside the reader only and
// returned as a value by ParseStudy.
struct StudyFileProblem {
    std::string message;
};

class Reader {
  public:
    Reader(const std::string& path, Study& study) : path_(path), study_(study) {}

    [[noreturn]] void Fail(const toml::source_region& where, const std::string& key,
                           const std::string& message) const {
        std::string text = path_;
        if (where.begin.line > 0) {
            text += ":" + std::to_string(where.begin.line);
        }
        throw StudyFileProblem{text + ": " + key + ": " + message};
    }
    [[noreturn]] void FailMissing(const std::string& key, const std::string& message) const {
        throw StudyFileProblem{path_ + ": " + key + ": " + message};
    }

    void Read(const toml::table& root);

  private:
    void ReadModel(const toml::table& root);
    void ReadSettings(const toml::table& root);
    void ReadBase(const toml::node& node);
    void ReadDeviceEntries(const toml::node& node);
    void ReadDevices();
    void ReadVary(const toml::node& node);
    void CheckVariedDevice(const std::string& name, const toml::node& node) const;
    VariedInput ReadVaried(const std::string& name, const toml::node& node,
                           const std::string& section = "vary");
    Empirical ReadEmpirical(const toml::node& node, const std::string& key);
    void ReadRset(const toml::node& node);
    RsetPart ReadRsetPart(const std::string& name, const toml::node& node);
    void ReadCriteria(const toml::node& node);
    std::vector<double> Numbers(const toml::node& node, const std::string& key,
                                const std::string& wanted);
    std::vector<StudyValue> Entries(const toml::node& node, const std::string& key, bool text,
                                    const TextOption* words);
    void ReadFire(const std::string& written, const toml::source_region& where,
                  const std::string& key);
    void CheckFinite(const Distribution& distribution, const toml::source_region& where,
                     const std::string& key) const {
        if (!SamplesStayFinite(distribution)) {
            Fail(where, key,
                 "some samples would overflow (go beyond the largest number, about 1.8e308); "
                 "narrow the distribution.");
        }
    }
    void CheckOpens(const std::string& written, const toml::source_region& where,
                    const std::string& key);

    const std::string& path_;
    Study& study_;
    // [base]'s `device`: each device's KEYS text and the line it is on.
    std::vector<std::pair<std::string, toml::source_region>> deviceTexts_;
    const BaseOption* devicesFile_ = nullptr;
    toml::source_region devicesFileWhere_;
};

// A table's entries in the order the file writes them (toml++ keeps them sorted).
std::vector<std::pair<std::string, const toml::node*>> InFileOrder(const toml::table& table) {
    std::vector<std::pair<std::string, const toml::node*>> entries;
    for (const auto& [key, node] : table) {
        entries.emplace_back(std::string(key.str()), &node);
    }
    std::stable_sort(entries.begin(), entries.end(), [](const auto& a, const auto& b) {
        const auto& x = a.second->source().begin;
        const auto& y = b.second->source().begin;
        return x.line != y.line ? x.line < y.line : x.column < y.column;
    });
    return entries;
}

std::optional<double> NumberOf(const toml::node& node) {
    if (const auto* integer = node.as_integer()) {
        return static_cast<double>(integer->get());
    }
    if (const auto* floating = node.as_floating_point()) {
        if (std::isfinite(floating->get())) {
            return floating->get();
        }
    }
    return std::nullopt;
}

// A text with a control character (a line break, NUL, ESC): written into
// every report's header and into summary.md, it would split their lines or
// reach a terminal as a command.
bool HasControlCharacter(std::string_view text) {
    for (const char c : text) {
        if (static_cast<unsigned char>(c) < 0x20 || c == 0x7f) {
            return true;
        }
    }
    return false;
}

std::string Quoted(std::string_view text) {
    return "\"" + std::string(text) + "\"";
}

std::string JoinedNames(const std::vector<std::string>& names) {
    std::string text;
    for (const auto& name : names) {
        text += (text.empty() ? "" : ", ") + name;
    }
    return text;
}

std::string CommandName(const Study& study) {
    return "vorla " + std::string(ModelKindName(study.Model.Model));
}

const TextOption* FindTextOption(const StudyModelOptions& model, std::string_view name) {
    for (const auto& option : model.TextOptions) {
        if (option.Name == name) {
            return &option;
        }
    }
    for (const auto& option : LifeSafetyTextOptions()) {
        if (option.Name == name) {
            return &option;
        }
    }
    return nullptr;
}

bool IsLifeSafetyOption(std::string_view name) {
    const auto& numbers = LifeSafetyNumericOptions();
    if (std::find(numbers.begin(), numbers.end(), name) != numbers.end()) {
        return true;
    }
    const auto& texts = LifeSafetyTextOptions();
    return name == "device" || name.starts_with("device.") ||
           std::any_of(texts.begin(), texts.end(),
                       [&](const TextOption& option) { return option.Name == name; });
}

bool IsNumericOption(const StudyModelOptions& model, std::string_view name) {
    const auto& numbers = LifeSafetyNumericOptions();
    return std::find(model.NumericOptions.begin(), model.NumericOptions.end(), name) !=
               model.NumericOptions.end() ||
           std::find(numbers.begin(), numbers.end(), name) != numbers.end();
}

void Reader::Read(const toml::table& root) {
    for (const auto& [key, node] : InFileOrder(root)) {
        static const std::string_view known[] = {"model", "runs", "seed",     "sampling",
                                                 "base",  "vary", "criteria", "model-uncertainty",
                                                 "rset"};
        if (std::find(std::begin(known), std::end(known), key) == std::end(known)) {
            Fail(node->source(), key,
                 "unknown key; a study file has model, runs, seed, sampling, [base], [vary], "
                 "[criteria] and [model-uncertainty].");
        }
    }
    ReadModel(root);
    ReadSettings(root);
    if (const auto* base = root.get("base")) {
        ReadBase(*base);
    }
    if (const auto* vary = root.get("vary")) {
        ReadVary(*vary);
    }
    if (const auto* criteria = root.get("criteria")) {
        ReadCriteria(*criteria);
    }
    if (const auto* uncertainty = root.get("model-uncertainty")) {
        const auto* table = uncertainty->as_table();
        if (table == nullptr || !table->empty()) {
            Fail(uncertainty->source(), "model-uncertainty",
                 "must be an empty table: [model-uncertainty] on a line of its own draws the "
                 "model's error for every run.");
        }
        study_.ModelUncertainty = true;
    }
    if (const auto* rset = root.get("rset")) {
        ReadRset(*rset);
    }
    for (const auto& option : study_.Base) {
        study_.FollowsLifeSafety |= IsLifeSafetyOption(option.Name);
        study_.NamesSuppression |= option.Name == "suppression";
    }
    for (const auto& input : study_.Vary) {
        study_.FollowsLifeSafety |= IsLifeSafetyOption(input.Name);
        study_.NamesSuppression |= input.Name == "suppression";
    }
    study_.FollowsLifeSafety |= study_.Rset.has_value() || !study_.Devices.empty();
    const std::size_t points = study_.GridPoints();
    if (points > kMostGridPoints) {
        FailMissing("vary", "the study has more than " + std::to_string(kMostGridPoints) +
                                " grid points (the numbers of values of its grids multiplied); "
                                "split it into several studies.");
    }
    if (points > kMostRuns || study_.SamplesPerGridPoint > kMostRuns / points) {
        FailMissing("runs", "the study has more than " + std::to_string(kMostRuns) +
                                " runs (grid points times runs); split it into several studies.");
    }
}

void Reader::ReadModel(const toml::table& root) {
    const auto* node = root.get("model");
    if (node == nullptr) {
        FailMissing("model", "missing; write model = \"compartment\" or model = \"smoke\".");
    }
    const auto name = node->value<std::string>();
    if (name == "compartment") {
        study_.Model = CompartmentStudyOptions();
    } else if (name == "smoke") {
        study_.Model = SmokeStudyOptions();
    } else {
        Fail(node->source(), "model", "must be \"compartment\" or \"smoke\".");
    }
}

void Reader::ReadSettings(const toml::table& root) {
    if (const auto* node = root.get("runs")) {
        const auto* runs = node->as_integer();
        if (runs == nullptr || runs->get() < 1 ||
            runs->get() > static_cast<std::int64_t>(kMostRuns)) {
            Fail(node->source(), "runs",
                 "must be a whole number from 1 to " + std::to_string(kMostRuns) + ".");
        }
        study_.SamplesPerGridPoint = static_cast<std::size_t>(runs->get());
    }
    if (const auto* node = root.get("seed")) {
        const auto* seed = node->as_integer();
        if (seed == nullptr || seed->get() < 0) {
            Fail(node->source(), "seed", "must be a whole number, 0 or more.");
        }
        study_.Seed = static_cast<std::uint64_t>(seed->get());
    }
    if (const auto* node = root.get("sampling")) {
        const auto sampling = node->value<std::string>();
        if (sampling == "random") {
            study_.Sampling = SamplingMethod::Random;
        } else if (sampling == "latin-hypercube") {
            study_.Sampling = SamplingMethod::LatinHypercube;
        } else {
            Fail(node->source(), "sampling", "must be \"random\" or \"latin-hypercube\".");
        }
    }
}

void Reader::CheckOpens(const std::string& written, const toml::source_region& where,
                        const std::string& key) {
    const std::string path = study_.ResolvedPath(written);
    // A regular file of bounded size only: a FIFO would block the study here.
    const auto file = ReadWholeFile(path);
    if (file.problem) {
        Fail(where, key, "the file " + path + " cannot be opened (" + *file.problem + ").");
    }
    study_.InputDigests[written] = Sha256Hex(file.text);
}

void Reader::ReadFire(const std::string& written, const toml::source_region& where,
                      const std::string& key) {
    const std::string path = study_.ResolvedPath(written);
    if (study_.Fires.count(path) != 0) {
        if (study_.InputDigests.count(written) == 0) {
            // Another name for a file already read: the same bytes.
            for (const auto& [name, digest] : study_.InputDigests) {
                if (study_.ResolvedPath(name) == path) {
                    study_.InputDigests[written] = digest;
                    break;
                }
            }
        }
        return;
    }
    // The digest is of the very bytes the table is made from.
    const auto file = ReadWholeFile(path);
    if (file.problem) {
        Fail(where, key,
             DescribeFireFileError({FireFileError::Kind::CannotOpen, path, 0, *file.problem}));
    }
    auto table = std::make_shared<FireTable>();
    if (const auto error = ParseFireFile(file.text, path, *table)) {
        Fail(where, key, DescribeFireFileError(*error));
    }
    study_.Fires[path] = std::move(table);
    study_.InputDigests[written] = Sha256Hex(file.text);
}

void Reader::ReadBase(const toml::node& node) {
    const auto* table = node.as_table();
    if (table == nullptr) {
        Fail(node.source(), "base", "must be a table of options.");
    }
    for (const auto& [name, option] : InFileOrder(*table)) {
        const std::string key = "base." + name;
        if (name == "units") {
            const auto units = option->value<std::string>();
            if (units != "si" && units != "us") {
                Fail(option->source(), key, "must be \"si\" or \"us\".");
            }
            study_.Units = units == "us" ? UnitSystem::US : UnitSystem::SI;
            continue;
        }
        if (name == "device") {
            ReadDeviceEntries(*option);
            continue;
        }
        const auto* textOption = FindTextOption(study_.Model, name);
        // loss-fraction is a number, or the word "estimate".
        if (IsNumericOption(study_.Model, name) &&
            (textOption == nullptr || !option->is_string())) {
            const auto number = NumberOf(*option);
            if (!number) {
                Fail(option->source(), key, "must be a number.");
            }
            study_.Base.push_back({name, *number});
            continue;
        }
        if (textOption == nullptr) {
            Fail(option->source(), key, "unknown option of " + CommandName(study_) + ".");
        }
        const auto text = option->value<std::string>();
        if (!text || !option->is_string()) {
            Fail(option->source(), key, "must be a text in quotes.");
        }
        if (HasControlCharacter(*text)) {
            Fail(option->source(), key,
                 "must be one line without control characters (a line break, a tab, NUL or "
                 "ESC).");
        }
        if (!textOption->Values.empty() &&
            std::find(textOption->Values.begin(), textOption->Values.end(), *text) ==
                textOption->Values.end()) {
            std::string allowed;
            for (const auto& value : textOption->Values) {
                allowed += (allowed.empty() ? "" : " or ") + Quoted(value);
            }
            Fail(option->source(), key, "must be " + allowed + ", not " + Quoted(*text) + ".");
        }
        if (name == "fire") {
            ReadFire(*text, option->source(), key);
        } else if (textOption->IsPath) {
            CheckOpens(*text, option->source(), key);
        }
        study_.Base.push_back({name, *text, option->source().begin.line});
        if (name == "devices") {
            devicesFileWhere_ = option->source();
        }
    }
    ReadDevices();
}

// `device = ["kind=sprinkler,name=S1,...", ...]`, or a list of tables with
// the same keys (`[[base.device]]`): each becomes the KEYS text of one
// --device, read once the study's units are known.
void Reader::ReadDeviceEntries(const toml::node& node) {
    const std::string key = "base.device";
    const auto* array = node.as_array();
    if (array == nullptr || array->empty()) {
        Fail(node.source(), key,
             "needs a list of devices, each a text of key=value pairs (\"kind=sprinkler,"
             "name=S1,radius=2,below-ceiling=0.05,rti=50,temperature=68\") or a table "
             "([[base.device]]) with the same keys.");
    }
    for (const auto& element : *array) {
        std::string text;
        if (const auto* written = element.as_string()) {
            text = written->get();
        } else if (const auto* table = element.as_table()) {
            for (const auto& [field, value] : InFileOrder(*table)) {
                std::string cell;
                if (const auto number = NumberOf(*value)) {
                    cell = RoundTripText(*number);
                } else if (const auto* word = value->as_string()) {
                    cell = word->get();
                } else {
                    Fail(value->source(), key + "." + field, "must be a number or a text.");
                }
                if (cell.find_first_of(",=") != std::string::npos) {
                    Fail(value->source(), key + "." + field,
                         "a device's value cannot hold a comma or an equals sign.");
                }
                text += (text.empty() ? "" : ",") + field + "=" + cell;
            }
        } else {
            Fail(element.source(), key, "each device is a text of key=value pairs or a table.");
        }
        if (HasControlCharacter(text)) {
            Fail(element.source(), key, "must be one line without control characters.");
        }
        deviceTexts_.emplace_back(text, element.source());
    }
}

// The devices as `vorla compartment|smoke --device ... --devices FILE` reads
// them, in the study's units, each refused with the batch command's sentence.
void Reader::ReadDevices() {
    std::string joined;
    for (const auto& [text, where] : deviceTexts_) {
        const int position = static_cast<int>(study_.Devices.size()) + 1;
        auto device = detection::ParseDeviceOption(text, study_.Units, position);
        if (const auto* problem = std::get_if<std::string>(&device)) {
            Fail(where, "base.device", *problem);
        }
        study_.Devices.push_back(std::get<detection::Device>(std::move(device)));
        joined += (joined.empty() ? "" : "\n") + text;
    }
    if (!deviceTexts_.empty()) {
        // One option a line, as the batch command keeps a repeated --device.
        study_.Base.push_back({"device", joined, deviceTexts_.front().second.begin.line});
    }
    for (const auto& option : study_.Base) {
        if (option.Name != "devices") {
            continue;
        }
        auto devices = detection::ReadDevicesFile(
            study_.ResolvedPath(std::get<std::string>(option.Value)), study_.Units);
        if (const auto* problem = std::get_if<std::string>(&devices)) {
            Fail(devicesFileWhere_, "base.devices", *problem);
        }
        for (auto& device : std::get<std::vector<detection::Device>>(devices)) {
            study_.Devices.push_back(std::move(device));
        }
    }
    if (const auto problem = detection::CheckDevices(study_.Devices, study_.Units)) {
        FailMissing("base.device",
                    problem->Device + ": " + problem->Field + ": " + problem->Message);
    }
}

std::vector<double> Reader::Numbers(const toml::node& node, const std::string& key,
                                    const std::string& wanted) {
    const auto* array = node.as_array();
    if (array == nullptr) {
        Fail(node.source(), key, "needs " + wanted + ".");
    }
    std::vector<double> numbers;
    for (const auto& element : *array) {
        const auto number = NumberOf(element);
        if (!number) {
            Fail(element.source(), key, "needs " + wanted + ".");
        }
        numbers.push_back(*number);
    }
    return numbers;
}

std::string AllowedWords(const TextOption& option) {
    std::string allowed;
    for (const auto& value : option.Values) {
        allowed += (allowed.empty() ? "" : " or ") + Quoted(value);
    }
    return allowed;
}

// A text option that takes one of a few words (fire-position, plume) may be
// varied by values or choice among them.
bool IsWordOption(const TextOption* option) {
    return option != nullptr && !option->Values.empty() && !option->IsPath;
}

std::vector<StudyValue> Reader::Entries(const toml::node& node, const std::string& key, bool text,
                                        const TextOption* words) {
    if (IsWordOption(words)) {
        const std::string wanted = "a list of texts, each " + AllowedWords(*words);
        const auto* array = node.as_array();
        if (array == nullptr || array->empty()) {
            Fail(node.source(), key, "needs " + wanted + ".");
        }
        std::vector<StudyValue> values;
        for (const auto& element : *array) {
            const auto* word = element.as_string();
            if (word == nullptr || std::find(words->Values.begin(), words->Values.end(),
                                             word->get()) == words->Values.end()) {
                Fail(element.source(), key, "needs " + wanted + ".");
            }
            values.emplace_back(word->get());
        }
        return values;
    }
    const std::string wanted = text ? "a list of fire file names" : "a list of numbers";
    const auto* array = node.as_array();
    if (array == nullptr || array->empty()) {
        Fail(node.source(), key, "needs " + wanted + ".");
    }
    std::vector<StudyValue> values;
    for (const auto& element : *array) {
        if (text) {
            const auto* name = element.as_string();
            if (name == nullptr) {
                Fail(element.source(), key, "needs " + wanted + ".");
            }
            if (HasControlCharacter(name->get())) {
                Fail(element.source(), key,
                     "a fire file name must be one line without control characters.");
            }
            ReadFire(name->get(), element.source(), key);
            values.emplace_back(name->get());
        } else {
            const auto number = NumberOf(element);
            if (!number) {
                Fail(element.source(), key, "needs " + wanted + ".");
            }
            values.emplace_back(*number);
        }
    }
    return values;
}

void Reader::ReadVary(const toml::node& node) {
    const auto* table = node.as_table();
    if (table == nullptr) {
        Fail(node.source(), "vary", "must be a table of inputs.");
    }
    for (const auto& [name, entry] : InFileOrder(*table)) {
        if (name == "device" || name.starts_with("device.")) {
            CheckVariedDevice(name, *entry);
            study_.Vary.push_back(ReadVaried(name, *entry));
            continue;
        }
        if (name != "fire" && !IsNumericOption(study_.Model, name) &&
            !IsWordOption(FindTextOption(study_.Model, name))) {
            std::vector<std::string> words;
            for (const auto& option : study_.Model.TextOptions) {
                if (IsWordOption(&option) && !IsNumericOption(study_.Model, option.Name)) {
                    words.push_back(option.Name);
                }
            }
            Fail(entry->source(), "vary." + name,
                 "not an input a study can vary; " + CommandName(study_) + " varies " +
                     JoinedNames(study_.Model.NumericOptions) + " and fire, and by values or " +
                     "choice " + JoinedNames(words) + ".");
        }
        study_.Vary.push_back(ReadVaried(name, *entry));
    }
}

// "device.NAME.FIELD": NAME one of [base]'s devices, FIELD one of its kind's.
void Reader::CheckVariedDevice(const std::string& name, const toml::node& node) const {
    const std::string key = "vary." + name;
    const auto dot = name.rfind('.');
    if (name == "device" || dot <= std::string_view("device").size()) {
        Fail(node.source(), key,
             "a device's field is varied as \"device.NAME.FIELD\" = { ... }, the key in "
             "quotes, FIELD one of rti, temperature, rise, radius, below-ceiling and c.");
    }
    const std::string device = name.substr(7, dot - 7);
    const std::string field = name.substr(dot + 1);
    const auto found = std::find_if(study_.Devices.begin(), study_.Devices.end(),
                                    [&](const detection::Device& d) { return d.Name == device; });
    if (found == study_.Devices.end()) {
        std::vector<std::string> names;
        for (const auto& d : study_.Devices) {
            names.push_back(Quoted(d.Name));
        }
        Fail(node.source(), key,
             "the study has no device " + Quoted(device) +
                 (names.empty() ? std::string("; [base] gives none.")
                                : "; its devices are " + JoinedNames(names) + "."));
    }
    if (std::find(std::begin(kVariedDeviceFields), std::end(kVariedDeviceFields), field) ==
        std::end(kVariedDeviceFields)) {
        Fail(node.source(), key,
             Quoted(field) + " is not a field a study varies; a device varies by rti, "
                             "temperature, rise, radius, below-ceiling and c.");
    }
    using detection::DeviceKind;
    const bool smoke = found->Kind == DeviceKind::SmokeDetector;
    const std::string kind = found->Kind == DeviceKind::Sprinkler ? "a sprinkler"
                             : smoke                              ? "a smoke detector"
                                                                  : "a heat detector";
    if (field == "temperature" && smoke) {
        Fail(node.source(), key,
             Quoted(device) + " is " + kind +
                 ", which has no operating temperature; vary its rise instead.");
    }
    if (field == "rise" && !smoke) {
        Fail(node.source(), key,
             Quoted(device) + " is " + kind +
                 "; only a smoke detector has a rise; vary its temperature instead.");
    }
    if (field == "rise" && found->Obscuration) {
        Fail(node.source(), key,
             Quoted(device) + " operates at an obscuration threshold, not a rise.");
    }
    if (field == "rti" && smoke && !(found->Rti > 0)) {
        Fail(node.source(), key,
             Quoted(device) + " is " + kind +
                 " without an rti (it reads the gas itself); give it one in [base] to vary it.");
    }
}

// [rset]: `rset = 300`, a table with one distribution of [vary], or a table of
// pre-movement and movement (each a number or a distribution) and `from`.
void Reader::ReadRset(const toml::node& node) {
    RsetModel model;
    if (const auto number = NumberOf(node)) {
        if (!(*number >= 0)) {
            Fail(node.source(), "rset", "must be 0 s or more.");
        }
        model.Total = RsetPart{*number, std::nullopt};
        study_.Rset = model;
        return;
    }
    const auto* table = node.as_table();
    if (table == nullptr) {
        Fail(node.source(), "rset",
             "must be a number of seconds, or a table: a distribution such as { uniform = "
             "[240, 360] }, or pre-movement, movement and from.");
    }
    const bool parts =
        table->contains("pre-movement") || table->contains("movement") || table->contains("from");
    if (!parts) {
        model.Total = ReadRsetPart("rset", node);
        study_.Rset = model;
        return;
    }
    for (const auto& [field, value] : InFileOrder(*table)) {
        if (field != "pre-movement" && field != "movement" && field != "from") {
            Fail(value->source(), "rset." + field,
                 "unknown key; [rset] is one distribution, or pre-movement, movement and from.");
        }
    }
    for (const char* field : {"pre-movement", "movement"}) {
        const auto* part = table->get(field);
        if (part == nullptr) {
            FailMissing(std::string("rset.") + field,
                        "missing; give pre-movement and movement (s), each a number or a "
                        "distribution.");
        }
        (std::string_view(field) == "movement" ? model.Movement : model.PreMovement) =
            ReadRsetPart(std::string("rset.") + field, *part);
    }
    if (const auto* from = table->get("from")) {
        const auto word = from->value<std::string>();
        if (word != "detection" && word != "ignition") {
            Fail(from->source(), "rset.from", "must be \"detection\" or \"ignition\".");
        }
        model.FromDetection = word == "detection";
        if (model.FromDetection && study_.Devices.empty()) {
            Fail(from->source(), "rset.from",
                 "\"detection\" needs a detector or sprinkler: give one in [base] (device or "
                 "devices).");
        }
    }
    study_.Rset = model;
}

RsetPart Reader::ReadRsetPart(const std::string& name, const toml::node& node) {
    if (const auto number = NumberOf(node)) {
        if (!(*number >= 0)) {
            Fail(node.source(), name, "must be 0 s or more.");
        }
        return {*number, std::nullopt};
    }
    // The distributions of [vary], read by the same code.
    VariedInput drawn = ReadVaried(name, node, "");
    if (drawn.IsGrid()) {
        Fail(node.source(), name,
             "is drawn for every run: give a distribution or a choice, not a grid of values.");
    }
    // An egress time is 0 s or more, as a fixed one must be: a distribution
    // that can draw less is refused rather than cut, which would pile the cut
    // share up at 0 s and change the distribution the user wrote.
    const auto lowest = LowestDraw(drawn);
    if (!lowest) {
        Fail(node.source(), name,
             "can draw times below 0 s (a normal has no lower bound): an egress time is 0 s or "
             "more; give min = 0 or more, a truncated-normal or a lognormal.");
    }
    if (*lowest < 0) {
        Fail(node.source(), name,
             "can draw " + RoundTripText(*lowest) +
                 " s: an egress time is 0 s or more; give a distribution that cannot draw below "
                 "0 s.");
    }
    return {0, std::move(drawn)};
}

VariedInput Reader::ReadVaried(const std::string& name, const toml::node& node,
                               const std::string& section) {
    const std::string key = section.empty() ? name : section + "." + name;
    const auto* table = node.as_table();
    if (table == nullptr) {
        Fail(node.source(), key, "must be a table such as { uniform = [0.5, 0.9] }.");
    }
    static const std::string_view kinds[] = {"uniform",          "triangular", "normal",
                                             "lognormal",        "values",     "choice",
                                             "truncated-normal", "beta",       "empirical"};
    std::string kind;
    for (const auto& [field, value] : InFileOrder(*table)) {
        const bool isKind = std::find(std::begin(kinds), std::end(kinds), field) != std::end(kinds);
        if (!isKind && field != "min" && field != "max" && field != "weights") {
            Fail(value->source(), key + "." + field,
                 "unknown key; an input varies by uniform, triangular, normal, lognormal, "
                 "truncated-normal, beta, empirical, values or choice (with min, max or "
                 "weights).");
        }
        if (isKind && !kind.empty()) {
            Fail(value->source(), key, "has both " + kind + " and " + field + "; give one.");
        }
        if (isKind) {
            kind = field;
        }
    }
    if (kind.empty()) {
        Fail(node.source(), key,
             "needs one of uniform, triangular, normal, lognormal, truncated-normal, beta, "
             "empirical, values or choice.");
    }

    VariedInput input;
    input.Name = name;
    const TextOption* words =
        IsNumericOption(study_.Model, name) ? nullptr : FindTextOption(study_.Model, name);
    if (!IsWordOption(words)) {
        words = nullptr;
    }
    input.IsText = name == "fire" || words != nullptr;
    const auto& parameters = *table->get(kind);
    const std::string kindKey = key + "." + kind;
    const bool truncatable = kind == "normal" || kind == "lognormal";
    for (const char* field : {"min", "max"}) {
        if (table->contains(field) && kind == "truncated-normal") {
            Fail(table->get(field)->source(), key + "." + field,
                 "a truncated-normal gives its bounds in its list [mean, sd, low, high].");
        }
        if (table->contains(field) && !truncatable) {
            Fail(table->get(field)->source(), key + "." + field,
                 "only a normal or lognormal distribution is truncated.");
        }
    }
    if (table->contains("weights") && kind != "choice") {
        Fail(table->get("weights")->source(), key + ".weights", "only a choice has weights.");
    }
    if (words != nullptr && kind != "values" && kind != "choice") {
        Fail(parameters.source(), kindKey,
             "varied by values or choice, a list of " + AllowedWords(*words) + ".");
    }
    if (input.IsText && kind != "values" && kind != "choice") {
        Fail(parameters.source(), kindKey,
             "a fire is varied by values or choice, a list of fire files.");
    }

    if (kind == "values") {
        input.Values = Entries(parameters, kindKey, input.IsText, words);
        return input;
    }
    if (kind == "choice") {
        input.Values = Entries(parameters, kindKey, input.IsText, words);
        Choice choice;
        if (const auto* weights = table->get("weights")) {
            const std::string wanted = "one weight per choice, each 0 or more, not all 0";
            choice.Weights = Numbers(*weights, key + ".weights", wanted);
            double total = 0;
            for (const double weight : choice.Weights) {
                if (weight < 0) {
                    Fail(weights->source(), key + ".weights", "needs " + wanted + ".");
                }
                total += weight;
            }
            if (choice.Weights.size() != input.Values.size() || !(total > 0)) {
                Fail(weights->source(), key + ".weights", "needs " + wanted + ".");
            }
            if (!std::isfinite(total)) {
                Fail(weights->source(), key + ".weights",
                     "the weights add up to more than the largest number (about 1.8e308); "
                     "scale them down.");
            }
        } else {
            choice.Weights.assign(input.Values.size(), 1.0);
        }
        input.Sampled = choice;
        return input;
    }
    if (kind == "uniform") {
        const auto p = Numbers(parameters, kindKey, "two numbers [low, high], low below high");
        if (p.size() != 2 || !(p[0] < p[1])) {
            Fail(parameters.source(), kindKey, "needs two numbers [low, high], low below high.");
        }
        input.Sampled = Uniform{p[0], p[1]};
        CheckFinite(*input.Sampled, parameters.source(), kindKey);
        return input;
    }
    if (kind == "triangular") {
        const std::string wanted =
            "three numbers [min, mode, max], min <= mode <= max, min below max";
        const auto p = Numbers(parameters, kindKey, wanted);
        if (p.size() != 3 || !(p[0] <= p[1] && p[1] <= p[2] && p[0] < p[2])) {
            Fail(parameters.source(), kindKey, "needs " + wanted + ".");
        }
        input.Sampled = Triangular{p[0], p[1], p[2]};
        CheckFinite(*input.Sampled, parameters.source(), kindKey);
        return input;
    }
    if (kind == "truncated-normal") {
        const std::string wanted =
            "four numbers [mean, sd, low, high], sd above 0 and low below high";
        const auto p = Numbers(parameters, kindKey, wanted);
        if (p.size() != 4) {
            Fail(parameters.source(), kindKey, "needs " + wanted + ".");
        }
        if (!(p[1] > 0)) {
            Fail(parameters.source(), kindKey,
                 "the sd (second number) must be above 0, not " + RoundTripText(p[1]) + ".");
        }
        if (!(p[2] < p[3])) {
            Fail(parameters.source(), kindKey,
                 "low (third number) must be below high (fourth number).");
        }
        Normal normal{false, p[0], p[1], p[2], p[3], true};
        if (const double kept = KeptProbability(normal); !(kept >= 1e-9)) {
            Fail(parameters.source(), kindKey,
                 "low and high keep almost none of the distribution (probability " +
                     RoundTripText(kept) + "); move them or the distribution.");
        }
        input.Sampled = normal;
        CheckFinite(*input.Sampled, parameters.source(), kindKey);
        return input;
    }
    if (kind == "beta") {
        const std::string wanted = "four numbers [alpha, beta, low, high]";
        const auto p = Numbers(parameters, kindKey, wanted);
        if (p.size() != 4) {
            Fail(parameters.source(), kindKey, "needs " + wanted + ".");
        }
        for (int k = 0; k < 2; ++k) {
            if (!(p[k] > 0)) {
                Fail(parameters.source(), kindKey,
                     std::string(k == 0 ? "alpha (first number)" : "beta (second number)") +
                         " must be above 0, not " + RoundTripText(p[k]) + ".");
            }
        }
        if (!(p[2] < p[3])) {
            Fail(parameters.source(), kindKey,
                 "low (third number) must be below high (fourth number).");
        }
        input.Sampled = Beta{p[0], p[1], p[2], p[3]};
        CheckFinite(*input.Sampled, parameters.source(), kindKey);
        return input;
    }
    if (kind == "empirical") {
        input.Sampled = ReadEmpirical(parameters, kindKey);
        CheckFinite(*input.Sampled, parameters.source(), kindKey);
        return input;
    }

    const bool lognormal = kind == "lognormal";
    const std::string wanted = lognormal ? "two numbers [mu, sigma] of ln(value), sigma above 0"
                                         : "two numbers [mean, sd], sd above 0";
    const auto p = Numbers(parameters, kindKey, wanted);
    if (p.size() != 2 || !(p[1] > 0)) {
        Fail(parameters.source(), kindKey, "needs " + wanted + ".");
    }
    Normal normal{lognormal, p[0], p[1], std::nullopt, std::nullopt, false};
    for (const char* field : {"min", "max"}) {
        if (const auto* bound = table->get(field)) {
            const auto number = NumberOf(*bound);
            if (!number) {
                Fail(bound->source(), key + "." + field, "must be a number.");
            }
            if (lognormal && *number < 0) {
                Fail(bound->source(), key + "." + field,
                     "a lognormal value is above 0, so its bounds are not negative.");
            }
            (std::string_view(field) == "min" ? normal.Min : normal.Max) = *number;
        }
    }
    if (normal.Min && normal.Max && !(*normal.Min < *normal.Max)) {
        Fail(node.source(), key, "min must be below max.");
    }
    if (const double kept = KeptProbability(normal); !(kept >= 1e-9)) {
        Fail(node.source(), key,
             "min and max keep almost none of the distribution (probability " +
                 RoundTripText(kept) + "); move them or the distribution.");
    }
    input.Sampled = normal;
    CheckFinite(*input.Sampled, parameters.source(), kindKey);
    return input;
}

// empirical = { values = [...] } or empirical = { cdf = [[x, F], ...] }.
Empirical Reader::ReadEmpirical(const toml::node& node, const std::string& key) {
    const std::string shapes =
        "a table { values = [v1, v2, ...] } or { cdf = [[x1, 0], ..., [xn, 1]] }";
    const auto* table = node.as_table();
    if (table == nullptr || table->size() != 1 ||
        !(table->contains("values") || table->contains("cdf"))) {
        Fail(node.source(), key, "needs " + shapes + ".");
    }
    Empirical empirical;
    if (const auto* values = table->get("values")) {
        const std::string valuesKey = key + ".values";
        empirical.FromValues = true;
        empirical.X = Numbers(*values, valuesKey, "a list of at least 2 numbers");
        if (empirical.X.size() < 2) {
            Fail(values->source(), valuesKey,
                 "needs at least 2 numbers (one value is a constant: give it in [base]).");
        }
        empirical.ValuesAsWritten = empirical.X;
        std::sort(empirical.X.begin(), empirical.X.end());
        return empirical;
    }
    const auto& cdf = *table->get("cdf");
    const std::string cdfKey = key + ".cdf";
    const std::string wanted = "a list of points [x, F], such as [[0.5, 0], [0.7, 0.4], [0.9, 1]]";
    const auto* points = cdf.as_array();
    if (points == nullptr) {
        Fail(cdf.source(), cdfKey, "needs " + wanted + ".");
    }
    for (const auto& point : *points) {
        const auto pair = Numbers(point, cdfKey, wanted);
        if (pair.size() != 2) {
            Fail(point.source(), cdfKey, "needs " + wanted + ".");
        }
        const std::string at =
            "the point [" + RoundTripText(pair[0]) + ", " + RoundTripText(pair[1]) + "]";
        if (!(pair[1] >= 0 && pair[1] <= 1)) {
            Fail(point.source(), cdfKey, at + ": F is a probability, from 0 to 1.");
        }
        if (!empirical.X.empty() && !(pair[0] > empirical.X.back())) {
            Fail(point.source(), cdfKey, at + ": x must rise from point to point.");
        }
        if (!empirical.F.empty() && pair[1] < empirical.F.back()) {
            Fail(point.source(), cdfKey,
                 at + ": F must never fall (it is the probability of a value up to x).");
        }
        empirical.X.push_back(pair[0]);
        empirical.F.push_back(pair[1]);
    }
    if (empirical.X.size() < 2) {
        Fail(cdf.source(), cdfKey,
             "needs at least 2 points, the first with F = 0 and the last "
             "with F = 1.");
    }
    if (empirical.F.front() != 0) {
        Fail(cdf.source(), cdfKey,
             "F must start at 0 (the first point is the lowest value), not " +
                 RoundTripText(empirical.F.front()) + ".");
    }
    if (empirical.F.back() != 1) {
        Fail(cdf.source(), cdfKey,
             "F must end at 1 (the last point is the highest value), not " +
                 RoundTripText(empirical.F.back()) + ".");
    }
    return empirical;
}

// The lowest ceiling the study's runs can have, as the file writes it: its
// room-height, or the lowest of a grid of them. Nothing when the runs' room
// heights are sampled or come from a `from` report.
std::optional<double> LowestWrittenCeiling(const Study& study) {
    for (const auto& input : study.Vary) {
        if (input.Name == "room-height") {
            if (!input.IsGrid()) {
                return std::nullopt;
            }
            std::optional<double> lowest;
            for (const auto& value : input.Values) {
                if (const auto* height = std::get_if<double>(&value)) {
                    lowest = lowest ? std::min(*lowest, *height) : *height;
                }
            }
            return lowest;
        }
    }
    for (const auto& option : study.Base) {
        if (const auto* height = std::get_if<double>(&option.Value);
            height && option.Name == "room-height") {
            return *height;
        }
    }
    return std::nullopt;
}

void Reader::ReadCriteria(const toml::node& node) {
    const auto* table = node.as_table();
    if (table == nullptr) {
        Fail(node.source(), "criteria", "must be a table of criteria.");
    }
    for (const auto& [name, entry] : InFileOrder(*table)) {
        const std::string key = "criteria." + name;
        const bool heights = name == "interface-height";
        if (!heights && name != "layer-temperature") {
            Fail(entry->source(), key,
                 "unknown key; the criteria are interface-height and layer-temperature.");
        }
        const auto values = Numbers(*entry, key, "a list of numbers");
        if (values.size() > kMostCriteria) {
            Fail(entry->source(), key,
                 "at most " + std::to_string(kMostCriteria) +
                     " values; each adds a column, statistics and a plot.");
        }
        const auto checked = heights ? CheckCriteriaHeights(values, study_.Units, name)
                                     : CheckCriteriaTemperatures(values, study_.Units, name);
        if (const auto* problem = std::get_if<std::string>(&checked)) {
            Fail(entry->source(), key, *problem);
        }
        if (const auto ceiling = LowestWrittenCeiling(study_); heights && ceiling) {
            if (const auto outside =
                    WrittenHeightAboveTheCeiling(values, *ceiling, study_.Units, name)) {
                Fail(entry->source(), key, *outside);
            }
        }
        const auto& si = std::get<std::vector<double>>(checked);
        (heights ? study_.CriteriaHeightsAsWritten : study_.CriteriaTemperaturesAsWritten) = values;
        (heights ? study_.Criteria.InterfaceHeightsM : study_.Criteria.LayerTemperaturesC) = si;
    }
}

} // namespace

std::size_t Study::GridPoints() const {
    std::size_t points = 1;
    for (const auto& input : Vary) {
        if (input.IsGrid()) {
            // Saturate rather than wrap: the reader refuses studies this large.
            points = input.Values.size() > kMostRuns / points ? kMostRuns + 1
                                                              : points * input.Values.size();
        }
    }
    return points;
}

std::string Study::ResolvedPath(const std::string& path) const {
    const std::filesystem::path written(path);
    if (written.is_absolute()) {
        return path;
    }
    return (std::filesystem::path(FilePath).parent_path() / written).string();
}

std::variant<Study, std::string> ParseStudy(std::string_view text, const std::string& path) {
    if (HasControlCharacter(std::filesystem::path(path).filename().string())) {
        return path + ": the study file's name holds a line break or another control character, "
                      "which would split the summary's heading; rename the file.";
    }
    Study study;
    study.FilePath = path;
    study.FileDigest = Sha256Hex(text);
    study.CriteriaHeightsAsWritten = study.Criteria.InterfaceHeightsM;
    study.CriteriaTemperaturesAsWritten = study.Criteria.LayerTemperaturesC;
    try {
        const toml::table root = toml::parse(text, path);
        Reader reader(path, study);
        reader.Read(root);
    } catch (const toml::parse_error& error) {
        return path + ":" + std::to_string(error.source().begin.line) + ": " +
               std::string(error.description()) + ".";
    } catch (const StudyFileProblem& problem) {
        return problem.message;
    }
    return study;
}

std::variant<Study, std::string> ReadStudyFile(const std::string& path) {
    // A regular file of reasonable size only: /dev/zero or a FIFO named by
    // mistake must not block the command or fill memory.
    const auto file = ReadWholeFile(path);
    if (file.problem) {
        return path + ": the study file cannot be opened (" + *file.problem + ").";
    }
    return ParseStudy(file.text, path);
}

} // namespace vorla::study
