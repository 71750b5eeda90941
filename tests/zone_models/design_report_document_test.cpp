// The design report's description: an input's line in both unit systems
// (values converted by hand), and the JSON the batch command hands to its
// drawing program, read back whole or refused with a sentence.
#include "common/plot/design_document.h"
#include "zone_models/design_report_document.h"

#include <cmath>
#include <cstdio>
#include <filesystem>
#include <gtest/gtest.h>
#include <limits>
#include <utime.h>

namespace vorla {
namespace {

TEST(DesignReport, AnInputLineGivesItsValueInBothSystems) {
    struct Case {
        RunInput Input;
        const char* Name;  // the words the line starts with
        const char* Value; // how it ends
    };
    const Case cases[] = {
        // 20 / 0.0929 = 215.29 ft² (the forms' factor, common/text/units.h)
        {{"floor_area_m2", 20.0}, "Floor area ", "20 m²  (215.3 ft²)"},
        // 2.4 / 0.3048 = 7.8740 ft
        {{"room_height_m", 2.4}, "Room height ", "2.4 m  (7.874 ft)"},
        // 60 °C · 1.8 + 32 = 140 °F
        {{"tenability_temperature_c", 60.0}, "Tenability temperature ", "60 °C  (140 °F)"},
        // 27000 / 2.3259 = 11608.4 Btu/lb: whole units, no exponent
        {{"heat_of_combustion_kj_kg", 27000.0},
         "Heat of combustion ",
         "27000 kJ/kg  (11608 Btu/lb)"},
        // 2.5 · 0.0929 / 1.05504 = 0.22013 Btu/(ft²·s)
        {{"radiant_flux_limit_kw_m2", 2.5},
         "Radiant flux limit ",
         "2.5 kW/m²  (0.2201 Btu/(ft²·s))"},
        {{"run_time_s", 600.0}, "Run time ", "600 s"},
        {{"co2_yield", 2.33}, "CO2 yield ", "2.33"},
        {{"plume", std::string("heskestad")}, "Plume ", "heskestad"},
    };
    for (const auto& c : cases) {
        const std::string line = InputLine(c.Input);
        EXPECT_TRUE(line.starts_with(c.Name)) << line;
        EXPECT_TRUE(line.ends_with(c.Value)) << line;
    }
}

TEST(DesignReport, AnInputLineInUsUnitsGivesTheFormsValueFirst) {
    struct Case {
        RunInput Input;
        const char* Line; // after the name's column
    };
    const Case cases[] = {
        // 20 ft² typed: 20 · 0.0929 = 1.858 m², shown back as 20 ft²
        {{"floor_area_m2", 20 * 0.0929}, "20 ft²  (1.858 m²)"},
        // 10 ft typed: 3.048 m
        {{"room_height_m", 3.048}, "10 ft  (3.048 m)"},
        // 140 °F typed: (140 - 32) / 1.8 = 60 °C
        {{"tenability_temperature_c", 60.0}, "140 °F  (60 °C)"},
        // seconds are seconds in both systems
        {{"run_time_s", 600.0}, "600 s"},
    };
    for (const auto& c : cases) {
        const std::string line = InputLine(c.Input, UnitSystem::US);
        EXPECT_TRUE(line.ends_with(c.Line)) << line;
    }
}

// Three rows of a results CSV in S.I. units, as the models' ResultsCsv writes them.
constexpr const char* kResultsCsv =
    "time_s,layer_temperature_C,interface_height_m,heat_release_rate_kW,vent_flow_kg_s\n"
    "0,20,3.048,0,0\n"
    "30,100,1.524,50,1\n"
    "60,200,0.3048,100,0.5\n";

TEST(DesignReport, GraphsFollowTheFormsUnits) {
    struct Case {
        UnitSystem Units;
        const char* Axis[4];
        double Last[4]; // the values of the row at 60 s, converted by hand
    };
    const Case cases[] = {
        {UnitSystem::SI,
         {"Upper Layer Temperature (°C)", "Layer Interface Height (m)", "Heat Release Rate (kW)",
          "Vent Flow (kg/s)"},
         {200, 0.3048, 100, 0.5}},
        // 200 °C = 392 °F; 0.3048 m = 1 ft; 0.5 kg/s · 2.205 = 1.1025 lb/s (the forms' factor)
        {UnitSystem::US,
         {"Upper Layer Temperature (°F)", "Layer Interface Height (ft)", "Heat Release Rate (kW)",
          "Vent Flow (lb/s)"},
         {392, 1, 100, 1.1025}},
    };
    for (const auto& c : cases) {
        const auto plots = QuantityPlots(kResultsCsv, c.Units);
        ASSERT_EQ(plots.size(), 4u);
        for (std::size_t k = 0; k < 4; ++k) {
            EXPECT_EQ(plots[k].Y.Title, c.Axis[k]);
            ASSERT_EQ(plots[k].Series.size(), 1u);
            EXPECT_EQ(plots[k].Legend, plot::LegendPlace::None);
            const auto& points = plots[k].Series[0].Points;
            ASSERT_EQ(points.size(), 3u);
            EXPECT_DOUBLE_EQ(points[2].X, 1.0); // 60 s
            EXPECT_NEAR(points[2].Y, c.Last[k], 1e-9) << c.Axis[k];
        }
    }
}

TEST(DesignReport, GraphsDrawTheComparedRunWithALegend) {
    ComparedRunCurves compared{"Office",
                               "Office (office-b.vof)",
                               {0, 0.5, 1, 1.5},
                               {{25, 80, 150, 170}, {}, {0, 40, 90, 100}, {0, 0.2, 0.4, 0.5}}};
    const auto plots = QuantityPlots(kResultsCsv, UnitSystem::SI, compared);
    ASSERT_EQ(plots.size(), 4u);
    for (const std::size_t k : {0u, 2u, 3u}) {
        ASSERT_EQ(plots[k].Series.size(), 2u) << k;
        EXPECT_EQ(plots[k].Series[0].Name, "Office");
        EXPECT_EQ(plots[k].Series[1].Name, "Office (office-b.vof)");
        EXPECT_NE(plots[k].Series[1].Colour, plots[k].Series[0].Colour);
        EXPECT_NE(plots[k].Legend, plot::LegendPlace::None);
        ASSERT_EQ(plots[k].Series[1].Points.size(), 4u);
        EXPECT_EQ(plots[k].Series[1].Points[3].X, 1.5);
        EXPECT_EQ(plots[k].Series[1].Points[3].Y, compared.Values[k][3]);
    }
    // A quantity the compared run lacks is the run's alone, without a legend.
    EXPECT_EQ(plots[1].Series.size(), 1u);
    EXPECT_EQ(plots[1].Legend, plot::LegendPlace::None);

    DesignReportRun run;
    run.Program = "VORLA-XW";
    run.ResultsCsv = kResultsCsv;
    run.Compared = compared;
    std::size_t comparedGraphs = 0;
    for (const auto& section : DesignReportDocument(run).Sections) {
        for (const auto& block : section.Blocks) {
            if (block.Kind == DocumentBlockKind::Graph && block.Graph.Series.size() == 2) {
                ++comparedGraphs;
                EXPECT_EQ(section.Heading, "Graphs");
            }
        }
    }
    EXPECT_EQ(comparedGraphs, 3u);
}

TEST(DesignReport, ARunReadFromAFileIsDatedByTheFileAndSaysSo) {
    const auto path = std::filesystem::temp_directory_path() / "vorla-design-report-dated.vof";
    {
        std::FILE* file = std::fopen(path.c_str(), "w");
        ASSERT_NE(file, nullptr);
        std::fclose(file);
    }
    // 1 700 000 000 s after 1970-01-01 00:00 UTC is 2023-11-14 22:13:20 UTC.
    const utimbuf times{1700000000, 1700000000};
    ASSERT_EQ(utime(path.c_str(), &times), 0);
    const auto dated = FileModifiedTime(path.string());
    std::filesystem::remove(path);
    ASSERT_TRUE(dated.has_value());
    EXPECT_TRUE(dated->starts_with("2023-11-14 22:13:20 UTC (")) << *dated;
    EXPECT_NE(dated->find("modification time"), std::string::npos) << *dated;
    EXPECT_FALSE(FileModifiedTime(path.string()).has_value());
}

TEST(DesignReport, AnEstimatedLossFractionIsSaidToBeOneWithWhatItCameFrom) {
    const auto note = [](const std::vector<RunInput>& inputs) {
        DesignReportRun run;
        run.Program = "VORLA-XW";
        run.Inputs = inputs;
        for (const auto& section : DesignReportDocument(run).Sections) {
            if (section.Heading == "Inputs") {
                return section.Blocks.size() > 1 ? section.Blocks[1].Lines.at(0) : std::string();
            }
        }
        return std::string("(no inputs)");
    };
    const std::string estimated = note({{"title", std::string("Office")},
                                        {"loss_fraction", 0.6733},
                                        {"loss_fraction_rule", std::string("estimate")},
                                        {"length_to_width_ratio", 2.0},
                                        {"ceiling", std::string("moderately-rough")}});
    EXPECT_TRUE(estimated.starts_with("Loss fraction: estimated, not typed")) << estimated;
    EXPECT_NE(estimated.find("a room length 2 times its width and a moderately rough ceiling"),
              std::string::npos)
        << estimated;
    EXPECT_EQ(note({{"title", std::string("Office")}, {"loss_fraction", 0.6}}), "");
}

TEST(DesignDocument, ReadsBackWhatItWrites) {
    DesignDocument document;
    document.Title = "VORLA-XW design report";
    document.PageHeader = "VORLA-XW design report: Office, sofa fire (office.vof)";
    plot::Plot graph;
    graph.Title = "Vent Flow";
    graph.Y = {plot::AxisKind::Value, "Vent Flow (kg/s)", 2.5};
    graph.Theme = plot::GraphTheme::Light;
    graph.Legend = plot::LegendPlace::TopRight;
    graph.Series.push_back({"run",
                            plot::kSeriesColours[2],
                            plot::SeriesStyle::Steps,
                            {{0, 0}, {0.5, std::numeric_limits<double>::quiet_NaN()}, {1, 0.1}},
                            0});
    document.Sections = {
        {"Run",
         {{DocumentBlockKind::Lines, {"Run title: Office", "Program: VORLA-XW"}, {}}},
         false},
        {"Key results", {{DocumentBlockKind::Paragraph, {"Flashover at 326.0 s"}, {}}}, false},
        {"Graphs", {{DocumentBlockKind::Graph, {}, graph}}, false},
        {"Appendix", {}, true},
    };
    const auto read = ReadDesignDocumentJson(DesignDocumentJson(document));
    ASSERT_TRUE(std::holds_alternative<DesignDocument>(read)) << std::get<std::string>(read);
    const auto& again = std::get<DesignDocument>(read);
    EXPECT_EQ(again.Title, document.Title);
    EXPECT_EQ(again.PageHeader, document.PageHeader);
    ASSERT_EQ(again.Sections.size(), 4u);
    EXPECT_EQ(again.Sections[0].Blocks[0].Lines, document.Sections[0].Blocks[0].Lines);
    EXPECT_EQ(again.Sections[1].Blocks[0].Kind, DocumentBlockKind::Paragraph);
    EXPECT_TRUE(again.Sections[3].StartsPage);
    const auto& plot = again.Sections[2].Blocks[0].Graph;
    EXPECT_EQ(plot.Y.Title, "Vent Flow (kg/s)");
    EXPECT_EQ(plot.Y.Maximum, 2.5);
    EXPECT_EQ(plot.X.Kind, plot::AxisKind::TimeMinutes);
    EXPECT_EQ(plot.Theme, plot::GraphTheme::Light);
    EXPECT_EQ(plot.Legend, plot::LegendPlace::TopRight);
    ASSERT_EQ(plot.Series.size(), 1u);
    EXPECT_EQ(plot.Series[0].Colour, plot::kSeriesColours[2]);
    EXPECT_EQ(plot.Series[0].Style, plot::SeriesStyle::Steps);
    ASSERT_EQ(plot.Series[0].Points.size(), 3u);
    EXPECT_TRUE(std::isnan(plot.Series[0].Points[1].Y)); // a gap stays a gap
    EXPECT_EQ(plot.Series[0].Points[2].Y, 0.1);
}

TEST(DesignDocument, RefusesWhatIsNotOneWithASentence) {
    const char* texts[] = {
        "not JSON",
        R"({"title": "t", "page_header": "h"})",
        R"({"title": "t", "page_header": "h", "sections": [{"heading": "x", "starts_page": false,
            "blocks": [{"kind": "table", "lines": []}]}]})",
        R"({"title": 5, "page_header": "h", "sections": []})",
    };
    for (const char* text : texts) {
        const auto read = ReadDesignDocumentJson(text);
        ASSERT_TRUE(std::holds_alternative<std::string>(read)) << text;
        EXPECT_TRUE(std::get<std::string>(read).starts_with("The design report's description"))
            << text;
    }
}

} // namespace
} // namespace vorla
