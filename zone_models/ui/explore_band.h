// The Explore window's uncertainty band: the inputs marked uncertain, the
// study they make (written as a study file's text and read back by the study
// engine's own reader, so the window samples exactly what `vorla study`
// samples from the file Save as Study writes), and the statistics of the runs
// that have come in so far: the 5, 50 and 95 % points of every curve at every
// time row, the share of runs reaching flashover and each criterion, and the
// summary of the peak layer temperature. Percentiles interpolate as the
// study's statistics do (study/statistics.h).
#pragma once

#include "common/key_results/model_uncertainty.h"
#include "zone_models/ui/explore_window.h"
#include "life_safety/detection/device.h"
#include "life_safety/detection/suppression.h"
#include "life_safety/tenability/aset_risk.h"
#include "life_safety/tenability/tenability_texts.h"
#include "study/distributions.h"
#include "study/study_file.h"

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <utility>
#include <variant>
#include <vector>

namespace vorla::ui {

// A text as a TOML basic string: in quotes, with quotes and backslashes escaped.
std::string TomlText(const std::string& text);

// The number to write in a file of the form's units for a value the form
// keeps in S.I. units behind a rounded box (a unit change): the one whose
// conversion, `written * toSI` as every reader does it, gives `si` exactly
// (looked for within a few units in the last place of si / toSI), or the
// nearest when none does.
double WrittenValueOfKept(double si, double toSI);

// The distributions a window offers, as a study file names them.
enum class SpreadKind { Uniform, Triangular, Normal, Lognormal };

// What the user typed for one uncertain input: the kind, its two or three
// parameters ([low, high], [min, mode, max], [mean, sd], [mu, sigma]) and, for
// the normal kinds, the optional bounds (empty text: none).
struct SpreadTexts {
    SpreadKind Kind = SpreadKind::Uniform;
    std::vector<std::string> Parameters;
    std::string Min;
    std::string Max;
};

// One input marked uncertain: its place in the window's inputs and the
// distribution, with the inline table that writes it ("{ uniform = [1, 2] }").
struct UncertainInput {
    std::size_t Input = 0;
    study::Distribution Spread;
    std::string Written;
};

// The uncertain input the texts describe, checked by the study file's reader
// (so the window accepts exactly what a study file accepts), or the sentence
// saying what is wrong. `option` is the input's study name ("floor-area").
std::variant<UncertainInput, std::string> ReadSpread(const std::string& modelName,
                                                     const std::string& option, std::size_t input,
                                                     const SpreadTexts& texts);

// The inline table's texts back as the editor shows them.
SpreadTexts TextsOfSpread(const study::Distribution& spread);

// The RSET of `texts` (a distribution of seconds), or of `fixed` when `texts`
// is nothing, checked by the study file's reader, or the sentence saying what
// is wrong; `fromDetection`: counted from the run's first detection.
std::variant<BandRset, std::string> ReadRset(const std::string& modelName,
                                             const std::optional<SpreadTexts>& texts,
                                             const std::string& fixed, bool fromDetection = false);

// The RSET as a study file's `rset = ` writes it: its value, or, counted from
// the first detection, `{ pre-movement = value, movement = 0, from = "detection" }`.
std::string RsetStudyValue(const BandRset& rset);

// The band's settings: how many runs and from which seed; whether each run
// draws the model's own error ([model-uncertainty]); the RSET, if any.
struct BandSettings {
    BandSettings() = default;
    BandSettings(std::size_t runs, std::uint64_t seed, bool modelUncertainty = false,
                 std::optional<BandRset> rset = std::nullopt)
        : Runs(runs), Seed(seed), ModelUncertainty(modelUncertainty), Rset(std::move(rset)) {}

    std::size_t Runs = 200;
    std::uint64_t Seed = 1;
    bool ModelUncertainty = false;
    std::optional<BandRset> Rset;
};

// The study file's first lines and [vary]: model, runs, seed, Latin hypercube
// sampling and the RSET, one line an uncertain input in the window's order,
// then [model-uncertainty] when the runs draw it.
std::string BandStudyHead(const std::string& modelName, const BandSettings& settings,
                          const std::vector<ExploreInput>& inputs,
                          const std::vector<UncertainInput>& uncertain);

// The whole study file: the head, [base] (every option the model gives, in
// its order) and [criteria] (already in the file's units).
std::string StudyFileText(const std::string& modelName, const BandSettings& settings,
                          const std::vector<ExploreInput>& inputs,
                          const std::vector<UncertainInput>& uncertain,
                          const std::vector<std::pair<std::string, std::string>>& base,
                          const std::vector<double>& criteriaHeights,
                          const std::vector<double>& criteriaTemperatures);

// The study of the band (sampling and the draws of the RSET and the model's
// error only: no base, no fire file is read).
std::variant<study::Study, std::string> BandStudy(const std::string& modelName,
                                                  const BandSettings& settings,
                                                  const std::vector<ExploreInput>& inputs,
                                                  const std::vector<UncertainInput>& uncertain);

// One quantity's band: for each time row, the 5, 50 and 95 % points of the
// runs that reached that time.
struct BandCurve {
    std::vector<double> Minutes, P5, P50, P95;
};

// The share of the runs in so far that reached an event.
struct BandShare {
    std::string Name; // "Flashover", "Interface at 1.8 m"
    std::size_t Reached = 0;
};

// The share of the runs following tenability in which one criterion failed.
struct TenabilityShare {
    std::string Criterion; // "visibility", "fed_toxic", ... as the key results name it
    std::string Words;     // "visibility", "toxic dose (FED)", ...
    std::size_t Failed = 0;
};

// The layer temperature and interface curves of `graph` (its first two
// quantities, in `units`) with the model's error drawn in, as
// ApplyModelError changes a run's rows in a room `roomHeightM` high.
void ApplyModelErrorToGraph(GraphResults& graph, const ModelErrorFactors& factors,
                            double roomHeightM, UnitSystem units);

// The factors of the model's error `draw` gives a run of `rule`'s options;
// nothing without a draw; the study's sentence ("model-uncertainty: the
// validation measured ...") when the validation has no statistics for them.
std::variant<std::optional<ModelErrorFactors>, std::string>
DrawnModelErrorOf(const ExploreDraw& draw, const UncertaintyRule& rule);

class BandStatistics {
  public:
    // Run `run` of the band came in (in any order, each once), with the RSET
    // drawn for it (nothing: the band has none, or it counts from a detection
    // the run did not have).
    void Add(std::size_t run, ExploreRun result, std::optional<double> rset = std::nullopt);

    std::size_t RunsIn() const { return runsIn_; }
    std::size_t OkRuns() const { return ok_.size(); }
    // Quantity k's band over the runs in so far (empty before any ok run).
    BandCurve Curve(std::size_t k) const;
    std::size_t QuantityCount() const;
    // Flashover (when any run has the compartment's line), then each criterion.
    std::vector<BandShare> Shares() const;
    bool HasFlashover() const { return hasFlashover_; }
    // The peak layer temperatures of the ok runs, in °C, in run order.
    std::vector<double> PeakLayerTemperaturesC() const;

    // The ok runs that followed tenability, and in how many each criterion
    // failed (in the key results' order); empty when none followed it.
    std::size_t TenabilityRuns() const;
    std::vector<TenabilityShare> TenabilityShares() const;
    // The ASETs of the runs in which a criterion failed, in run order (s).
    std::vector<double> AsetSeconds() const;
    // P(ASET < RSET) over the ok runs, as `vorla study` reports it (a run
    // without an RSET undecided); nothing when no run had an RSET drawn.
    std::optional<tenability::AsetRisk> Risk() const;
    // The sentence of the first refused run, empty when none was refused.
    const std::string& FirstRefusal() const { return firstRefusal_; }

  private:
    struct OkRun {
        std::size_t Run;
        GraphResults Graph;
        std::optional<double> FlashoverSeconds;
        std::optional<KeyResults> Keys;
        std::optional<double> Rset;
    };
    std::size_t runsIn_ = 0;
    bool hasFlashover_ = false;
    bool hasRset_ = false;
    std::string firstRefusal_;
    std::size_t firstRefusalRun_ = 0;
    std::vector<OkRun> ok_;
};

// The value of a curve at `minute`, linear between rows; nothing past its
// last row or before its first.
std::optional<double> CurveValueAt(const std::vector<double>& minutes,
                                   const std::vector<double>& values, double minute);

// The [base] lines of a study file that follow `tenability` as the window
// does (none when it is not followed): its fuel, sign and every number
// (option = value, in the study's `units`, each written so that the study
// file's reader gives back the very S.I. value the window runs with), but the
// heat of combustion only when the user gave it: without it the study's runs,
// like the window's, take the fire file's.
void AddTenabilityStudyBase(const tenability::TenabilityTexts& tenability, UnitSystem units,
                            std::vector<std::pair<std::string, std::string>>& base);

// The [base] lines of a study file that follow `devices` and `suppression` as
// the window does (none without devices): one `device` list of --device texts
// in the study's `units` (the lengths and temperatures each written so that
// the study file's reader gives back the very S.I. value, or the nearest
// where no number in those units does, as for some rises in K written in
// °F), then, when the rule
// is not "unchanged" and a sprinkler can start it, `suppression` and, for a
// decaying fire, `spray-density`, `suppression-constant` and
// `suppression-exponent`, as the batch command takes them. The file carries
// the devices itself: it names no devices file.
void AddDevicesStudyBase(const std::vector<detection::Device>& devices,
                         const detection::Suppression& suppression, UnitSystem units,
                         std::vector<std::pair<std::string, std::string>>& base);

} // namespace vorla::ui
