// The standard growth classes of a t-squared fire: the time the fire takes to
// reach 1055 kW (1000 Btu/s). The t-squared form offers them in a drop-down
// that fills the growth factor alpha = 1055 kW / t².
#pragma once

#include "fire_generator/curves/unit_tables.h"

#include <array>
#include <string>
#include <string_view>

namespace vorla::generator {

struct GrowthClass {
    std::string_view Name; // as the drop-down shows it: "Slow (600 s)"
    int SecondsTo1055kW;
};

inline constexpr double kGrowthClassRate = 1055; // kW

inline constexpr std::array<GrowthClass, 4> kGrowthClasses = {{
    {"Slow (600 s)", 600},
    {"Medium (300 s)", 300},
    {"Fast (150 s)", 150},
    {"Ultra-fast (75 s)", 75},
}};

// The class's alpha in kW/s².
double GrowthClassAlpha(const GrowthClass& growth);

// The text the form's alpha box gets: the alpha in the shown unit (kW/s² or
// Btu/s/s²) to four significant figures, the way growth factors are quoted
// ("0.01172").
std::string GrowthClassAlphaText(const GrowthClass& growth, const UnitTables& units);

} // namespace vorla::generator
