#include "common/fire_table.h"

namespace vorla {
namespace {

// The first point after t among points 1 to N - 1, or N when there is none:
// the end of the segment that holds t.
int SegmentHolding(const FireTable& table, double t) {
    const auto& p = table.Points;
    const int n = table.N;
    for (int i = 1; i <= n - 1; ++i) {
        if (p[i].Time > t) {
            return i;
        }
    }
    return n;
}

double RateOnSegment(const FireTable& table, int k, double t) {
    const auto& p = table.Points;
    const double timeSpan = p[k].Time - p[k - 1].Time;
    if (timeSpan == 0) {
        return t < p[k].Time ? p[k - 1].Rate : p[k].Rate;
    }
    return p[k - 1].Rate + (p[k].Rate - p[k - 1].Rate) * (t - p[k - 1].Time) / timeSpan;
}

} // namespace

double FireRateAt(const FireTable& table, double t) {
    if (table.N < 1) {
        return table.Points[0].Rate;
    }
    return RateOnSegment(table, SegmentHolding(table, t), t);
}

FireRateCursor::FireRateCursor(const FireTable& table) : table_(table) {
    for (int i = 1; i <= table.N; ++i) {
        if (!(table.Points[i].Time >= table.Points[i - 1].Time)) {
            timesInOrder_ = false;
        }
    }
}

// With times in order, segment k is the one SegmentHolding finds exactly when
// no earlier point is after t (it is enough that point k - 1 is not) and point
// k is after t (or k is the last segment). A time that is not a number fails
// both tests and goes to the full search.
bool FireRateCursor::HoldsTime(int segment, double t) const {
    const auto& p = table_.Points;
    return (segment == 1 || p[segment - 1].Time <= t) &&
           (segment == table_.N || p[segment].Time > t);
}

double FireRateCursor::RateAt(double t) {
    if (table_.N < 1) {
        return table_.Points[0].Rate;
    }
    if (!timesInOrder_) {
        return RateOnSegment(table_, SegmentHolding(table_, t), t);
    }
    if (!HoldsTime(segment_, t)) {
        if (segment_ < table_.N && HoldsTime(segment_ + 1, t)) {
            ++segment_;
        } else {
            segment_ = SegmentHolding(table_, t);
        }
    }
    return RateOnSegment(table_, segment_, t);
}

} // namespace vorla
