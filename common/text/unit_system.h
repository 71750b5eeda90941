// The unit system a program shows its values in. Inside, every program computes
// in S.I. units; each keeps its own table of factors from the shown units.
#pragma once

namespace vorla {

enum class UnitSystem {
    SI, // "S.I. Units", the choice at start
    US, // "U.S. Engineering Units"
};

} // namespace vorla
