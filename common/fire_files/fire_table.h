// The fire table the two models read from a fire file: heat release rate
// against time, interpolated linearly.
#pragma once

#include <array>
#include <cstdint>

namespace vorla {

// A table holds at most this many points (indices 0 to 1800).
inline constexpr int kFireTableCapacity = 1801;

struct FirePoint {
    double Time = 0; // s
    double Rate = 0; // kW
};

struct FireTable {
    std::array<FirePoint, kFireTableCapacity> Points{};
    // The index of the last valid point (not a count: a fire of two points has
    // 1); points 0 to LastIndex are the fire.
    std::int16_t LastIndex = 0;

    double LastTime() const { return Points[LastIndex].Time; }
};

// The heat release rate in kW at time t in s, interpolated on the segment
// that holds t. Before the first point and after the last the end segments are
// extended in a straight line; nothing is clamped. At a point's exact time the
// segment after it is used. A segment of zero length (two points at the same
// time, a step) gives the rate before the step for times before it and the rate
// after it otherwise, never a division by zero.
double FireRateAt(const FireTable& table, double t);

// FireRateAt for a run that asks at times close to each other, thousands of
// times a second of fire: it starts looking for the segment where the last
// look-up found it instead of at the first point, and gives the very same
// value. The table must not change while the cursor is in use.
class FireRateCursor {
  public:
    explicit FireRateCursor(const FireTable& table) : table_(table) {}

    double RateAt(double t);

  private:
    bool SegmentStillHolds(double t);
    bool HoldsTime(int segment, double t) const;
    bool TimesInOrder();

    const FireTable& table_;
    // Only a table whose times never go backwards (every table a fire file
    // gives) lets a segment be recognised from its two ends alone; checked
    // once, when first needed.
    enum class Order { Unknown, Ascending, Unordered } order_ = Order::Unknown;
    int segment_ = 1;
};

} // namespace vorla
