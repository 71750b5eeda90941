#include "zone_models/design_report_document.h"

#include "common/key_results/key_results_text.h"
#include "common/text/round_trip_text.h"
#include "common/suite_version.h"
#include "common/text/units.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <ctime>
#include <filesystem>
#include <optional>
#include <string_view>
#include <sys/stat.h>

namespace vorla {
namespace {

// The width of an input's name in its line, so the values stand in a column.
constexpr std::size_t kInputNameWidth = 24;

// Four significant digits (whole units from 1000 up): enough to read a
// converted value, never a long tail nor an exponent.
std::string ConvertedText(double value) {
    char text[48];
    if (std::abs(value) >= 1000 && std::abs(value) < 1e15) {
        std::snprintf(text, sizeof text, "%.0f", value);
    } else {
        std::snprintf(text, sizeof text, "%.4g", value);
    }
    return text;
}

// "floor_area_m2" -> "Floor area", with the unit suffix gone.
std::string InputWords(std::string name, std::string_view suffix) {
    if (!suffix.empty() && name.ends_with(suffix)) {
        name.erase(name.size() - suffix.size());
    }
    // The gases and the dose keep their capitals: "co2_yield" -> "CO2 yield".
    for (const std::string_view word : {"co2", "co", "hcn", "fed"}) {
        const std::string prefix = std::string(word) + "_";
        if (name.starts_with(prefix)) {
            std::transform(name.begin(), name.begin() + static_cast<long>(word.size()),
                           name.begin(), [](char c) { return static_cast<char>(std::toupper(c)); });
            break;
        }
    }
    std::replace(name.begin(), name.end(), '_', ' ');
    if (!name.empty()) {
        name[0] = static_cast<char>(std::toupper(static_cast<unsigned char>(name[0])));
    }
    return name;
}

struct InputUnit {
    std::string_view Suffix; // of the summary's name
    std::string_view Si;
    std::string_view Us;
    double UsPerSi;
    double UsOffset = 0; // °F at 0 °C
};

// The units the inputs come in, by the summary names' suffixes (the longer
// first: "_kw_m2" before "_m2", "_m2" before "_m").
constexpr std::array<InputUnit, 6> kInputUnits = {{
    {"_kw_m2", "kW/m²", "Btu/(ft²·s)", kSquareMetresPerSquareFoot / kKilowattsPerBtuPerSecond},
    {"_kj_kg", "kJ/kg", "Btu/lb", 1 / kKilojoulesPerKilogramPerBtuPerPound},
    {"_m2", "m²", "ft²", 1 / kSquareMetresPerSquareFoot},
    {"_m", "m", "ft", 1 / kMetresPerFoot},
    {"_s", "s", "s", 1},
    {"_c", "°C", "°F", 1.8, 32},
}};

// Six significant digits: a value typed in the form's US units comes back as
// typed after its conversion to S.I. units and back.
std::string TypedText(double value) {
    char text[48];
    if (std::abs(value) >= 1e6 && std::abs(value) < 1e15) {
        std::snprintf(text, sizeof text, "%.0f", value);
    } else {
        std::snprintf(text, sizeof text, "%.6g", value);
    }
    return text;
}

DocumentBlock Lines(std::vector<std::string> lines) {
    return {DocumentBlockKind::Lines, std::move(lines), {}};
}

DocumentBlock Paragraphs(std::vector<std::string> lines) {
    return {DocumentBlockKind::Paragraph, std::move(lines), {}};
}

DocumentBlock Graph(plot::Plot plot) {
    return {DocumentBlockKind::Graph, {}, std::move(plot)};
}

std::string Padded(std::string text, std::size_t width) {
    // Padded by characters as a reader counts them: UTF-8 continuation bytes take no column.
    const auto columns =
        static_cast<std::size_t>(std::count_if(text.begin(), text.end(), [](char c) {
            return (static_cast<unsigned char>(c) & 0xC0) != 0x80;
        }));
    if (columns < width) {
        text.append(width - columns, ' ');
    }
    return text + " ";
}

// The run title: the first of the inputs, as SummaryInputs lists them.
std::string TitleOf(const DesignReportRun& run) {
    return run.Inputs.empty() || !std::holds_alternative<std::string>(run.Inputs.front().Value)
               ? std::string()
               : std::get<std::string>(run.Inputs.front().Value);
}

std::vector<std::string> TitleBlock(const DesignReportRun& run) {
    const auto digest = [](const NamedFile& file, std::string_view missing) {
        return file.Sha256 ? *file.Sha256 : std::string(missing);
    };
    return {
        Padded("Run title:", kInputNameWidth) + TitleOf(run),
        Padded("Program:", kInputNameWidth) + run.Program + ", VORLA suite " +
            std::string(kSuiteVersion),
        Padded("Run date and time:", kInputNameWidth) + run.RunTime,
        Padded("Report file:", kInputNameWidth) + run.ReportFile.Name,
        Padded("Report SHA-256:", kInputNameWidth) + digest(run.ReportFile, "(not saved)"),
        Padded("Fire file:", kInputNameWidth) + run.FireFile.Name,
        Padded("Fire file SHA-256:", kInputNameWidth) + digest(run.FireFile, "(not read)"),
    };
}

plot::Plot FirePlot(const FireTable& fire) {
    plot::Plot plot;
    plot.Title = "Design fire";
    plot.Y = {plot::AxisKind::Value, "Heat Release Rate (kW)", std::nullopt};
    plot.Theme = plot::GraphTheme::Light;
    plot::PlotSeries series;
    series.Name = "fire file";
    for (int i = 0; i <= fire.LastIndex; ++i) {
        series.Points.push_back({fire.Points[i].Time / 60, fire.Points[i].Rate});
    }
    plot.Series.push_back(std::move(series));
    return plot;
}

std::string CriteriaLine(const KeyResults& keys, UnitSystem shown) {
    std::vector<double> heights;
    for (const auto& one : keys.InterfaceReachesS) {
        heights.push_back(one.Criterion);
    }
    std::vector<double> temperatures;
    for (const auto& one : keys.LayerTemperatureReachesS) {
        temperatures.push_back(one.Criterion);
    }
    const bool us = shown == UnitSystem::US;
    return "Criteria: interface heights " + ShownHeights(heights, shown) + (us ? " ft" : " m") +
           "; layer temperatures " + ShownTemperatures(temperatures, shown) + (us ? " °F" : " °C");
}

std::string StatisticsLine(std::string_view what, const ValidationStatistics& row) {
    char text[200];
    std::snprintf(text, sizeof text, "%s: bias %.3f, relative spread %.3f (%d tests, %d points)",
                  std::string(what).c_str(), row.Bias, row.SigmaM, row.Tests, row.Points);
    return text;
}

std::vector<std::string> UncertaintyLines(const UncertaintyRule& rule) {
    const auto found = FindUncertaintyStatistics(rule);
    if (const auto* why = std::get_if<std::string>(&found)) {
        return {"Model uncertainty: " + *why};
    }
    const auto& statistics = std::get<UncertaintyStatistics>(found);
    std::vector<std::string> lines = {
        "Model uncertainty, as the validation against measured fires gives it "
        "(docs/verification, statistics of " +
        std::string(statistics.Rise->Model) + ", heat loss fraction rule " +
        std::string(statistics.Rise->ChiRule) + "):"};
    lines.push_back(StatisticsLine("Peak layer temperature rise", *statistics.Rise));
    lines.push_back(StatisticsLine("Layer depth", *statistics.Depth));
    lines.push_back("A predicted value M stands for a true value within (M/bias)·exp(±2·spread) "
                    "at 95 % (McGrattan & Toman, Metrologia 48, 2011).");
    return lines;
}

// The text of an input's value.
std::string ValueText(const RunInput& input) {
    if (const auto* text = std::get_if<std::string>(&input.Value)) {
        return *text;
    }
    return RoundTripText(std::get<double>(input.Value));
}

// The note under the inputs when the heat loss fraction came from the
// estimator: the rule "estimate" is followed by the room's length-to-width
// ratio and the ceiling's word, as `--loss-fraction estimate` lists them.
std::optional<std::string> EstimateNote(const std::vector<RunInput>& inputs) {
    const auto rule = std::find_if(inputs.begin(), inputs.end(), [](const RunInput& input) {
        return input.Name == "loss_fraction_rule" && ValueText(input) == "estimate";
    });
    if (rule == inputs.end() || inputs.end() - rule < 3) {
        return std::nullopt;
    }
    const std::string ratio = ValueText(rule[1]);
    std::string ceiling = ValueText(rule[2]);
    std::replace(ceiling.begin(), ceiling.end(), '-', ' ');
    return "Loss fraction: estimated, not typed: the value the heat loss fraction estimator "
           "(Let Program Estimate Heat Loss Fraction, --loss-fraction estimate) gives for this "
           "room's floor area, room height, fire height and radiative fraction, a room length " +
           ratio + " times its width and " + (ceiling.starts_with('i') ? "an " : "a ") + ceiling +
           " ceiling; the model uncertainty below is the validation's for estimated fractions.";
}

std::vector<std::string> SplitLines(const std::string& text) {
    std::vector<std::string> lines;
    std::size_t start = 0;
    while (start < text.size()) {
        std::size_t end = text.find('\n', start);
        if (end == std::string::npos) {
            end = text.size();
        }
        std::string line = text.substr(start, end - start);
        if (!line.empty() && line.back() == '\r') {
            line.pop_back();
        }
        lines.push_back(std::move(line));
        start = end + 1;
    }
    return lines;
}

std::vector<std::string> Fields(const std::string& line) {
    std::vector<std::string> fields;
    std::size_t start = 0;
    for (;;) {
        const std::size_t comma = line.find(',', start);
        fields.push_back(line.substr(start, comma - start));
        if (comma == std::string::npos) {
            return fields;
        }
        start = comma + 1;
    }
}

} // namespace

std::string InputLine(const RunInput& input, UnitSystem shown) {
    if (const auto* text = std::get_if<std::string>(&input.Value)) {
        return Padded(InputWords(input.Name, ""), kInputNameWidth) + *text;
    }
    const double value = std::get<double>(input.Value);
    for (const auto& unit : kInputUnits) {
        if (input.Name.ends_with(unit.Suffix)) {
            const std::string name = Padded(InputWords(input.Name, unit.Suffix), kInputNameWidth);
            const std::string si = RoundTripText(value) + " " + std::string(unit.Si);
            if (unit.Si == unit.Us) {
                return name + si;
            }
            const double us = value * unit.UsPerSi + unit.UsOffset;
            if (shown == UnitSystem::US) {
                // The value the form shows first, to the six digits a typed
                // value has, then the S.I. value the run used, converted.
                return name + TypedText(us) + " " + std::string(unit.Us) + "  (" +
                       ConvertedText(value) + " " + std::string(unit.Si) + ")";
            }
            return name + si + "  (" + ConvertedText(us) + " " + std::string(unit.Us) + ")";
        }
    }
    return Padded(InputWords(input.Name, ""), kInputNameWidth) + RoundTripText(value);
}

std::vector<plot::Plot> QuantityPlots(const std::string& resultsCsv, UnitSystem shown,
                                      const std::optional<ComparedRunCurves>& compared) {
    struct Quantity {
        std::string_view Column;
        std::string_view Title;
        std::string_view Axis;
        std::string_view UsAxis;
        double UsPerSi;
        double UsOffset;
    };
    static constexpr std::array<Quantity, 4> kQuantities = {{
        {"layer_temperature_C", "Upper Layer Temperature", "Upper Layer Temperature (°C)",
         "Upper Layer Temperature (°F)", 1.8, 32},
        {"interface_height_m", "Layer Interface Height", "Layer Interface Height (m)",
         "Layer Interface Height (ft)", 1 / kMetresPerFoot, 0},
        {"heat_release_rate_kW", "Heat Release Rate", "Heat Release Rate (kW)",
         "Heat Release Rate (kW)", 1, 0},
        {"vent_flow_kg_s", "Vent Flow", "Vent Flow (kg/s)", "Vent Flow (lb/s)", kPoundsPerKilogram,
         0},
    }};
    const auto lines = SplitLines(resultsCsv);
    if (lines.empty()) {
        return {};
    }
    const bool us = shown == UnitSystem::US;
    const auto header = Fields(lines.front());
    std::vector<plot::Plot> plots;
    for (std::size_t k = 0; k < kQuantities.size(); ++k) {
        const auto& quantity = kQuantities[k];
        const auto column = std::find(header.begin(), header.end(), quantity.Column);
        if (column == header.end()) {
            continue;
        }
        const auto c = static_cast<std::size_t>(column - header.begin());
        plot::Plot plot;
        plot.Title = std::string(quantity.Title);
        plot.Y = {plot::AxisKind::Value, std::string(us ? quantity.UsAxis : quantity.Axis),
                  std::nullopt};
        plot.Theme = plot::GraphTheme::Light;
        plot::PlotSeries series;
        series.Name = "run";
        for (std::size_t r = 1; r < lines.size(); ++r) {
            const auto fields = Fields(lines[r]);
            if (fields.size() <= c) {
                continue;
            }
            const auto time = NumberOfRoundTripText(fields[0]);
            const auto value = NumberOfRoundTripText(fields[c]);
            if (time && value) {
                series.Points.push_back(
                    {*time / 60, us ? *value * quantity.UsPerSi + quantity.UsOffset : *value});
            }
        }
        plot.Series.push_back(std::move(series));
        if (compared && k < compared->Values.size() && !compared->Values[k].empty()) {
            // As the graph window draws it: the next colour of the palette,
            // and a legend naming both runs.
            plot.Series.front().Name = compared->CurrentName;
            plot::PlotSeries other;
            other.Name = compared->Name;
            other.Colour = plot::kSeriesColours[1];
            const auto& values = compared->Values[k];
            for (std::size_t i = 0; i < std::min(values.size(), compared->Minutes.size()); ++i) {
                other.Points.push_back({compared->Minutes[i], values[i]});
            }
            plot.Series.push_back(std::move(other));
            plot.Legend = plot::LegendPlace::TopRight;
        }
        plots.push_back(std::move(plot));
    }
    return plots;
}

std::optional<std::string> FileModifiedTime(const std::string& path) {
    struct stat status {};
    if (::stat(path.c_str(), &status) != 0) {
        return std::nullopt;
    }
    const std::time_t modified = status.st_mtime;
    std::tm utc{};
    gmtime_r(&modified, &utc);
    char text[32];
    std::strftime(text, sizeof text, "%Y-%m-%d %H:%M:%S UTC", &utc);
    return std::string(text) + " (the saved report's modification time; it carries no run date)";
}

std::string RunTimeNow() {
    const std::time_t now = std::chrono::system_clock::to_time_t(std::chrono::system_clock::now());
    std::tm utc{};
    gmtime_r(&now, &utc);
    char text[32];
    std::strftime(text, sizeof text, "%Y-%m-%d %H:%M:%S UTC", &utc);
    return text;
}

DesignDocument DesignReportDocument(const DesignReportRun& run) {
    DesignDocument document;
    document.Title = run.Program + " design report";
    // The run's title and the report's file name (its folder is in the title block).
    const std::string file = std::filesystem::path(run.ReportFile.Name).filename().string();
    document.PageHeader = run.Program + " design report: " + TitleOf(run) + " (" + file + ")";

    document.Sections.push_back({"Run", {Lines(TitleBlock(run))}, false});

    std::vector<std::string> inputs;
    for (const auto& input : run.Inputs) {
        inputs.push_back(InputLine(input, run.ShownUnits));
    }
    DocumentSection inputSection{"Inputs", {Lines(std::move(inputs))}, false};
    if (auto note = EstimateNote(run.Inputs)) {
        inputSection.Blocks.push_back(Paragraphs({std::move(*note)}));
    }
    document.Sections.push_back(std::move(inputSection));
    document.Sections.push_back({"Design fire", {Graph(FirePlot(run.Fire))}, false});

    std::vector<std::string> keys = {CriteriaLine(run.Keys, run.ShownUnits)};
    for (auto& line : KeyResultLines(run.Keys, run.ShownUnits)) {
        keys.push_back(std::move(line));
    }
    document.Sections.push_back({"Key results", {Paragraphs(std::move(keys))}, false});

    DocumentSection graphs{"Graphs", {}, false};
    for (auto& plot : QuantityPlots(run.ResultsCsv, run.ShownUnits, run.Compared)) {
        graphs.Blocks.push_back(Graph(std::move(plot)));
    }
    document.Sections.push_back(std::move(graphs));

    std::vector<std::string> limits;
    for (const auto& line : KeyResultLines(run.Keys, run.ShownUnits)) {
        if (line.starts_with("Validity limit")) {
            limits.push_back(line);
        }
    }
    if (limits.empty()) {
        limits.push_back("The run stayed within every validity limit of the model.");
    }
    for (auto& line : UncertaintyLines(run.Uncertainty)) {
        limits.push_back(std::move(line));
    }
    document.Sections.push_back(
        {"Validity limits and model uncertainty", {Paragraphs(std::move(limits))}, false});

    document.Sections.push_back(
        {"Appendix: the full table", {Lines(SplitLines(run.SavedReportText))}, true});
    return document;
}

} // namespace vorla
