// An observer of a zone model's run that checks what it is told against what
// every observer relies on: Start once and first, each step one second after
// the last and starting where it ended, rows 0, 1, 2, ... each at a step's end
// and with that step's state. The literal agreement tests run half their
// random runs with it, so that a run watched is also a run unchanged.
#pragma once

#include "common/model_runs/zone_step.h"

#include <cmath>
#include <cstring>
#include <string>
#include <vector>

namespace vorla::test_support {

class ZoneStepRecorder final : public ZoneStepObserver {
  public:
    // A recorder that says it does not read the gas leaving the room checks
    // that the moments then carry not a number in its place.
    explicit ZoneStepRecorder(bool readsLayerGasOut = true) : readsGasOut_(readsLayerGasOut) {}

    bool ReadsLayerGasOut() const override { return readsGasOut_; }

    void Start(const ZoneMoment& initial) override {
        if (started_) {
            Note("Start called twice");
        }
        started_ = true;
        last_ = initial;
    }
    void Advance(const ZoneMoment& start, const ZoneMoment& end) override {
        if (!started_) {
            Note("Advance before Start");
        }
        if (std::memcmp(&start, &last_, sizeof start) != 0) {
            Note("step at " + std::to_string(end.Time) + " s does not start where the last ended");
        }
        if (end.Time != start.Time + 1) {
            Note("step from " + std::to_string(start.Time) + " s to " + std::to_string(end.Time));
        }
        if (readsGasOut_ ? !std::isfinite(end.LayerGasOut) : !std::isnan(end.LayerGasOut)) {
            Note("the gas leaving the room at " + std::to_string(end.Time) + " s is " +
                 std::to_string(end.LayerGasOut));
        }
        for (const double value :
             {end.HeatReleaseRate, end.LayerTemperature, end.InterfaceHeight}) {
            if (!std::isfinite(value)) {
                Note("a value that is not finite at " + std::to_string(end.Time) + " s");
            }
        }
        last_ = end;
        ++steps_;
    }
    void RecordRow(int row) override {
        if (row != static_cast<int>(rows_.size())) {
            Note("row " + std::to_string(row) + " after " + std::to_string(rows_.size()) + " rows");
        }
        rows_.push_back(last_);
    }

    // The state each row was recorded with, row 0 first.
    const std::vector<ZoneMoment>& Rows() const { return rows_; }
    int Steps() const { return steps_; }
    // The first broken promise, empty when there was none.
    const std::string& Problem() const { return problem_; }

  private:
    void Note(const std::string& problem) {
        if (problem_.empty()) {
            problem_ = problem;
        }
    }

    bool readsGasOut_;
    bool started_ = false;
    ZoneMoment last_;
    std::vector<ZoneMoment> rows_;
    int steps_ = 0;
    std::string problem_;
};

} // namespace vorla::test_support
