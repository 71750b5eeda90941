// VORLA-XW's part of the Explore window: the input form's nine numeric boxes
// as live inputs, in the form's units, and a run of their values made exactly
// as Run makes it (the boxes read and checked as the form's are, the fire file
// the form names, followed by the form's model options, devices and
// tenability as the window holds them), except that the flashover question is
// answered No so the curves go on past flashover and the flashover line marks
// when it happened.
#pragma once

#include "common/fire_files/fire_table.h"
#include "common/key_results/key_criteria.h"
#include "zone_models/ui/explore_window.h"
#include "compartment/model/calculations.h"
#include "compartment/model/input_boxes.h"
#include "compartment/model/input_entry.h"
#include "compartment/model/unit_tables.h"

#include <cstddef>
#include <optional>
#include <string>
#include <vector>

namespace vorla::compartment {

class CompartmentExplore final : public ui::ExploreModel {
  public:
    // `fireProblem`, when not empty, is why the fire file cannot be used: every
    // run then reports it instead of running. `kept` holds the form's S.I.
    // values behind boxes a unit change rewrote: a value left as the form shows
    // it runs with the value kept, as Run would run it.
    CompartmentExplore(InputBoxes boxes, UnitTables units, FireTable fire, std::string fireProblem,
                       KeyCriteria criteria, KeptDimensions kept = {});

    std::vector<ui::ExploreInput> Inputs() const override;
    ui::ExploreRun Run(const std::vector<double>& values,
                       const ui::ExploreFollowed& followed) const override;
    // The validation's statistics give the model's error of both plumes and
    // the fire positions it ran: a band may draw it.
    bool DrawsModelError() const override { return true; }
    ui::ExploreRun RunDrawn(const std::vector<double>& values, const ui::ExploreFollowed& followed,
                            const ui::ExploreDraw& draw) const override;
    // With the form's estimate held (EstimateHeld), `loss-fraction =
    // "estimate"` and the estimator's `aspect-ratio` and `ceiling` in place of
    // the number, so that the study's runs estimate it again and draw the
    // estimator's model error, as the band does.
    ui::ExploreStudyBase StudyBase(const std::vector<double>& values,
                                   const std::vector<std::size_t>& varied) const override;
    // The full path the fire table was read from, for a study file's `fire`
    // (the form's text made absolute when not set).
    void SetFirePath(std::string path);
    // The form's heat loss fraction came from its estimator: until the value,
    // or an input the estimator reads, is moved here, a run's model
    // uncertainty is the estimator's, as Run's is.
    void SetLossFractionEstimate(std::optional<LossFractionEstimate> estimate);
    // Whether a band's runs of `values`, the inputs at `varied` drawn, keep
    // the form's estimate as a study file can write it: the fraction and the
    // inputs the estimator reads (floor area, ceiling height, soffit height,
    // fire base height, radiative fraction) as the form shows them and not
    // varied, and the estimate of that room the box's text. Their draws of
    // the model's error are then the estimator's; otherwise those of the
    // number the study file writes.
    bool EstimateHeld(const std::vector<double>& values,
                      const std::vector<std::size_t>& varied) const;

    // The boxes' texts a set of values is run with.
    InputBoxes BoxesOf(const std::vector<double>& values) const;

  private:
    InputBoxes boxes_;
    UnitTables units_;
    FireTable fire_;
    std::string fireProblem_;
    KeyCriteria criteria_;
    KeptDimensions kept_;
    std::string firePath_;
    std::optional<LossFractionEstimate> estimate_;
    // The estimate of the room the form shows is the box's text: a study
    // estimating it again gets the same number.
    bool estimateOfShownRoom_ = false;
};

} // namespace vorla::compartment
