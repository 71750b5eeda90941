// The design report's description: an input's line in both unit systems
// (values converted by hand), and the JSON the batch command hands to its
// drawing program, read back whole or refused with a sentence.
#include "common/design_document.h"
#include "common/design_report.h"

#include <cmath>
#include <gtest/gtest.h>
#include <limits>

namespace vorla {
namespace {

TEST(DesignReport, AnInputLineGivesItsValueInBothSystems) {
    struct Case {
        RunInput Input;
        const char* Name;  // the words the line starts with
        const char* Value; // how it ends
    };
    const Case cases[] = {
        // 20 / 0.0929 = 215.29 ft² (the forms' factor, common/units.h)
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
