#include "common/plot/design_document.h"

#include <array>
#include <cmath>
#include <limits>
#include <nlohmann/json.hpp>
#include <stdexcept>

namespace vorla {
namespace {

using Json = nlohmann::ordered_json;

constexpr std::array<std::string_view, 3> kBlockKinds = {"paragraph", "lines", "graph"};
constexpr std::array<std::string_view, 5> kSeriesStyles = {"line", "dashed", "markers", "steps",
                                                           "bars"};
constexpr std::array<std::string_view, 5> kLegendPlaces = {"none", "top-left", "top-right",
                                                           "bottom-left", "bottom-right"};

template <std::size_t N>
std::string_view NameOf(const std::array<std::string_view, N>& names, auto value) {
    return names[static_cast<std::size_t>(value)];
}

// The place of `name` in `names`; refused when it is none of them.
template <std::size_t N>
std::size_t PlaceOf(const std::array<std::string_view, N>& names, const Json& name) {
    const std::string text = name.get<std::string>();
    for (std::size_t i = 0; i < N; ++i) {
        if (names[i] == text) {
            return i;
        }
    }
    throw std::invalid_argument("unknown word \"" + text + "\"");
}

// A number that is not finite (a gap in a curve) is null in JSON.
Json NumberJson(double value) {
    return std::isfinite(value) ? Json(value) : Json(nullptr);
}

double NumberOf(const Json& value) {
    return value.is_null() ? std::numeric_limits<double>::quiet_NaN() : value.get<double>();
}

Json AxisJson(const plot::PlotAxis& axis) {
    const bool seconds = axis.Kind == plot::AxisKind::TimeSeconds;
    Json json{{"time", seconds || axis.Kind == plot::AxisKind::TimeMinutes},
              {"title", axis.Title}};
    if (seconds) {
        json["seconds"] = true;
    }
    if (axis.Maximum) {
        json["maximum"] = *axis.Maximum;
    }
    return json;
}

plot::PlotAxis AxisOf(const Json& json) {
    plot::PlotAxis axis;
    axis.Kind = !json.at("time").get<bool>()                         ? plot::AxisKind::Value
                : json.value("seconds", false) ? plot::AxisKind::TimeSeconds
                                               : plot::AxisKind::TimeMinutes;
    axis.Title = json.at("title").get<std::string>();
    if (json.contains("maximum")) {
        axis.Maximum = json.at("maximum").get<double>();
    }
    return axis;
}

Json PlotJson(const plot::Plot& plot) {
    Json series = Json::array();
    for (const auto& one : plot.Series) {
        Json points = Json::array();
        for (const auto& point : one.Points) {
            points.push_back(Json::array({NumberJson(point.X), NumberJson(point.Y)}));
        }
        series.push_back({{"name", one.Name},
                          {"colour", {one.Colour.Red, one.Colour.Green, one.Colour.Blue}},
                          {"style", NameOf(kSeriesStyles, one.Style)},
                          {"bar_width", one.BarWidth},
                          {"points", std::move(points)}});
    }
    return {{"title", plot.Title},
            {"x", AxisJson(plot.X)},
            {"y", AxisJson(plot.Y)},
            {"legend", NameOf(kLegendPlaces, plot.Legend)},
            {"light", plot.Theme == plot::GraphTheme::Light},
            {"series", std::move(series)}};
}

plot::Plot PlotOf(const Json& json) {
    plot::Plot plot;
    plot.Title = json.at("title").get<std::string>();
    plot.X = AxisOf(json.at("x"));
    plot.Y = AxisOf(json.at("y"));
    plot.Legend = static_cast<plot::LegendPlace>(PlaceOf(kLegendPlaces, json.at("legend")));
    plot.Theme = json.at("light").get<bool>() ? plot::GraphTheme::Light : plot::GraphTheme::Dark;
    for (const auto& one : json.at("series")) {
        plot::PlotSeries series;
        series.Name = one.at("name").get<std::string>();
        const auto& colour = one.at("colour");
        series.Colour = {colour.at(0).get<std::uint8_t>(), colour.at(1).get<std::uint8_t>(),
                         colour.at(2).get<std::uint8_t>()};
        series.Style = static_cast<plot::SeriesStyle>(PlaceOf(kSeriesStyles, one.at("style")));
        series.BarWidth = one.at("bar_width").get<double>();
        for (const auto& point : one.at("points")) {
            series.Points.push_back({NumberOf(point.at(0)), NumberOf(point.at(1))});
        }
        plot.Series.push_back(std::move(series));
    }
    return plot;
}

} // namespace

std::string DesignDocumentJson(const DesignDocument& document) {
    Json sections = Json::array();
    for (const auto& section : document.Sections) {
        Json blocks = Json::array();
        for (const auto& block : section.Blocks) {
            Json json{{"kind", NameOf(kBlockKinds, block.Kind)}};
            if (block.Kind == DocumentBlockKind::Graph) {
                json["graph"] = PlotJson(block.Graph);
            } else {
                json["lines"] = block.Lines;
            }
            blocks.push_back(std::move(json));
        }
        sections.push_back({{"heading", section.Heading},
                            {"starts_page", section.StartsPage},
                            {"blocks", std::move(blocks)}});
    }
    const Json json{{"title", document.Title},
                    {"page_header", document.PageHeader},
                    {"sections", std::move(sections)}};
    // Invalid UTF-8 in a title typed elsewhere is replaced, not refused.
    return json.dump(-1, ' ', false, Json::error_handler_t::replace);
}

DesignDocument WithTimeIn(DesignDocument document, plot::TimeAxisUnit unit) {
    for (auto& section : document.Sections) {
        for (auto& block : section.Blocks) {
            if (block.Kind == DocumentBlockKind::Graph) {
                block.Graph = plot::WithTimeIn(std::move(block.Graph), unit);
            }
        }
    }
    return document;
}

std::variant<DesignDocument, std::string> ReadDesignDocumentJson(std::string_view text) {
    const Json json = Json::parse(text, nullptr, false);
    if (json.is_discarded()) {
        return std::string("The design report's description is not JSON.");
    }
    try {
        DesignDocument document;
        document.Title = json.at("title").get<std::string>();
        document.PageHeader = json.at("page_header").get<std::string>();
        for (const auto& one : json.at("sections")) {
            DocumentSection section;
            section.Heading = one.at("heading").get<std::string>();
            section.StartsPage = one.at("starts_page").get<bool>();
            for (const auto& item : one.at("blocks")) {
                DocumentBlock block;
                block.Kind = static_cast<DocumentBlockKind>(PlaceOf(kBlockKinds, item.at("kind")));
                if (block.Kind == DocumentBlockKind::Graph) {
                    block.Graph = PlotOf(item.at("graph"));
                } else {
                    block.Lines = item.at("lines").get<std::vector<std::string>>();
                }
                section.Blocks.push_back(std::move(block));
            }
            document.Sections.push_back(std::move(section));
        }
        return document;
    } catch (const std::exception& error) {
        return std::string("The design report's description is not one (") + error.what() + ").";
    }
}

} // namespace vorla
