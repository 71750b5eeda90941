// SKEVA-XW's part of the Explore window: the input form's five numeric boxes
// as live inputs, in the form's units, and a run of their values made exactly
// as Run makes it (the boxes read and checked as the form's are, the fire file
// the form names, followed by the form's model options, devices and tenability
// as the window holds them). A closed room has no vent and no flashover line.
#pragma once

#include "common/fire_files/fire_table.h"
#include "common/key_results/key_criteria.h"
#include "zone_models/ui/explore_window.h"
#include "smoke_filling/model/input_boxes.h"
#include "smoke_filling/model/input_entry.h"
#include "smoke_filling/model/unit_tables.h"

#include <string>

namespace vorla::smoke {

class SmokeExplore final : public ui::ExploreModel {
  public:
    // `fireProblem`, when not empty, is why the fire file cannot be used: every
    // run then reports it instead of running. `kept` holds the form's S.I.
    // values behind boxes a unit change rewrote: a value left as the form shows
    // it runs with the value kept, as Run would run it.
    SmokeExplore(InputBoxes boxes, UnitTables units, FireTable fire, std::string fireProblem,
                 KeyCriteria criteria, KeptDimensions kept = {});

    std::vector<ui::ExploreInput> Inputs() const override;
    ui::ExploreRun Run(const std::vector<double>& values,
                       const ui::ExploreFollowed& followed) const override;
    // The validation's statistics give the model's error of both plumes and
    // the fire positions it ran: a band may draw it.
    bool DrawsModelError() const override { return true; }
    ui::ExploreRun RunDrawn(const std::vector<double>& values, const ui::ExploreFollowed& followed,
                            const ui::ExploreDraw& draw) const override;
    ui::ExploreStudyBase StudyBase(const std::vector<double>& values,
                                   const std::vector<std::size_t>& varied) const override;
    // The full path the fire table was read from, for a study file's `fire`
    // (the form's text made absolute when not set).
    void SetFirePath(std::string path);

  private:
    InputBoxes boxes_;
    UnitTables units_;
    FireTable fire_;
    std::string fireProblem_;
    KeyCriteria criteria_;
    KeptDimensions kept_;
    std::string firePath_;
};

} // namespace vorla::smoke
