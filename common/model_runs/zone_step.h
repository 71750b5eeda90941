// What a zone model's run tells the calculations that follow it step by step
// without taking part in it (tenability, detection): the room at each end of
// every one-second step, and which result rows the run keeps. An observer only
// reads: the run computes what it hands over with its own evaluator, so a run
// with observers gives the same rows, to the bit, as one without.
#pragma once

#include <vector>

namespace vorla {

// The room at one end of a step, in S.I. units.
struct ZoneMoment {
    double Time = 0;             // s
    double HeatReleaseRate = 0;  // kW, after any limit the model puts on it
    double LayerTemperature = 0; // K
    double InterfaceHeight = 0;  // m above the floor
    // kg/s of upper-layer gas leaving the room: the compartment model's hot gas
    // through the vent; the smoke filling model's leak flow once the room is
    // full of smoke, 0 while the leaks push out lower-layer air. Not a number
    // when no observer of the run reads it (see ReadsLayerGasOut).
    double LayerGasOut = 0;
};

class ZoneStepObserver {
  public:
    virtual ~ZoneStepObserver() = default;
    // The run begins at `initial`, row 0's state.
    virtual void Start(const ZoneMoment& initial) = 0;
    // One step: `start` is the previous step's end.
    virtual void Advance(const ZoneMoment& start, const ZoneMoment& end) = 0;
    // The run keeps the state at the last step's end as result row `row`.
    virtual void RecordRow(int row) = 0;
    // Whether the observer reads ZoneMoment::LayerGasOut. A model may spare
    // the vent's flow balance of every moment when no observer does (the
    // compartment's detection-only runs): the moments then carry not a number.
    virtual bool ReadsLayerGasOut() const { return true; }
};

// Several observers of one run, told in the order they were added. Adding
// allocates; the run itself does not.
class ZoneStepObservers final : public ZoneStepObserver {
  public:
    void Add(ZoneStepObserver& observer) { observers_.push_back(&observer); }
    bool Empty() const { return observers_.empty(); }

    void Start(const ZoneMoment& initial) override {
        for (ZoneStepObserver* o : observers_) {
            o->Start(initial);
        }
    }
    void Advance(const ZoneMoment& start, const ZoneMoment& end) override {
        for (ZoneStepObserver* o : observers_) {
            o->Advance(start, end);
        }
    }
    void RecordRow(int row) override {
        for (ZoneStepObserver* o : observers_) {
            o->RecordRow(row);
        }
    }
    bool ReadsLayerGasOut() const override {
        for (const ZoneStepObserver* o : observers_) {
            if (o->ReadsLayerGasOut()) {
                return true;
            }
        }
        return false;
    }

  private:
    std::vector<ZoneStepObserver*> observers_;
};

} // namespace vorla
