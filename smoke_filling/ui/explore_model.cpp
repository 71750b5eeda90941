#include "smoke_filling/ui/explore_model.h"

#include "common/key_results/key_results_text.h"
#include "common/text/round_trip_text.h"
#include "zone_models/ui/explore_band.h"
#include "zone_models/ui/explore_followed.h"
#include "smoke_filling/model/calculations.h"
#include "smoke_filling/model/input_checks.h"
#include "smoke_filling/model/input_entry.h"
#include "smoke_filling/model/model_run.h"
#include "smoke_filling/model/run_key_results.h"

#include <QFileInfo>
#include <QString>
#include <array>
#include <charconv>
#include <memory>

namespace vorla::smoke {
namespace {

enum class Kind { Area, Length, Fraction, Seconds };

struct LiveBox {
    InputBox Box;
    const char* Caption;
    Kind Unit;
    // The slider's range and the arrow keys' step in S.I. units.
    double Minimum, Maximum, Step;
    const char* StudyOption; // its option in a study file
};

constexpr std::array<LiveBox, 5> kLiveBoxes{{
    {InputBox::txtFloorArea, "Room Floor Area", Kind::Area, 1, 500, 1, "floor-area"},
    {InputBox::txtRoomHeight, "Room Ceiling Height", Kind::Length, 1, 12, 0.1, "room-height"},
    {InputBox::txtFireHeight, "Fire Base Height", Kind::Length, 0, 5, 0.1, "fire-height"},
    {InputBox::txtLossFraction, "Heat Loss Fraction", Kind::Fraction, 0, 1, 0.01, "loss-fraction"},
    {InputBox::txtRunTime, "Maximum Run Time", Kind::Seconds, 10, 9000, 10, "run-time"},
}};

std::string NumberText(double value) {
    std::array<char, 32> text{};
    const auto end = std::to_chars(text.data(), text.data() + text.size(), value).ptr;
    return {text.data(), end};
}

QString LabelOf(std::string_view label) {
    return QString::fromUtf8(label.data(), qsizetype(label.size()));
}

// The value the window opens an input on: the number its box shows.
double ShownValue(const std::string& text) {
    bool number = false;
    const double value = QString::fromStdString(text).toDouble(&number);
    return number ? value : 0;
}

} // namespace

SmokeExplore::SmokeExplore(InputBoxes boxes, UnitTables units, FireTable fire,
                           std::string fireProblem, KeyCriteria criteria, KeptDimensions kept)
    : boxes_(std::move(boxes)), units_(units), fire_(std::move(fire)),
      fireProblem_(std::move(fireProblem)), criteria_(std::move(criteria)), kept_(std::move(kept)) {
}

std::vector<ui::ExploreInput> SmokeExplore::Inputs() const {
    std::vector<ui::ExploreInput> inputs;
    for (const LiveBox& live : kLiveBoxes) {
        double toShown = 1;
        QString unit;
        int decimals = 2;
        switch (live.Unit) {
        case Kind::Area:
            toShown = 1 / static_cast<double>(units_.Area.ToSI);
            unit = LabelOf(units_.Area.Label);
            decimals = 1;
            break;
        case Kind::Length:
            toShown = 1 / static_cast<double>(units_.Length.ToSI);
            unit = LabelOf(units_.Length.Label);
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
             live.Step * (live.Unit == Kind::Area ? toShown : 1), decimals, live.StudyOption});
    }
    return inputs;
}

ui::ExploreRun SmokeExplore::Run(const std::vector<double>& values,
                                       const ui::ExploreFollowed& followed) const {
    return RunDrawn(values, followed, {});
}

ui::ExploreRun SmokeExplore::RunDrawn(const std::vector<double>& values,
                                            const ui::ExploreFollowed& followed,
                                            const ui::ExploreDraw& draw) const {
    InputBoxes boxes = boxes_;
    // A value still as the form shows it keeps the form's text, and with it
    // the value the form keeps behind it; one moved here is run as it reads.
    for (std::size_t k = 0; k < kLiveBoxes.size() && k < values.size(); ++k) {
        if (values[k] != ShownValue(boxes_.Text(kLiveBoxes[k].Box))) {
            boxes.Text(kLiveBoxes[k].Box) = NumberText(values[k]);
        }
    }
    ui::ExploreRun run;
    // The results are large: on the heap, not a worker's stack.
    auto calc = std::make_unique<Calculations>();
    calc->Units = units_;
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
    // A band's draw of the model's error, as a study's run draws it (the
    // loss fraction a number, as the study file writes it).
    const UncertaintyRule rule{ModelKind::Smoke, calc->Inputs.FirePlace, calc->Inputs.Plume, false,
                               calc->Inputs.LossFraction};
    const auto drawn = ui::DrawnModelErrorOf(draw, rule);
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
            return RunModel(calc->Inputs, fire, calc->Results, observer);
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
    return run;
}

void SmokeExplore::SetFirePath(std::string path) {
    firePath_ = std::move(path);
}

ui::ExploreStudyBase SmokeExplore::StudyBase(const std::vector<double>& values,
                                             const std::vector<std::size_t>& /*varied*/) const {
    ui::ExploreStudyBase study;
    study.Model = "smoke";
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
        study.Base.emplace_back(live.StudyOption, RoundTripText(value));
    }
    study.Units = units_.System;
    for (const double height : criteria_.InterfaceHeightsM) {
        study.CriteriaHeights.push_back(height / units_.Length.ToSI);
    }
    for (const double temperature : criteria_.LayerTemperaturesC) {
        study.CriteriaTemperatures.push_back(us ? temperature * 9 / 5 + 32 : temperature);
    }
    return study;
}

} // namespace vorla::smoke
