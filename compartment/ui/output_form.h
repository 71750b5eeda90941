// frmOutput, "VORLA-XW: Output Data": performs one compartment run and shows its
// report (the shared report window), asking the flashover question when the
// layer passes 600 °C. Its own button, Graph, plots the results in a window that
// stands in for the report until it closes. Opened by Open Results… it shows
// a saved report's run instead (calc.Results already holds its rows): no
// model run, no flashover question, the caption saying which file it is.
#pragma once

#include "common/key_results/key_results.h"
#include "zone_models/model_options.h"
#include "zone_models/ui/report_window.h"
#include "compartment/model/calculations.h"
#include "life_safety/detection/device.h"
#include "life_safety/detection/suppression.h"
#include "life_safety/tenability/tenability_run.h"
#include "life_safety/tenability/tenability_texts.h"

#include <QPointer>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace vorla::compartment {

class frmGraph;

class frmOutput final : public ui::ReportWindow {
    Q_OBJECT
  public:
    // The window deletes itself when it closes.
    frmOutput(Calculations& calc, ui::PlatformServices& services, ui::ReportInputForm input,
              std::vector<detection::Device> devices = {},
              const detection::Suppression& suppression = {},
              tenability::TenabilityTexts tenability = {});
    // The run ReadSavedRun read from `path` into calc.Results, shown as it is.
    frmOutput(Calculations& calc, ui::PlatformServices& services, ui::ReportInputForm input,
              const CompletedRun& savedRun, const std::string& path,
              std::vector<detection::Device> devices = {},
              const detection::Suppression& suppression = {},
              tenability::TenabilityTexts tenability = {});
    ~frmOutput() override;

    // The form's model options, set before RunAndShow: Save writes their line and,
    // when they show it, the key results give the model uncertainty.
    void SetModelOptions(const ModelOptions& options) { modelOptions_ = options; }

    // Closes the window and its graph without a question (File Exit).
    void Unload() override;

  private:
    std::string HeaderText() const override;
    RunOutcome RunModel() override;
    RunReport Report(const CompletedRun& run) const override;
    // The saved report's tenability and devices, from the model run again on
    // its inputs and fire file (life_safety/run/opened_run.h).
    void FollowSavedRun();

    void cmdGraph_Click();

    QPushButton* cmdGraph;

    Calculations& calc_;
    ui::PlatformServices& services_;
    QPointer<frmGraph> graph_;
    std::optional<CompletedRun> savedRun_;
    // The estimate the saved report's heat loss fraction came from (its "Loss
    // fraction: " line), nothing when it was typed.
    std::optional<LossFractionEstimate> savedEstimate_;
    // The saved report's file, read again for its rows when its tenability
    // is worked out again.
    std::string savedPath_;
    // The form's detectors and sprinklers (S.I.), followed by the run when
    // there are any, and the key results' devices block of the run.
    std::vector<detection::Device> devices_;
    std::optional<DetectionKeys> detectionKeys_;
    // What the first sprinkler does to the fire (the form's rule): the run is
    // made again on the suppressed fire when it changes it, and Save writes
    // the rule before the devices.
    detection::Suppression suppression_;
    // The form's tenability, followed by the run when its Given is set, the
    // key results' tenability block and the values at the result rows.
    tenability::TenabilityTexts tenability_;
    ModelOptions modelOptions_;
    std::optional<TenabilityKeys> tenabilityKeys_;
    std::shared_ptr<const tenability::TenabilitySeries> tenabilitySeries_;
};

} // namespace vorla::compartment
