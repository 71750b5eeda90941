#include "fire_generator/curves/growth_classes.h"

#include <charconv>
#include <iterator>

namespace vorla::generator {

double GrowthClassAlpha(const GrowthClass& growth) {
    const double t = growth.SecondsTo1055kW;
    return kGrowthClassRate / (t * t);
}

std::string GrowthClassAlphaText(const GrowthClass& growth, const UnitTables& units) {
    const double shown = GrowthClassAlpha(growth) / units.HeatReleaseRate.ToSI;
    // Four significant figures as "%.4g" gives them; std::to_chars ignores the
    // locale, so the decimal separator is a point whatever the desktop's language.
    char text[32];
    const auto written =
        std::to_chars(std::begin(text), std::end(text), shown, std::chars_format::general, 4);
    return std::string(text, written.ptr);
}

} // namespace vorla::generator
