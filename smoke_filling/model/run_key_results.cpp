#include "smoke_filling/model/run_key_results.h"

#include "common/key_results/model_uncertainty.h"
#include "zone_models/plume_option_names.h"
#include "common/text/round_trip_text.h"
#include "smoke_filling/model/input_table.h"
#include "smoke_filling/model/validity_limits.h"

namespace vorla::smoke {

std::vector<RunRow> KeyResultRows(const RunResults& results) {
    std::vector<RunRow> rows;
    rows.reserve(static_cast<std::size_t>(results.LastRow) + 1);
    for (int i = 0; i <= results.LastRow; ++i) {
        rows.push_back({static_cast<double>(results.Time[i]), results.LayerTemperature[i],
                        static_cast<double>(results.InterfaceHeight[i]), results.HeatReleaseRate[i],
                        results.VentFlow[i], false});
    }
    return rows;
}

KeyResults RunKeyResults(const RunResults& results, const CompletedRun& run, const FireTable& fire,
                         const KeyCriteria& criteria) {
    return RunKeyResults(results, run, fire, criteria, std::nullopt);
}

KeyResults RunKeyResults(const RunResults& results, const CompletedRun& run, const FireTable& fire,
                         const KeyCriteria& criteria, const std::optional<ModelError>& error) {
    std::vector<RunRow> rows = KeyResultRows(results);
    if (error) {
        ApplyModelError(rows, error->Factors, error->RoomHeightM);
    }
    RunView view;
    view.Model = ModelKind::Smoke;
    view.Rows = rows;
    view.End = run.End;
    return ComputeKeyResults(view, fire, criteria);
}

KeyResults RunKeyResults(const RunInputs& inputs, const RunResults& results,
                         const CompletedRun& run, const FireTable& fire,
                         const KeyCriteria& criteria) {
    KeyResults keys = RunKeyResults(results, run, fire, criteria);
    keys.ValidityLimits = ValidityLimitKeys(
        FindRunValidityLimits(inputs, results, kSmokeTestedRange), kSmokeTestedRange);
    return keys;
}

namespace {

// The key of the summary's inputs for a box, as the input table names it.
std::string Key(InputBox box) {
    return std::string(RowOf(box).SummaryKey);
}

} // namespace

std::vector<RunInput> SummaryInputs(const RunInputs& inputs) {
    std::vector<RunInput> used = {
        {Key(InputBox::txtRunTitle), inputs.RunTitle},
        {Key(InputBox::txtOutputFile), inputs.OutputFile},
        {Key(InputBox::txtFireFile), inputs.FireFile},
        {Key(InputBox::txtFloorArea), inputs.FloorArea},
        {Key(InputBox::txtRoomHeight), inputs.RoomHeight},
        {Key(InputBox::txtFireHeight), SingleAsShortestDouble(inputs.FireHeight)},
        {Key(InputBox::txtLossFraction), inputs.LossFraction},
        {Key(InputBox::txtRunTime), static_cast<double>(inputs.RunTime)},
    };
    AddPlumeOptionInputs(inputs.FirePlace, inputs.Plume, used);
    return used;
}

} // namespace vorla::smoke
