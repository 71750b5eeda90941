#include "common/fire_files/fire_table.h"

namespace vorla {
namespace {

// The first point after t among points 1 to LastIndex - 1, or LastIndex when
// there is none: the end of the segment that holds t.
int SegmentHolding(const FireTable& table, double t) {
    const auto& p = table.Points;
    const int n = table.LastIndex;
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
    if (table.LastIndex < 1) {
        return table.Points[0].Rate;
    }
    return RateOnSegment(table, SegmentHolding(table, t), t);
}

// With times in order, segment k is the one SegmentHolding finds exactly when
// no earlier point is after t (it is enough that point k - 1 is not) and point
// k is after t (or k is the last segment). A time that is not a number fails
// both tests and goes to the full search.
bool FireRateCursor::HoldsTime(int segment, double t) const {
    const auto& p = table_.Points;
    return (segment == 1 || p[segment - 1].Time <= t) &&
           (segment == table_.LastIndex || p[segment].Time > t);
}

bool FireRateCursor::TimesInOrder() {
    if (order_ == Order::Unknown) {
        order_ = Order::Ascending;
        for (int i = 1; i <= table_.LastIndex; ++i) {
            if (!(table_.Points[i].Time >= table_.Points[i - 1].Time)) {
                order_ = Order::Unordered;
            }
        }
    }
    return order_ == Order::Ascending;
}

bool FireRateCursor::SegmentStillHolds(double t) {
    // The first segment is the first candidate of the search whatever the
    // order, so a cursor used once never checks the order.
    if (segment_ == 1) {
        return HoldsTime(1, t);
    }
    if (!TimesInOrder()) {
        return false;
    }
    if (HoldsTime(segment_, t)) {
        return true;
    }
    if (segment_ < table_.LastIndex && HoldsTime(segment_ + 1, t)) {
        ++segment_;
        return true;
    }
    return false;
}

double FireRateCursor::RateAt(double t) {
    if (table_.LastIndex < 1) {
        return table_.Points[0].Rate;
    }
    if (!SegmentStillHolds(t)) {
        segment_ = SegmentHolding(table_, t);
    }
    return RateOnSegment(table_, segment_, t);
}

} // namespace vorla
