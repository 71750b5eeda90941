#include "verification/validation_scatter.h"

#include <cmath>
#include <cstddef>

namespace vorla::verification {

void AddValidationLines(plot::Plot& plot, double end, const ModelUncertainty& u,
                        const std::string& modelLabel) {
    const auto line = [&plot, end](std::string label, std::size_t colour, plot::SeriesStyle style,
                                   double slope) {
        plot.Series.push_back(
            {std::move(label), plot::kSeriesColours[colour], style, {{0, 0}, {end, slope * end}}});
    };
    line("M = E", 5, plot::SeriesStyle::Line, 1);
    line("experiment ±2σ̃_E", 1, plot::SeriesStyle::DashedLine, std::exp(2 * u.SigmaE));
    line("", 1, plot::SeriesStyle::DashedLine, std::exp(-2 * u.SigmaE));
    const double spread = std::exp(2 * u.SigmaM);
    line(modelLabel, 2, plot::SeriesStyle::DashedLine, u.Bias * spread);
    line("", 2, plot::SeriesStyle::DashedLine, u.Bias / spread);
}

} // namespace vorla::verification
