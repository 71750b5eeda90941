// Which inputs each run of a study uses: the grid point it belongs to and a
// value for every varied input, from the seed and the run's number alone.
#pragma once

#include "study/study_file.h"

#include <cstddef>
#include <cstdint>
#include <optional>
#include <utility>
#include <vector>

namespace vorla::study {

struct SampledRun {
    std::size_t Run = 0;            // 0-based, in the whole study
    std::size_t GridPoint = 0;      // 0-based
    std::vector<StudyValue> Values; // one per varied input, in the study's order
};

// The required safe egress time of one run, before the run: its total, or its
// pre-movement and movement times (s), drawn from DrawPurpose::
// RequiredEgressTime with the run's number as stream (0: total or
// pre-movement, 1: movement). Random sampling always, whatever the study's.
struct RsetDraw {
    std::optional<double> Total;
    double PreMovement = 0;
    double Movement = 0;
    bool FromDetection = false;

    // The run's RSET: the total, or pre-movement + movement from ignition or
    // from the first detection (nothing when the run detected nothing).
    std::optional<double> Rset(std::optional<double> firstDetectionS) const;
};
RsetDraw DrawRset(const Study& study, std::size_t run);

// [model-uncertainty]: the two standard normal draws of run `run`'s model
// error (the layer temperature rise's, then the layer depth's), from
// DrawPurpose::ModelError with the run's number as stream, whatever the
// study's sampling; nothing when the study does not draw it.
std::optional<std::pair<double, double>> DrawModelErrorNormals(const Study& study,
                                                               std::size_t run);

// Runs are numbered grid point by grid point: run = point * samples + sample.
// Grid points count through the grid inputs' values like an odometer whose
// first input turns slowest. Random sampling draws each input of each run
// independently; Latin hypercube sampling splits each distributed input's
// probability into `samples` equal strata per grid point and gives every
// stratum to exactly one run, through a shuffle drawn from the seed.
class StudySampler {
  public:
    explicit StudySampler(const Study& study);

    SampledRun Sample(std::size_t run) const;

    // The grid inputs' values at a grid point, one per grid input in order.
    std::vector<StudyValue> GridValues(std::size_t gridPoint) const;

  private:
    double UniformFor(std::size_t run, std::size_t gridPoint, std::size_t sample,
                      std::size_t dimension) const;

    const Study& study_;
    // For Latin hypercube: the stratum of each sample, per grid point and
    // distributed input ([point * dimensions + dimension][sample]).
    std::vector<std::vector<std::uint32_t>> strata_;
    std::size_t dimensions_ = 0;
};

} // namespace vorla::study
