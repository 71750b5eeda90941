#include "zone_models/ui/explore_band.h"

#include "common/text/round_trip_text.h"
#include "common/inputs/typed_number.h"
#include "common/text/units.h"
#include "life_safety/detection/suppression_options.h"
#include "life_safety/tenability/tenability_texts.h"
#include "study/statistics.h"

#include <algorithm>
#include <cmath>

namespace vorla::ui {
namespace {

const char* KindWord(SpreadKind kind) {
    switch (kind) {
    case SpreadKind::Uniform:
        return "uniform";
    case SpreadKind::Triangular:
        return "triangular";
    case SpreadKind::Normal:
        return "normal";
    case SpreadKind::Lognormal:
        return "lognormal";
    }
    return "uniform";
}

std::size_t ParameterCount(SpreadKind kind) {
    return kind == SpreadKind::Triangular ? 3 : 2;
}

// A typed number as the study file writes it, or nothing when the text is
// not wholly one number (so that no text can reach the file's syntax).
std::optional<std::string> WrittenNumber(const std::string& text) {
    if (!IsTypedNumber(text)) {
        return std::nullopt;
    }
    try {
        std::size_t used = 0;
        const double value = std::stod(text, &used);
        if (!std::isfinite(value)) {
            return std::nullopt;
        }
        return RoundTripText(value);
    } catch (const std::exception&) {
        return std::nullopt;
    }
}

// The message of the study reader without its "file:line: " start, which
// names the tiny study the check was made on, not anything the user has.
std::string WithoutPlace(const std::string& message, const std::string& key) {
    const auto at = message.find(key);
    return at == std::string::npos ? message : message.substr(at);
}

const std::vector<double>* ValuesOf(const GraphResults& graph, std::size_t k) {
    return k < graph.Quantities.size() ? &graph.Quantities[k].Values : nullptr;
}

} // namespace

std::string TomlText(const std::string& text) {
    std::string quoted = "\"";
    for (const char c : text) {
        if (c == '"' || c == '\\') {
            quoted += '\\';
        }
        if (c == '\t') {
            quoted += "\\t";
            continue;
        }
        quoted += c;
    }
    return quoted + "\"";
}

double WrittenValueOfKept(double si, double toSI) {
    const double nearest = si / toSI;
    // Four steps either way cover the two roundings of a division and a product.
    constexpr int kSteps = 4;
    double down = nearest;
    double up = nearest;
    for (int step = 0; step <= kSteps; ++step) {
        if (down * toSI == si) {
            return down;
        }
        if (up * toSI == si) {
            return up;
        }
        down = std::nextafter(down, -HUGE_VAL);
        up = std::nextafter(up, HUGE_VAL);
    }
    return nearest;
}

namespace {

// The inline table of `texts` ("{ uniform = [1, 2] }"), each number as the
// study file writes it, or the sentence saying what is wrong (not yet checked
// by the study file's reader).
std::variant<std::string, std::vector<std::string>> InlineSpread(const SpreadTexts& texts) {
    using Problem = std::vector<std::string>; // one sentence
    const std::size_t wanted = ParameterCount(texts.Kind);
    if (texts.Parameters.size() != wanted) {
        return Problem{std::string("The distribution needs ") + (wanted == 3 ? "three" : "two") +
                       " numbers."};
    }
    static const char* const kUniformNames[] = {"Low", "High"};
    static const char* const kTriangularNames[] = {"Minimum", "Mode", "Maximum"};
    static const char* const kNormalNames[] = {"Mean", "Standard deviation"};
    static const char* const kLognormalNames[] = {"Mu of ln(value)", "Sigma of ln(value)"};
    const char* const* names = texts.Kind == SpreadKind::Uniform      ? kUniformNames
                               : texts.Kind == SpreadKind::Triangular ? kTriangularNames
                               : texts.Kind == SpreadKind::Normal     ? kNormalNames
                                                                      : kLognormalNames;
    std::string written = std::string("{ ") + KindWord(texts.Kind) + " = [";
    for (std::size_t p = 0; p < wanted; ++p) {
        const auto number = WrittenNumber(texts.Parameters[p]);
        if (!number) {
            return Problem{std::string(names[p]) + " must be a number, not \"" +
                           texts.Parameters[p] + "\"."};
        }
        written += (p == 0 ? "" : ", ") + *number;
    }
    written += "]";
    const bool bounded = texts.Kind == SpreadKind::Normal || texts.Kind == SpreadKind::Lognormal;
    for (const auto& [field, text] : {std::pair{"min", texts.Min}, std::pair{"max", texts.Max}}) {
        if (text.find_first_not_of(" \t") == std::string::npos) {
            continue;
        }
        if (!bounded) {
            return Problem{std::string("Only a normal or lognormal distribution takes a ") + field +
                           "."};
        }
        const auto number = WrittenNumber(text);
        if (!number) {
            return Problem{std::string(field == std::string("min") ? "Min" : "Max") +
                           " must be a number or empty, not \"" + text + "\"."};
        }
        written += std::string(", ") + field + " = " + *number;
    }
    return written + " }";
}

} // namespace

std::variant<UncertainInput, std::string> ReadSpread(const std::string& modelName,
                                                     const std::string& option, std::size_t input,
                                                     const SpreadTexts& texts) {
    const auto inline_ = InlineSpread(texts);
    if (const auto* problem = std::get_if<std::vector<std::string>>(&inline_)) {
        return problem->front();
    }
    const std::string& written = std::get<std::string>(inline_);
    const std::string studyText =
        "model = " + TomlText(modelName) + "\n[vary]\n" + option + " = " + written + "\n";
    auto read = study::ParseStudy(studyText, "explore.toml");
    if (const auto* problem = std::get_if<std::string>(&read)) {
        return WithoutPlace(*problem, "vary." + option);
    }
    const auto& parsed = std::get<study::Study>(read);
    if (parsed.Vary.size() != 1 || !parsed.Vary[0].Sampled) {
        return "The distribution cannot be read.";
    }
    return UncertainInput{input, *parsed.Vary[0].Sampled, written};
}

std::variant<BandRset, std::string> ReadRset(const std::string& modelName,
                                             const std::optional<SpreadTexts>& texts,
                                             const std::string& fixed, bool fromDetection) {
    std::string written;
    if (texts) {
        const auto inline_ = InlineSpread(*texts);
        if (const auto* problem = std::get_if<std::vector<std::string>>(&inline_)) {
            return problem->front();
        }
        written = std::get<std::string>(inline_);
    } else {
        const auto number = WrittenNumber(fixed);
        if (!number) {
            return "The RSET must be a number of seconds, not \"" + fixed + "\".";
        }
        written = *number;
    }
    const std::string studyText =
        "model = " + TomlText(modelName) + "\nrset = " + written + "\n[vary]\n";
    auto read = study::ParseStudy(studyText, "explore.toml");
    if (const auto* problem = std::get_if<std::string>(&read)) {
        return WithoutPlace(*problem, "rset");
    }
    if (!std::get<study::Study>(read).Rset) {
        return "The RSET cannot be read.";
    }
    return BandRset{written, fromDetection};
}

std::string RsetStudyValue(const BandRset& rset) {
    if (!rset.FromDetection) {
        return rset.Written;
    }
    return "{ pre-movement = " + rset.Written + ", movement = 0, from = \"detection\" }";
}

SpreadTexts TextsOfSpread(const study::Distribution& spread) {
    SpreadTexts texts;
    if (const auto* uniform = std::get_if<study::Uniform>(&spread)) {
        texts.Kind = SpreadKind::Uniform;
        texts.Parameters = {RoundTripText(uniform->Low), RoundTripText(uniform->High)};
    } else if (const auto* triangular = std::get_if<study::Triangular>(&spread)) {
        texts.Kind = SpreadKind::Triangular;
        texts.Parameters = {RoundTripText(triangular->Low), RoundTripText(triangular->Mode),
                            RoundTripText(triangular->High)};
    } else if (const auto* normal = std::get_if<study::Normal>(&spread)) {
        texts.Kind = normal->Lognormal ? SpreadKind::Lognormal : SpreadKind::Normal;
        texts.Parameters = {RoundTripText(normal->Mean), RoundTripText(normal->Sd)};
        texts.Min = normal->Min ? RoundTripText(*normal->Min) : "";
        texts.Max = normal->Max ? RoundTripText(*normal->Max) : "";
    }
    return texts;
}

std::string BandStudyHead(const std::string& modelName, const BandSettings& settings,
                          const std::vector<ExploreInput>& inputs,
                          const std::vector<UncertainInput>& uncertain) {
    std::string text = "model = " + TomlText(modelName) + "\n";
    text += "runs = " + std::to_string(settings.Runs) + "\n";
    text += "seed = " + std::to_string(settings.Seed) + "\n";
    text += "sampling = \"latin-hypercube\"\n";
    if (settings.Rset) {
        text += "rset = " + RsetStudyValue(*settings.Rset) + "\n";
    }
    text += "\n[vary]\n";
    for (const auto& input : uncertain) {
        if (input.Input < inputs.size()) {
            text += inputs[input.Input].StudyOption + " = " + input.Written + "\n";
        }
    }
    if (settings.ModelUncertainty) {
        text += "\n[model-uncertainty]\n";
    }
    return text;
}

std::string StudyFileText(const std::string& modelName, const BandSettings& settings,
                          const std::vector<ExploreInput>& inputs,
                          const std::vector<UncertainInput>& uncertain,
                          const std::vector<std::pair<std::string, std::string>>& base,
                          const std::vector<double>& criteriaHeights,
                          const std::vector<double>& criteriaTemperatures) {
    std::string text = "# Written by Explore's Save as Study: `vorla study` on this file runs the\n"
                       "# band the window drew, sample for sample.\n";
    std::string head = BandStudyHead(modelName, settings, inputs, uncertain);
    const auto vary = head.find("\n[vary]\n");
    text += head.substr(0, vary + 1);
    text += "\n[base]\n";
    for (const auto& [name, value] : base) {
        text += name + " = " + value + "\n";
    }
    // [model-uncertainty], when the head has it, goes last, after [criteria].
    const std::string kDrawsError = "\n[model-uncertainty]\n";
    const auto error = head.find(kDrawsError);
    text += head.substr(vary + 1, error == std::string::npos ? std::string::npos : error - vary - 1);
    const auto list = [](const std::vector<double>& values) {
        std::string written = "[";
        for (std::size_t i = 0; i < values.size(); ++i) {
            written += (i == 0 ? "" : ", ") + RoundTripText(values[i]);
        }
        return written + "]";
    };
    text += "\n[criteria]\n";
    text += "interface-height = " + list(criteriaHeights) + "\n";
    text += "layer-temperature = " + list(criteriaTemperatures) + "\n";
    if (error != std::string::npos) {
        text += kDrawsError;
    }
    return text;
}

std::variant<study::Study, std::string> BandStudy(const std::string& modelName,
                                                  const BandSettings& settings,
                                                  const std::vector<ExploreInput>& inputs,
                                                  const std::vector<UncertainInput>& uncertain) {
    // The head has no [base], so no devices, and the reader refuses an RSET
    // counted from a detection no device can make: the RSET is read as a
    // total and then counted from detection here. A total and a pre-movement
    // take the same draw of a run (study::DrawRset), so the band's RSETs are
    // those of `vorla study` on the saved file, which has the devices.
    BandSettings read = settings;
    if (read.Rset) {
        read.Rset->FromDetection = false;
    }
    auto parsed =
        study::ParseStudy(BandStudyHead(modelName, read, inputs, uncertain), "explore.toml");
    auto* study = std::get_if<study::Study>(&parsed);
    if (study != nullptr && settings.Rset && settings.Rset->FromDetection && study->Rset &&
        study->Rset->Total) {
        study::RsetModel fromDetection;
        fromDetection.PreMovement = *study->Rset->Total;
        fromDetection.FromDetection = true;
        study->Rset = fromDetection;
    }
    return parsed;
}

std::optional<double> CurveValueAt(const std::vector<double>& minutes,
                                   const std::vector<double>& values, double minute) {
    const std::size_t rows = std::min(minutes.size(), values.size());
    if (rows == 0 || minute < minutes[0] || minute > minutes[rows - 1]) {
        return std::nullopt;
    }
    const auto end = minutes.begin() + static_cast<std::ptrdiff_t>(rows);
    const auto after = std::lower_bound(minutes.begin(), end, minute);
    const auto i = static_cast<std::size_t>(after - minutes.begin());
    if (minutes[i] == minute || i == 0) {
        return values[i];
    }
    const double t0 = minutes[i - 1];
    const double t1 = minutes[i];
    return values[i - 1] + (values[i] - values[i - 1]) * (minute - t0) / (t1 - t0);
}

void ApplyModelErrorToGraph(GraphResults& graph, const ModelErrorFactors& factors,
                            double roomHeightM, UnitSystem units) {
    if (graph.Quantities.size() < 2) {
        return;
    }
    auto& temperature = graph.Quantities[0].Values;
    auto& interface = graph.Quantities[1].Values;
    const bool us = units == UnitSystem::US;
    std::vector<RunRow> rows(std::min(temperature.size(), interface.size()));
    for (std::size_t i = 0; i < rows.size(); ++i) {
        rows[i].LayerTemperatureC = us ? (temperature[i] - 32) * 5 / 9 : temperature[i];
        rows[i].InterfaceHeightM = us ? interface[i] * kMetresPerFoot : interface[i];
    }
    ApplyModelError(rows, factors, roomHeightM);
    for (std::size_t i = 0; i < rows.size(); ++i) {
        temperature[i] = us ? rows[i].LayerTemperatureC * 9 / 5 + 32 : rows[i].LayerTemperatureC;
        interface[i] = us ? rows[i].InterfaceHeightM / kMetresPerFoot : rows[i].InterfaceHeightM;
    }
}

std::variant<std::optional<ModelErrorFactors>, std::string>
DrawnModelErrorOf(const ExploreDraw& draw, const UncertaintyRule& rule) {
    if (!draw.ModelErrorNormals) {
        return std::optional<ModelErrorFactors>();
    }
    const auto statistics = FindUncertaintyStatistics(rule);
    if (const auto* problem = std::get_if<std::string>(&statistics)) {
        return "model-uncertainty: " + *problem;
    }
    return std::optional<ModelErrorFactors>(
        DrawnModelError(std::get<UncertaintyStatistics>(statistics),
                        draw.ModelErrorNormals->first, draw.ModelErrorNormals->second));
}

void BandStatistics::Add(std::size_t run, ExploreRun result, std::optional<double> rset) {
    ++runsIn_;
    if (!result.Message.empty() || result.Graph.Minutes.empty()) {
        // Refused or unusable: as the study, the statistics are of the ok runs.
        if (!result.Message.empty() && (firstRefusal_.empty() || run < firstRefusalRun_)) {
            firstRefusal_ = result.Message;
            firstRefusalRun_ = run;
        }
        return;
    }
    hasRset_ = hasRset_ || rset.has_value();
    if (result.Keys && result.Keys->Model == ModelKind::Compartment) {
        hasFlashover_ = true; // the compartment's runs can reach it
    }
    ok_.push_back(
        {run, std::move(result.Graph), result.FlashoverSeconds, std::move(result.Keys), rset});
}

std::size_t BandStatistics::QuantityCount() const {
    return ok_.empty() ? 0 : ok_.front().Graph.Quantities.size();
}

BandCurve BandStatistics::Curve(std::size_t k) const {
    BandCurve curve;
    const OkRun* longest = nullptr;
    for (const auto& run : ok_) {
        if (longest == nullptr || run.Graph.Minutes.size() > longest->Graph.Minutes.size()) {
            longest = &run;
        }
    }
    if (longest == nullptr || ValuesOf(longest->Graph, k) == nullptr) {
        return curve;
    }
    std::vector<double> sample;
    sample.reserve(ok_.size());
    for (const double minute : longest->Graph.Minutes) {
        sample.clear();
        for (const auto& run : ok_) {
            if (const auto* values = ValuesOf(run.Graph, k)) {
                if (const auto value = CurveValueAt(run.Graph.Minutes, *values, minute)) {
                    sample.push_back(*value);
                }
            }
        }
        if (sample.empty()) {
            continue;
        }
        std::sort(sample.begin(), sample.end());
        curve.Minutes.push_back(minute);
        curve.P5.push_back(study::Quantile(sample, 0.05));
        curve.P50.push_back(study::Quantile(sample, 0.5));
        curve.P95.push_back(study::Quantile(sample, 0.95));
    }
    return curve;
}

std::vector<BandShare> BandStatistics::Shares() const {
    std::vector<BandShare> shares;
    if (hasFlashover_) {
        BandShare flashover{"Flashover", 0};
        for (const auto& run : ok_) {
            // The key results' time, as the study counts it.
            flashover.Reached +=
                (run.Keys ? run.Keys->FlashoverTimeS : run.FlashoverSeconds) ? 1 : 0;
        }
        shares.push_back(flashover);
    }
    const OkRun* first = nullptr;
    for (const auto& run : ok_) {
        if (run.Keys) {
            first = &run;
            break;
        }
    }
    if (first == nullptr) {
        return shares;
    }
    const auto& keys = *first->Keys;
    for (std::size_t c = 0; c < keys.InterfaceReachesS.size(); ++c) {
        BandShare share{"Interface at " + RoundTripText(keys.InterfaceReachesS[c].Criterion) + " m",
                        0};
        for (const auto& run : ok_) {
            if (run.Keys && c < run.Keys->InterfaceReachesS.size() &&
                run.Keys->InterfaceReachesS[c].TimeS) {
                ++share.Reached;
            }
        }
        shares.push_back(share);
    }
    for (std::size_t c = 0; c < keys.LayerTemperatureReachesS.size(); ++c) {
        BandShare share{
            "Layer at " + RoundTripText(keys.LayerTemperatureReachesS[c].Criterion) + " °C", 0};
        for (const auto& run : ok_) {
            if (run.Keys && c < run.Keys->LayerTemperatureReachesS.size() &&
                run.Keys->LayerTemperatureReachesS[c].TimeS) {
                ++share.Reached;
            }
        }
        shares.push_back(share);
    }
    return shares;
}

std::vector<double> BandStatistics::PeakLayerTemperaturesC() const {
    std::vector<const OkRun*> ordered;
    for (const auto& run : ok_) {
        if (run.Keys) {
            ordered.push_back(&run);
        }
    }
    std::sort(ordered.begin(), ordered.end(),
              [](const OkRun* a, const OkRun* b) { return a->Run < b->Run; });
    std::vector<double> peaks;
    for (const auto* run : ordered) {
        peaks.push_back(run->Keys->PeakLayerTemperatureC);
    }
    return peaks;
}

std::size_t BandStatistics::TenabilityRuns() const {
    std::size_t count = 0;
    for (const auto& run : ok_) {
        count += run.Keys && run.Keys->Tenability ? 1 : 0;
    }
    return count;
}

std::vector<TenabilityShare> BandStatistics::TenabilityShares() const {
    // The Tenability block's words for each criterion.
    static const std::pair<const char*, const char*> kWords[] = {
        {"visibility", "visibility"},     {"fed_toxic", "toxic dose (FED)"},
        {"fed_heat", "heat dose (FED)"},  {"radiant_flux", "radiant heat flux"},
        {"layer_height", "layer height"}, {"temperature", "gas temperature"},
    };
    std::vector<TenabilityShare> shares;
    for (const auto& run : ok_) {
        if (!run.Keys || !run.Keys->Tenability) {
            continue;
        }
        const auto& reached = run.Keys->Tenability->ReachedS;
        if (shares.empty()) {
            for (const auto& criterion : reached) {
                std::string words = criterion.Criterion;
                for (const auto& [key, text] : kWords) {
                    words = criterion.Criterion == key ? text : words;
                }
                shares.push_back({criterion.Criterion, words, 0});
            }
        }
        for (std::size_t c = 0; c < shares.size() && c < reached.size(); ++c) {
            shares[c].Failed += reached[c].TimeS ? 1 : 0;
        }
    }
    return shares;
}

std::vector<double> BandStatistics::AsetSeconds() const {
    std::vector<std::pair<std::size_t, double>> asets;
    for (const auto& run : ok_) {
        if (run.Keys && run.Keys->Tenability && run.Keys->Tenability->AsetS) {
            asets.emplace_back(run.Run, *run.Keys->Tenability->AsetS);
        }
    }
    std::sort(asets.begin(), asets.end());
    std::vector<double> seconds;
    for (const auto& [run, aset] : asets) {
        seconds.push_back(aset);
    }
    return seconds;
}

std::optional<tenability::AsetRisk> BandStatistics::Risk() const {
    if (!hasRset_) {
        return std::nullopt;
    }
    std::vector<tenability::EgressRun> runs;
    std::size_t withoutRset = 0;
    for (const auto& run : ok_) {
        if (!run.Rset) {
            ++withoutRset;
            continue;
        }
        const auto* followed = run.Keys && run.Keys->Tenability ? &*run.Keys->Tenability : nullptr;
        runs.push_back({followed ? followed->AsetS : std::nullopt,
                        run.Keys ? run.Keys->EndTimeS : 0, *run.Rset});
    }
    tenability::AsetRisk risk = tenability::EstimateAsetRisk(runs);
    risk.Undecided += withoutRset;
    return risk;
}

namespace {

// The number to write for `si` when the reader turns a written value w into
// `toSI(w)`: the one within a few units in the last place of `guess` that
// gives `si` exactly, or `guess` when none does.
template <class ToSI>
double WrittenFor(double si, double guess, ToSI toSI) {
    constexpr int kSteps = 8;
    double down = guess;
    double up = guess;
    for (int step = 0; step <= kSteps; ++step) {
        if (toSI(down) == si) {
            return down;
        }
        if (toSI(up) == si) {
            return up;
        }
        down = std::nextafter(down, -HUGE_VAL);
        up = std::nextafter(up, HUGE_VAL);
    }
    return guess;
}

} // namespace

void AddTenabilityStudyBase(const tenability::TenabilityTexts& tenability, UnitSystem units,
                            std::vector<std::pair<std::string, std::string>>& base) {
    if (!tenability.Given) {
        return;
    }
    // The options Run's saved report writes, in S.I. units: "--fuel red-oak
    // --heat-of-combustion 12400 ... --sign reflecting ...".
    const std::string text =
        tenability::TenabilityOptionsText(tenability.FuelKind, tenability.Inputs);
    std::vector<std::string> words;
    for (std::size_t at = 0; at < text.size();) {
        const std::size_t end = std::min(text.find(' ', at), text.size());
        if (end > at) {
            words.push_back(text.substr(at, end - at));
        }
        at = end + 1;
    }
    const bool us = units == UnitSystem::US;
    for (std::size_t k = 0; k + 1 < words.size(); k += 2) {
        const std::string option = words[k].substr(2);
        const std::string& value = words[k + 1];
        const tenability::NumberOption* number = nullptr;
        for (const auto& candidate : tenability::NumberOptions()) {
            number = candidate.Option == option ? &candidate : number;
        }
        if (number == nullptr) {
            base.emplace_back(option, TomlText(value)); // fuel, sign: words
            continue;
        }
        if (option == "heat-of-combustion" && !tenability.HeatOfCombustionGiven) {
            // Not given: the runs take the fire file's, as the study's do
            // when the file names none.
            continue;
        }
        const auto si = NumberOfRoundTripText(value);
        if (!si) {
            continue; // never: the options text writes every number round-trip
        }
        double written = *si;
        if (us && number->Kind == tenability::Typed::Length) {
            written = WrittenFor(written, written / kMetresPerFoot,
                                 [](double w) { return w * kMetresPerFoot; });
        } else if (us && number->Kind == tenability::Typed::Temperature) {
            written = WrittenFor(written, written * 9 / 5 + 32,
                                 [](double w) { return (w - 32) * 5 / 9; });
        }
        base.emplace_back(option, RoundTripText(written));
    }
}

void AddDevicesStudyBase(const std::vector<detection::Device>& devices,
                         const detection::Suppression& suppression, UnitSystem units,
                         std::vector<std::pair<std::string, std::string>>& base) {
    if (devices.empty()) {
        return;
    }
    using detection::DeviceKind;
    const bool us = units == UnitSystem::US;
    // As the --device reader turns a written number into S.I. units.
    const auto length = [us](double si) {
        return RoundTripText(
            us ? WrittenFor(si, si / kMetresPerFoot, [](double w) { return w * kMetresPerFoot; })
               : si);
    };
    const auto temperature = [us](double kelvin) {
        const double guess =
            us ? (kelvin - kKelvinAtZeroCelsius) * 1.8 + 32 : kelvin - kKelvinAtZeroCelsius;
        return RoundTripText(WrittenFor(kelvin, guess, [us](double w) {
            return (us ? (w - 32) / 1.8 : w) + kKelvinAtZeroCelsius;
        }));
    };
    const auto rise = [us](double kelvins) {
        return RoundTripText(
            us ? WrittenFor(kelvins, kelvins * 1.8, [](double w) { return w / 1.8; }) : kelvins);
    };
    std::string list = "[";
    bool sprinkler = false;
    for (std::size_t k = 0; k < devices.size(); ++k) {
        const detection::Device& device = devices[k];
        const bool smoke = device.Kind == DeviceKind::SmokeDetector;
        sprinkler = sprinkler || device.Kind == DeviceKind::Sprinkler;
        // The keys of DeviceOptionText, in its order.
        std::string text = "kind=" + std::string(detection::KindWord(device.Kind)) +
                           ",name=" + device.Name + ",radius=" + length(device.Radius) +
                           ",below-ceiling=" + length(device.BelowCeiling);
        if (!smoke || device.Rti != 0) {
            text += ",rti=" + RoundTripText(device.Rti);
        }
        text += ",c=" + RoundTripText(device.Conduction);
        if (!smoke) {
            text += ",temperature=" + temperature(device.OperatingTemperature);
        } else if (device.Obscuration) {
            text += ",optical-density=" + RoundTripText(*device.Obscuration);
        } else {
            text += ",rise=" + rise(device.TemperatureRise);
        }
        list += (k == 0 ? "" : ", ") + TomlText(text);
    }
    base.emplace_back("device", list + "]");
    if (suppression.Rule == detection::SuppressionRule::Unchanged || !sprinkler) {
        return; // the batch command refuses a rule no sprinkler can start
    }
    // "--suppression decaying --spray-density 0.07 ...": option, value.
    const std::string options = detection::SuppressionOptionText(suppression);
    std::vector<std::string> words;
    for (std::size_t at = 0; at < options.size();) {
        const std::size_t end = std::min(options.find(' ', at), options.size());
        if (end > at) {
            words.push_back(options.substr(at, end - at));
        }
        at = end + 1;
    }
    for (std::size_t k = 0; k + 1 < words.size(); k += 2) {
        const std::string option = words[k].substr(2);
        base.emplace_back(option, option == "suppression" ? TomlText(words[k + 1]) : words[k + 1]);
    }
}

} // namespace vorla::ui
