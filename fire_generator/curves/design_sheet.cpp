#include "fire_generator/curves/design_sheet.h"

#include "common/fire_files/fire_file_reader.h"
#include "common/text/round_trip_text.h"
#include "common/suite_version.h"
#include "common/text/units.h"
#include "fire_generator/curves/fire_file_save.h"

#include <cstdio>
#include <filesystem>
#include <string>
#include <vector>

namespace vorla::generator {
namespace {

std::string Fixed(double value, int decimals) {
    char text[48];
    std::snprintf(text, sizeof text, "%.*f", decimals, value);
    return text;
}

std::string Row(std::string_view label, const std::string& value) {
    std::string line(label);
    line.append(line.size() < 26 ? 26 - line.size() : 1, ' ');
    return line + value;
}

std::vector<std::string> Lines(const std::string& text) {
    std::vector<std::string> lines;
    std::size_t start = 0;
    while (start < text.size()) {
        std::size_t end = text.find('\n', start);
        end = end == std::string::npos ? text.size() : end;
        std::string line = text.substr(start, end - start);
        if (!line.empty() && line.back() == '\r') {
            line.pop_back();
        }
        lines.push_back(std::move(line));
        start = end + 1;
    }
    return lines;
}

} // namespace

double CurveHeatReleasedMj(const DesignFireState& module) {
    double kilojoules = 0;
    for (int i = 1; i <= module.LastPoint; ++i) {
        const double span = module.FireTime[i] - module.FireTime[i - 1];
        kilojoules += span * (module.FireRate[i] + module.FireRate[i - 1]) / 2;
    }
    return kilojoules / 1000;
}

DesignDocument DesignFireSheet(const DesignFireState& module, std::string_view date) {
    // The numbers are those of the fire file as Save writes it and the models
    // read it (rates to 0.1 kW); a curve Save refuses gives its own.
    const auto content = FireFileContent(module, module.FireFileName, date);
    DesignFireState read = module;
    FireTable fileTable;
    if (const auto* text = std::get_if<std::string>(&content);
        text && !ParseFireFile(*text, module.FireFileName, fileTable)) {
        read.LastPoint = fileTable.LastIndex;
        for (int i = 0; i <= fileTable.LastIndex; ++i) {
            read.FireTime[i] = static_cast<std::int16_t>(fileTable.Points[i].Time);
            read.FireRate[i] = static_cast<float>(fileTable.Points[i].Rate);
        }
    }
    int peak = 0;
    for (int i = 1; i <= read.LastPoint; ++i) {
        if (read.FireRate[i] > read.FireRate[peak]) {
            peak = i;
        }
    }
    const double peakKw = read.FireRate[peak];
    const std::string file = std::filesystem::path(module.FireFileName).filename().string();

    DesignDocument sheet;
    sheet.Title = "QDOT-XW design-fire sheet";
    sheet.PageHeader = "QDOT-XW design-fire sheet: " + module.FireDescription + " (" + file + ")";
    sheet.Sections.push_back(
        {"Design fire",
         {{DocumentBlockKind::Lines,
           {Row("Description:", module.FireDescription),
            Row("Program:", "QDOT-XW, VORLA suite " + std::string(kSuiteVersion)),
            Row("Date:", std::string(date)), Row("Fire file:", module.FireFileName),
            Row("Heat of combustion:",
                RoundTripText(module.HeatOfCombustion) + " kJ/kg (" +
                    Fixed(module.HeatOfCombustion / kKilojoulesPerKilogramPerBtuPerPound, 1) +
                    " Btu/lb)"),
            Row("Delay time:", std::to_string(module.DelayTime) + " s"),
            Row("Points:", std::to_string(read.LastPoint + 1)),
            Row("Peak heat release rate:",
                Fixed(peakKw, 1) + " kW (" + Fixed(peakKw / kKilowattsPerBtuPerSecond, 1) +
                    " Btu/s) at " + std::to_string(read.FireTime[peak]) + " s"),
            Row("Duration:", std::to_string(read.FireTime[read.LastPoint]) + " s"),
            Row("Heat released:", Fixed(CurveHeatReleasedMj(read), 1) + " MJ")},
           {}}},
         false});

    // What the curve was built from, as its form took the values.
    if (!module.CurveKind.empty()) {
        std::vector<std::string> parameters = {Row("Curve:", module.CurveKind)};
        for (const auto& parameter : module.CurveParameters) {
            parameters.push_back(Row(parameter.Label + ":", parameter.Value));
        }
        sheet.Sections.push_back(
            {"Curve parameters", {{DocumentBlockKind::Lines, std::move(parameters), {}}}, false});
    }

    plot::Plot plot;
    plot.Title = module.FireDescription;
    plot.Y = {plot::AxisKind::Value, "Heat Release Rate (kW)", std::nullopt};
    plot.Theme = plot::GraphTheme::Light;
    plot::PlotSeries series;
    series.Name = "design fire";
    for (int i = 0; i <= module.LastPoint; ++i) {
        series.Points.push_back({module.FireTime[i] / 60.0, module.FireRate[i]});
    }
    plot.Series.push_back(std::move(series));
    sheet.Sections.push_back({"Curve", {{DocumentBlockKind::Graph, {}, std::move(plot)}}, false});

    // The table as Save writes it; a curve Save would refuse is listed point by point.
    std::vector<std::string> table;
    if (const auto* text = std::get_if<std::string>(&content)) {
        table = Lines(*text);
    } else {
        table.push_back("Time (s)   Rate (kW)");
        for (int i = 0; i <= module.LastPoint; ++i) {
            table.push_back(std::to_string(module.FireTime[i]) + "   " +
                            Fixed(module.FireRate[i], 1));
        }
    }
    sheet.Sections.push_back(
        {"Appendix: the fire file", {{DocumentBlockKind::Lines, std::move(table), {}}}, true});
    return sheet;
}

} // namespace vorla::generator
