#include "verification/doorway_flow.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <fstream>
#include <limits>
#include <sstream>

namespace vorla::verification {
namespace {

constexpr double kDensityTimesTemperature = 101325.0 / 287.05; // kg K/m³ of air at 1 atm
constexpr double kCelsiusToKelvin = 273.15;

std::vector<std::string> Cells(const std::string& line) {
    std::vector<std::string> cells;
    std::stringstream stream(line);
    std::string cell;
    while (std::getline(stream, cell, ',')) {
        cell.erase(0, cell.find_first_not_of(" \t"));
        cell.erase(cell.find_last_not_of(" \t\r") + 1);
        cells.push_back(cell);
    }
    if (!line.empty() && line.back() == ',') {
        cells.emplace_back();
    }
    return cells;
}

// A cell's number; NaN for an empty cell or "NaN".
double Value(const std::vector<std::string>& cells, std::size_t i) {
    if (i >= cells.size() || cells[i].empty()) {
        return std::numeric_limits<double>::quiet_NaN();
    }
    char* end = nullptr;
    const double v = std::strtod(cells[i].c_str(), &end);
    return end == cells[i].c_str() ? std::numeric_limits<double>::quiet_NaN() : v;
}

// The positive part of a quantity linear from fa at za to fb at zb.
double PositiveArea(double za, double fa, double zb, double fb) {
    const double dz = zb - za;
    if (fa >= 0 && fb >= 0) {
        return (fa + fb) / 2 * dz;
    }
    if (fa <= 0 && fb <= 0) {
        return 0;
    }
    const double crossing = za + fa / (fa - fb) * dz;
    return fa > 0 ? fa / 2 * (crossing - za) : fb / 2 * (zb - crossing);
}

} // namespace

std::variant<DoorwayFlow, std::string>
ParseDoorwayFlow(const std::string& text, const std::string& name, double width, double soffit) {
    std::stringstream lines(text);
    std::string line;
    if (!std::getline(lines, line)) {
        return name + ": the file is empty.";
    }
    const std::vector<std::string> headings = Cells(line);
    // Each place across the opening: its temperature and velocity columns.
    std::vector<std::pair<std::size_t, std::size_t>> places;
    for (std::size_t v = 0; v < headings.size(); ++v) {
        if (headings[v].rfind("V_", 0) != 0) {
            continue;
        }
        const std::string temperature = "T_" + headings[v].substr(2);
        const auto t = std::find(headings.begin(), headings.end(), temperature);
        if (t == headings.end()) {
            return name + ": the velocity column " + headings[v] + " has no column " + temperature +
                   ".";
        }
        places.emplace_back(static_cast<std::size_t>(t - headings.begin()), v);
    }
    if (headings.empty() || headings[0] != "Height" || places.empty()) {
        return name + ": a Height column and velocity columns V_… are expected.";
    }

    DoorwayFlow flow;
    int number = 1;
    while (std::getline(lines, line)) {
        ++number;
        if (line.find_first_not_of(" \r") == std::string::npos) {
            continue;
        }
        const std::vector<std::string> cells = Cells(line);
        const double height = Value(cells, 0);
        if (!std::isfinite(height)) {
            return name + ", line " + std::to_string(number) + ": the height is missing.";
        }
        double flux = 0;
        double velocity = 0;
        int measured = 0;
        for (const auto& [t, v] : places) {
            const double celsius = Value(cells, t);
            const double speed = Value(cells, v);
            if (!std::isfinite(celsius) || !std::isfinite(speed)) {
                continue;
            }
            flux += kDensityTimesTemperature / (celsius + kCelsiusToKelvin) * speed;
            velocity += speed;
            ++measured;
        }
        if (measured > 0) {
            flow.Rows.push_back({height, flux / measured, velocity / measured});
        }
    }
    if (flow.Rows.size() < 2) {
        return name + ": fewer than two heights with a measured velocity.";
    }
    std::sort(flow.Rows.begin(), flow.Rows.end(),
              [](const DoorwayRow& a, const DoorwayRow& b) { return a.Height > b.Height; });
    if (flow.Rows.front().Height > soffit) {
        return name + ": a velocity is measured above the soffit.";
    }

    const DoorwayRow& top = flow.Rows.front();
    flow.Outflow = std::max(top.MassFlux, 0.0) * (soffit - top.Height);
    for (std::size_t i = 0; i + 1 < flow.Rows.size(); ++i) {
        const DoorwayRow& upper = flow.Rows[i];
        const DoorwayRow& lower = flow.Rows[i + 1];
        flow.Outflow += PositiveArea(lower.Height, lower.MassFlux, upper.Height, upper.MassFlux);
        if (!flow.HasNeutralPlane && upper.Velocity > 0 && lower.Velocity <= 0) {
            flow.HasNeutralPlane = true;
            flow.NeutralPlane = lower.Height + (0 - lower.Velocity) /
                                                   (upper.Velocity - lower.Velocity) *
                                                   (upper.Height - lower.Height);
        }
    }
    flow.Outflow *= width;
    return flow;
}

std::variant<DoorwayFlow, std::string> ReadDoorwayFlow(const std::string& path, double width,
                                                       double soffit) {
    std::ifstream file(path);
    if (!file) {
        return "The measurement file " + path + " cannot be read.";
    }
    std::stringstream text;
    text << file.rdbuf();
    return ParseDoorwayFlow(text.str(), path, width, soffit);
}

} // namespace vorla::verification
