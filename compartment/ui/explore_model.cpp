#include "compartment/ui/explore_model.h"

#include "common/key_results/key_results_text.h"
#include "common/text/number_text.h"
#include "common/text/round_trip_text.h"
#include "zone_models/ui/explore_band.h"
#include "zone_models/ui/explore_followed.h"
#include "compartment/model/calculations.h"
#include "compartment/model/input_checks.h"
#include "compartment/model/input_entry.h"
#include "compartment/model/loss_fraction_estimator.h"
#include "compartment/model/saved_loss_fraction.h"
#include "compartment/model/model_run.h"
#include "compartment/model/run_key_results.h"

#include <QFileInfo>
#include <QString>
#include <algorithm>
#include <array>
#include <charconv>
#include <memory>

namespace vorla::compartment {
namespace {

enum class Kind { Area, Length, Fraction, Seconds };

struct LiveBox {
    InputBox Box;
    const char* Caption;
    Kind Unit;
    // The slider's range and the arrow keys' step in S.I. units: rooms from a
    // cupboard to a small hall, which is where a two-zone model is used.
    double Minimum, Maximum, Step;
    const char* StudyOption; // its option in a study file
};

constexpr std::array<LiveBox, 9> kLiveBoxes{{
    {InputBox::txtFloorArea, "Floor Area", Kind::Area, 1, 500, 1, "floor-area"},
    {InputBox::txtRoomHeight, "Ceiling Height", Kind::Length, 1, 12, 0.1, "room-height"},
    {InputBox::txtTotalLossFraction, "Heat Loss Fraction", Kind::Fraction, 0, 1, 0.01,
     "loss-fraction"},
    {InputBox::txtVentWidth, "Vent Width", Kind::Length, 0.1, 10, 0.1, "vent-width"},
    {InputBox::txtSillHeight, "Sill Height", Kind::Length, 0, 5, 0.1, "sill-height"},
    {InputBox::txtSoffitHeight, "Soffit Height", Kind::Length, 0.1, 12, 0.1, "soffit-height"},
    {InputBox::txtFireHeight, "Fire Base Height", Kind::Length, 0, 5, 0.1, "fire-height"},
    {InputBox::txtRadiativeLossFraction, "Radiative Loss Fraction", Kind::Fraction, 0, 1, 0.01,
     "radiative-fraction"},
    {InputBox::txtRunTime, "Maximum Run Time", Kind::Seconds, 10, 9000, 10, "run-time"},
}};

std::string NumberText(double value) {
    std::array<char, 32> text{};
    const auto end = std::to_chars(text.data(), text.data() + text.size(), value).ptr;
    return {text.data(), end};
}

// The boxes the heat loss fraction estimator reads (RefreshEstimatorInputs,
// CheckEstimatorInputs), the fraction itself with them.
bool ReadByEstimator(InputBox box) {
    switch (box) {
    case InputBox::txtFloorArea:
    case InputBox::txtRoomHeight:
    case InputBox::txtTotalLossFraction:
    case InputBox::txtSoffitHeight:
    case InputBox::txtFireHeight:
    case InputBox::txtRadiativeLossFraction:
        return true;
    default:
        return false;
    }
}

// The value the window opens an input on: the number its box shows.
double ShownValue(const std::string& text) {
    bool number = false;
    const double value = QString::fromStdString(text).toDouble(&number);
    return number ? value : 0;
}

} // namespace

CompartmentExplore::CompartmentExplore(InputBoxes boxes, UnitTables units, FireTable fire,
                                       std::string fireProblem, KeyCriteria criteria,
                                       KeptDimensions kept)
    : boxes_(std::move(boxes)), units_(units), fire_(std::move(fire)),
      fireProblem_(std::move(fireProblem)), criteria_(std::move(criteria)), kept_(std::move(kept)) {
}

std::vector<ui::ExploreInput> CompartmentExplore::Inputs() const {
    std::vector<ui::ExploreInput> inputs;
    for (const LiveBox& live : kLiveBoxes) {
        double toShown = 1;
        QString unit;
        int decimals = 2;
        switch (live.Unit) {
        case Kind::Area:
            toShown = 1 / units_.Area.ToSI;
            unit = QString::fromUtf8(units_.Area.Label.data(), qsizetype(units_.Area.Label.size()));
            decimals = 1;
            break;
        case Kind::Length:
            toShown = 1 / units_.Length.ToSI;
            unit = QString::fromUtf8(units_.Length.Label.data(),
                                     qsizetype(units_.Length.Label.size()));
            break;
        case Kind::Fraction:
            break;
        case Kind::Seconds:
            unit = "s";
            decimals = 0;
            break;
        }
        inputs.push_back(
            {std::string(InputBoxName(live.Box)), live.Caption, unit,
             ShownValue(boxes_.Text(live.Box)), live.Minimum * toShown, live.Maximum * toShown,
             live.Step * (live.Unit == Kind::Length ? 1 : toShown), decimals, live.StudyOption});
    }
    return inputs;
}

InputBoxes CompartmentExplore::BoxesOf(const std::vector<double>& values) const {
    InputBoxes boxes = boxes_;
    for (std::size_t k = 0; k < kLiveBoxes.size() && k < values.size(); ++k) {
        boxes.Text(kLiveBoxes[k].Box) = NumberText(values[k]);
    }
    return boxes;
}

ui::ExploreRun CompartmentExplore::Run(const std::vector<double>& values,
                                       const ui::ExploreFollowed& followed) const {
    return RunDrawn(values, followed, {});
}

ui::ExploreRun CompartmentExplore::RunDrawn(const std::vector<double>& values,
                                            const ui::ExploreFollowed& followed,
                                            const ui::ExploreDraw& draw) const {
    ui::ExploreRun run;
    // The results are a few hundred kilobytes: on the heap, not a worker's stack.
    auto calc = std::make_unique<Calculations>();
    calc->Units = units_;
    // A value still as the form shows it keeps the form's text, and with it
    // the value the form keeps behind it; one moved here is run as it reads.
    InputBoxes boxes = BoxesOf(values);
    for (std::size_t k = 0; k < kLiveBoxes.size() && k < values.size(); ++k) {
        const std::string& shown = boxes_.Text(kLiveBoxes[k].Box);
        if (values[k] == ShownValue(shown)) {
            boxes.Text(kLiveBoxes[k].Box) = shown;
        }
    }
    calc->Inputs = ReadKeptInputBoxes(boxes, units_, kept_);
    if (const auto rejected = CheckRunInputs(calc->Inputs)) {
        run.RejectedBox = rejected->Focus;
        run.Message = rejected->Message;
        return run;
    }
    if (!fireProblem_.empty()) {
        run.Message = fireProblem_;
        return run;
    }
    // The model options live in the form's dialog, not in its boxes.
    calc->Inputs.FirePlace = followed.Options.Position;
    calc->Inputs.Plume = followed.Options.Plume;
    // The model uncertainty shown, as Run shows it: the estimator's while the
    // form's estimate holds, neither the fraction nor an input the estimator
    // reads moved here (a room changed here is another room, as one changed
    // in the form is).
    const UncertaintyRule rule{ModelKind::Compartment, calc->Inputs.FirePlace, calc->Inputs.Plume,
                               EstimateHeld(values, {}), calc->Inputs.LossFraction};
    // A band's draw of the model's error, as a study's run of the file Save
    // as Study writes draws it: the estimator's while that file can write
    // the estimate, else the number's.
    const UncertaintyRule drawRule{ModelKind::Compartment, calc->Inputs.FirePlace,
                                   calc->Inputs.Plume, EstimateHeld(values, draw.Varied),
                                   calc->Inputs.LossFraction};
    const auto drawn = ui::DrawnModelErrorOf(draw, drawRule);
    if (const auto* problem = std::get_if<std::string>(&drawn)) {
        run.Message = *problem;
        return run;
    }
    const auto& factors = std::get<std::optional<ModelErrorFactors>>(drawn);
    ui::ExploreFollowedRun lifeSafety(
        followed,
        {calc->Inputs.FloorArea, calc->Inputs.RoomHeight, calc->Inputs.FireHeight,
         calc->Inputs.FirePlace},
        units_.System, firePath_.empty() ? boxes_.txtFireFile : firePath_, run);
    if (lifeSafety.Refused()) {
        return run;
    }
    const CompletedRun completed =
        lifeSafety.Run(fire_, [&calc](const FireTable& fire, ZoneStepObserver* observer) {
            return RunModel(
                calc->Inputs, fire, [](const std::string&, std::string_view) { return Answer::No; },
                calc->Results, observer);
        });
    run.Graph = ui::GraphResultsOfRun(*calc, kResultRowCapacity);
    if (factors) {
        const ModelError error{*factors, calc->Inputs.RoomHeight};
        run.Keys = RunKeyResults(calc->Results, completed, lifeSafety.Fire(), criteria_, error);
        ui::ApplyModelErrorToGraph(run.Graph, *factors, calc->Inputs.RoomHeight, units_.System);
    } else {
        run.Keys =
            RunKeyResults(calc->Inputs, calc->Results, completed, lifeSafety.Fire(), criteria_);
    }
    lifeSafety.Finish(rule, calc->Inputs.RoomHeight, run);
    if (factors) {
        run.FlashoverSeconds = run.Keys->FlashoverTimeS; // where the scaled layer reached it
    } else if (calc->Results.FlashoverRow) {
        run.FlashoverSeconds = calc->Results.Time[*calc->Results.FlashoverRow];
    }
    return run;
}

void CompartmentExplore::SetFirePath(std::string path) {
    firePath_ = std::move(path);
}

void CompartmentExplore::SetLossFractionEstimate(std::optional<LossFractionEstimate> estimate) {
    estimate_ = std::move(estimate);
    estimateOfShownRoom_ = false;
    if (!estimate_) {
        return;
    }
    // The room as the window runs it, estimated as `vorla study` estimates
    // it from the study file's aspect-ratio.
    const RunInputs room = ReadKeptInputBoxes(boxes_, units_, kept_);
    if (CheckEstimatorInputs(room)) {
        return;
    }
    const auto again =
        EstimateFromEntries(RoundTripText(estimate_->LengthToWidth), estimate_->CeilingOption, room);
    estimateOfShownRoom_ = again && NumberOfText(*again) == room.LossFraction;
}

bool CompartmentExplore::EstimateHeld(const std::vector<double>& values,
                                      const std::vector<std::size_t>& varied) const {
    if (!estimate_ || !estimateOfShownRoom_) {
        return false;
    }
    for (std::size_t k = 0; k < kLiveBoxes.size() && k < values.size(); ++k) {
        if (!ReadByEstimator(kLiveBoxes[k].Box)) {
            continue;
        }
        if (values[k] != ShownValue(boxes_.Text(kLiveBoxes[k].Box)) ||
            std::find(varied.begin(), varied.end(), k) != varied.end()) {
            return false;
        }
    }
    return true;
}

ui::ExploreStudyBase CompartmentExplore::StudyBase(const std::vector<double>& values,
                                                   const std::vector<std::size_t>& varied) const {
    ui::ExploreStudyBase study;
    study.Model = "compartment";
    const bool us = units_.System == UnitSystem::US;
    study.Base.emplace_back("units", us ? "\"us\"" : "\"si\"");
    if (!boxes_.txtRunTitle.empty()) {
        study.Base.emplace_back("title", ui::TomlText(boxes_.txtRunTitle));
    }
    // The file the window read, in full: the study file may be saved anywhere.
    const std::string fire = firePath_.empty() ? boxes_.txtFireFile : firePath_;
    study.Base.emplace_back(
        "fire",
        ui::TomlText(QFileInfo(QString::fromStdString(fire)).absoluteFilePath().toStdString()));
    for (std::size_t k = 0; k < kLiveBoxes.size() && k < values.size(); ++k) {
        // A value as the form shows it runs with the value the form keeps
        // behind it (a unit change): the file writes that one.
        const LiveBox& live = kLiveBoxes[k];
        const std::string& shown = boxes_.Text(live.Box);
        const auto kept = values[k] == ShownValue(shown) ? kept_.Of(live.Box, shown) : std::nullopt;
        double value = values[k];
        if (kept && (live.Unit == Kind::Area || live.Unit == Kind::Length)) {
            value = ui::WrittenValueOfKept(*kept, static_cast<double>(live.Unit == Kind::Area
                                                                          ? units_.Area.ToSI
                                                                          : units_.Length.ToSI));
        }
        if (live.Box == InputBox::txtTotalLossFraction && EstimateHeld(values, varied)) {
            study.Base.emplace_back(live.StudyOption, "\"estimate\"");
            study.Base.emplace_back("aspect-ratio", RoundTripText(estimate_->LengthToWidth));
            study.Base.emplace_back(
                "ceiling", "\"" + std::string(CeilingWordOfOption(estimate_->CeilingOption)) + "\"");
            continue;
        }
        study.Base.emplace_back(live.StudyOption, RoundTripText(value));
    }
    study.Base.emplace_back("flashover", "\"continue\""); // as the window runs past it
    study.Units = units_.System;
    for (const double height : criteria_.InterfaceHeightsM) {
        study.CriteriaHeights.push_back(height / units_.Length.ToSI);
    }
    for (const double temperature : criteria_.LayerTemperaturesC) {
        study.CriteriaTemperatures.push_back(us ? temperature * 9 / 5 + 32 : temperature);
    }
    return study;
}

} // namespace vorla::compartment
