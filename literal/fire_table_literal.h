// The fire table's interpolation as it was first written: a linear search from
// the first point on every call.
#pragma once

#include "common/fire_files/fire_table.h"

namespace vorla::literal {

double FireRateAt(const FireTable& table, double t);

} // namespace vorla::literal
