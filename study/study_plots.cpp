#include "study/study_plots.h"

#include "common/text/round_trip_text.h"
#include "life_safety/tenability/aset_risk.h"
#include "study/study_file.h"

#include <algorithm>
#include <cmath>

namespace vorla::cli {
namespace {

using Json = nlohmann::ordered_json;

// A share axis ends at 1: the value axis takes the next round step above its
// largest value, and 1 is the next one above this.
constexpr double kShareAxisMaximum = 0.99;

struct Columns {
    std::size_t GridPoint = 0;
    std::size_t Status = 0;
    std::size_t EndTime = 0;
    std::optional<std::size_t> PeakTemperature;
    std::vector<std::size_t> Times; // flashover, then the criteria, in runs.csv order
    // With [rset]: each run's RSET and ASET, for the convergence of P(ASET < RSET).
    std::optional<std::size_t> Rset;
    std::optional<std::size_t> Aset;
};

constexpr const char* kAsetRiskName = "aset-risk-convergence";

std::optional<std::size_t> ColumnOf(const std::vector<std::string>& header, std::string_view name) {
    const auto found = std::find(header.begin(), header.end(), name);
    if (found == header.end()) {
        return std::nullopt;
    }
    return static_cast<std::size_t>(found - header.begin());
}

std::optional<Columns> FindColumns(const std::vector<std::string>& header) {
    const auto point = ColumnOf(header, "grid_point");
    const auto status = ColumnOf(header, "status");
    const auto end = ColumnOf(header, "end_time_s");
    if (!point || !status || !end) {
        return std::nullopt;
    }
    Columns columns{*point, *status, *end, ColumnOf(header, "peak_layer_temperature_c"),
                    {},     {},      {}};
    for (std::size_t c = 0; c < header.size(); ++c) {
        const auto& name = header[c];
        if (name == "flashover_time_s" || name.starts_with("interface_reaches_s@") ||
            name.starts_with("layer_temperature_reaches_s@")) {
            columns.Times.push_back(c);
        }
    }
    columns.Rset = ColumnOf(header, study::kRsetColumn);
    columns.Aset = ColumnOf(header, "aset_s");
    return columns;
}

// "Flashover", "Interface down to 1.8 m", "Layer at 200 °C".
std::string EventTitle(const std::string& column) {
    const auto at = column.find('@');
    if (at == std::string::npos) {
        return "Flashover";
    }
    const std::string criterion = column.substr(at + 1);
    if (column.starts_with("interface_reaches_s")) {
        return "Interface down to " + criterion + " m";
    }
    return "Layer at " + criterion + " °C";
}

constexpr const char* kHistogramName = "histogram-peak-layer-temperature";

// "cdf-flashover-time", "cdf-interface-reaches-1.8-m", "cdf-layer-temperature-reaches-200-c".
std::string CumulativeName(const std::string& column) {
    const auto at = column.find('@');
    if (at == std::string::npos) {
        return "cdf-flashover-time";
    }
    const std::string criterion = column.substr(at + 1);
    if (column.starts_with("interface_reaches_s")) {
        return "cdf-interface-reaches-" + criterion + "-m";
    }
    return "cdf-layer-temperature-reaches-" + criterion + "-c";
}

std::string InputText(const Json& value) {
    if (value.is_string()) {
        return value.get<std::string>();
    }
    if (value.is_number()) {
        return RoundTripText(value.get<double>());
    }
    return value.dump();
}

// The legend text of a grid point: its grid inputs, "all runs" when there are none.
std::string GridPointName(const Json& gridPoints, std::size_t point) {
    std::string name;
    if (point < gridPoints.size() && gridPoints[point].contains("inputs")) {
        for (const auto& [input, value] : gridPoints[point]["inputs"].items()) {
            name += (name.empty() ? "" : ", ") + input + " " + InputText(value);
        }
    }
    return name.empty() ? "all runs" : name;
}

struct Run {
    std::size_t GridPoint = 0; // 0-based
    std::vector<std::string> Fields;
};

std::optional<double> Number(const Run& run, std::size_t column) {
    return column < run.Fields.size() ? NumberOfRoundTripText(run.Fields[column]) : std::nullopt;
}

plot::Plot CumulativePlot(const std::string& column, std::size_t timeColumn,
                          const std::vector<Run>& runs, const Columns& columns,
                          const Json& gridPoints) {
    plot::Plot cdf;
    cdf.Title = EventTitle(column) + ": cumulative distribution of the time";
    cdf.Y = {plot::AxisKind::Value, "Share of Runs (-)", kShareAxisMaximum};
    cdf.Legend = plot::LegendPlace::BottomRight;
    const std::size_t points = std::max<std::size_t>(1, gridPoints.size());
    for (std::size_t p = 0; p < points; ++p) {
        std::vector<double> times;
        std::size_t count = 0;
        double end = 0;
        for (const auto& run : runs) {
            if (run.GridPoint != p) {
                continue;
            }
            ++count;
            end = std::max(end, Number(run, columns.EndTime).value_or(0) / 60);
            if (const auto time = Number(run, timeColumn)) {
                times.push_back(*time / 60);
            }
        }
        if (count == 0) {
            continue;
        }
        plot::PlotSeries series;
        series.Name = GridPointName(gridPoints, p);
        series.Colour = plot::kSeriesColours[p % plot::kSeriesColours.size()];
        series.Style = plot::SeriesStyle::Steps;
        series.Points = CumulativeSteps(std::move(times), count, end);
        cdf.Series.push_back(std::move(series));
    }
    return cdf;
}

// P(ASET < RSET) after the first 1, 2, ... decided runs of the whole study in
// run order, with its 95 % Wilson interval; runs without an RSET are left out.
plot::Plot AsetRiskPlot(const std::vector<Run>& runs, const Columns& columns) {
    std::vector<tenability::EgressRun> egress;
    for (const auto& run : runs) {
        const auto rset = Number(run, *columns.Rset);
        if (!rset) {
            continue;
        }
        egress.push_back({columns.Aset ? Number(run, *columns.Aset) : std::nullopt,
                          Number(run, columns.EndTime).value_or(0), *rset});
    }
    plot::Plot plot;
    plot.Title = "P(ASET < RSET) against the number of runs, with its 95 % interval";
    plot.X = {plot::AxisKind::Value, "Number of Runs (-)", std::nullopt};
    plot.Y = {plot::AxisKind::Value, "P(ASET < RSET) (-)", kShareAxisMaximum};
    plot.Legend = plot::LegendPlace::BottomRight;
    plot::PlotSeries p{"P(ASET < RSET)", plot::kSeriesColours[0], plot::SeriesStyle::Line, {}, 0};
    plot::PlotSeries low{"95 % low", plot::kSeriesColours[1], plot::SeriesStyle::DashedLine, {}, 0};
    plot::PlotSeries high{
        "95 % high", plot::kSeriesColours[1], plot::SeriesStyle::DashedLine, {}, 0};
    const auto estimates = tenability::AsetRiskConvergence(egress);
    for (std::size_t n = 0; n < estimates.size(); ++n) {
        const auto& e = estimates[n];
        if (e.P && e.Low && e.High) {
            const double x = static_cast<double>(n + 1);
            p.Points.push_back({x, *e.P});
            low.Points.push_back({x, *e.Low});
            high.Points.push_back({x, *e.High});
        }
    }
    plot.Series = {std::move(p), std::move(low), std::move(high)};
    return plot;
}

} // namespace

std::vector<plot::PlotPoint> CumulativeSteps(std::vector<double> times, std::size_t count,
                                             double endTime) {
    std::sort(times.begin(), times.end());
    std::vector<plot::PlotPoint> steps;
    const auto share = [count](std::size_t reached) {
        return static_cast<double>(reached) / static_cast<double>(count);
    };
    std::size_t reached = 0;
    while (reached < times.size() && times[reached] <= 0) {
        ++reached;
    }
    steps.push_back({0, share(reached)});
    while (reached < times.size()) {
        const double time = times[reached];
        while (reached < times.size() && times[reached] == time) {
            ++reached;
        }
        steps.push_back({time, share(reached)});
    }
    steps.push_back({std::max(endTime, steps.back().X), share(reached)});
    return steps;
}

std::vector<plot::PlotPoint> HistogramBars(const std::vector<double>& values, double& width) {
    width = 0;
    if (values.empty()) {
        return {};
    }
    const auto [low, high] = std::minmax_element(values.begin(), values.end());
    const auto bins =
        static_cast<std::size_t>(std::ceil(std::log2(static_cast<double>(values.size())))) + 1;
    if (*high == *low) {
        // One value: one bar a twentieth of it wide (or 1 wide at 0).
        width = *low == 0 ? 1 : std::abs(*low) / 20;
        return {{*low, static_cast<double>(values.size())}};
    }
    width = (*high - *low) / static_cast<double>(bins);
    std::vector<double> counts(bins, 0);
    for (const double value : values) {
        const double at = (value - *low) / width;
        const auto bin = at < static_cast<double>(bins) ? static_cast<std::size_t>(at) : bins - 1;
        counts[bin] += 1;
    }
    std::vector<plot::PlotPoint> bars;
    for (std::size_t b = 0; b < bins; ++b) {
        bars.push_back({*low + (static_cast<double>(b) + 0.5) * width, counts[b]});
    }
    return bars;
}

std::vector<std::string> StudyPlotNames(const std::vector<std::string>& header) {
    const auto columns = FindColumns(header);
    if (!columns) {
        return {};
    }
    std::vector<std::string> names;
    for (const std::size_t column : columns->Times) {
        names.push_back(CumulativeName(header[column]));
    }
    if (columns->PeakTemperature) {
        names.push_back(kHistogramName);
    }
    if (columns->Rset) {
        names.emplace_back(kAsetRiskName);
    }
    return names;
}

std::optional<std::string> CheckStudyPlotData(const study::RunsTable& table, const Json& summary,
                                              const std::string& runsPath,
                                              const std::string& summaryPath) {
    const Json* points =
        summary.is_object() && summary.contains("grid_points") ? &summary["grid_points"] : nullptr;
    bool listed = points != nullptr && points->is_array() && !points->empty();
    for (std::size_t p = 0; listed && p < points->size(); ++p) {
        const Json& point = (*points)[p];
        listed = point.is_object() && point.contains("inputs") && point["inputs"].is_object();
    }
    if (!listed) {
        return "The file " + summaryPath +
               " is not the summary.json of a study: its grid_points is not a list of grid "
               "points with their inputs.";
    }
    const auto columns = FindColumns(table.Header);
    if (!columns) {
        return std::nullopt;
    }
    std::vector<std::size_t> numbers = columns->Times;
    numbers.push_back(columns->EndTime);
    if (columns->PeakTemperature) {
        numbers.push_back(*columns->PeakTemperature);
    }
    for (const auto column : {columns->Rset, columns->Aset}) {
        if (column) {
            numbers.push_back(*column);
        }
    }
    for (std::size_t k = 0; k < table.Lines.size(); ++k) {
        const std::string where = runsPath + ":" + std::to_string(k + 2) + ": ";
        Run run;
        run.Fields = study::CsvFields(table.Lines[k]);
        if (run.Fields.size() != table.Header.size()) {
            return where + "the line does not have the header's " +
                   std::to_string(table.Header.size()) + " fields.";
        }
        if (run.Fields[columns->Status] != "ok") {
            continue;
        }
        const std::string& point = run.Fields[columns->GridPoint];
        const auto number = Number(run, columns->GridPoint);
        if (!number || !(*number >= 1 && *number <= static_cast<double>(points->size())) ||
            *number != std::floor(*number)) {
            return where + "the grid point \"" + point + "\" is not a whole number from 1 to " +
                   std::to_string(points->size()) + " (the grid points of " + summaryPath + ").";
        }
        for (const std::size_t column : numbers) {
            const std::string& cell = run.Fields[column];
            const auto value = Number(run, column);
            if (!cell.empty() && !(value && std::abs(*value) < 1e300)) {
                return where + table.Header[column] + " \"" + cell +
                       "\" is not a number a run gives.";
            }
        }
    }
    return std::nullopt;
}

std::vector<StudyPlot> StudyPlots(const study::RunsTable& table, const Json& gridPoints) {
    const auto columns = FindColumns(table.Header);
    if (!columns) {
        return {};
    }
    std::vector<Run> runs;
    for (const auto& line : table.Lines) {
        Run run;
        run.Fields = study::CsvFields(line);
        if (run.Fields.size() <= columns->Status || run.Fields[columns->Status] != "ok") {
            continue;
        }
        const auto point = Number(run, columns->GridPoint);
        // CheckStudyPlotData refuses such lines; a conversion out of range is
        // undefined, so they are never converted.
        if (!point || !(*point >= 1 && *point <= static_cast<double>(study::kMostRuns))) {
            continue;
        }
        run.GridPoint = static_cast<std::size_t>(*point) - 1;
        runs.push_back(std::move(run));
    }

    std::vector<StudyPlot> plots;
    for (const std::size_t column : columns->Times) {
        const std::string& name = table.Header[column];
        plots.push_back(
            {CumulativeName(name), CumulativePlot(name, column, runs, *columns, gridPoints)});
    }
    if (columns->PeakTemperature) {
        std::vector<double> peaks;
        for (const auto& run : runs) {
            if (const auto peak = Number(run, *columns->PeakTemperature)) {
                peaks.push_back(*peak);
            }
        }
        plot::Plot histogram;
        histogram.Title = "Peak layer temperature: histogram of the runs";
        histogram.X = {plot::AxisKind::Value, "Peak Layer Temperature (°C)", std::nullopt};
        histogram.Y = {plot::AxisKind::Value, "Number of Runs (-)", std::nullopt};
        plot::PlotSeries bars;
        bars.Name = "all runs";
        bars.Style = plot::SeriesStyle::Bars;
        bars.Points = HistogramBars(peaks, bars.BarWidth);
        histogram.Series.push_back(std::move(bars));
        plots.push_back({kHistogramName, std::move(histogram)});
    }
    if (columns->Rset) {
        plots.push_back({kAsetRiskName, AsetRiskPlot(runs, *columns)});
    }
    return plots;
}

} // namespace vorla::cli
