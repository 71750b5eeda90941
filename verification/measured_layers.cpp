#include "verification/measured_layers.h"

#include <cmath>
#include <cstdlib>
#include <fstream>
#include <sstream>

namespace vorla::verification {
namespace {

// The numbers of a CSV line ("NaN" reads as a NaN).
std::vector<double> Numbers(const std::string& line) {
    std::vector<double> values;
    std::stringstream cells(line);
    std::string cell;
    while (std::getline(cells, cell, ',')) {
        values.push_back(std::strtod(cell.c_str(), nullptr));
    }
    return values;
}

std::variant<std::vector<std::vector<double>>, std::string> Rows(const std::string& path,
                                                                 std::size_t columns) {
    std::ifstream file(path);
    if (!file) {
        return "The measurement file " + path + " cannot be read.";
    }
    std::vector<std::vector<double>> rows;
    std::string line;
    std::getline(file, line); // the headings
    int number = 1;
    while (std::getline(file, line)) {
        ++number;
        if (line.find_first_not_of(" \r") == std::string::npos) {
            continue;
        }
        auto values = Numbers(line);
        if (values.size() < columns) {
            return path + ", line " + std::to_string(number) + ": " + std::to_string(columns) +
                   " columns expected.";
        }
        rows.push_back(std::move(values));
    }
    return rows;
}

} // namespace

std::variant<SteadyLayer, std::string> ReadSteadyLayer(const std::string& path) {
    const auto read = Rows(path, 3);
    if (const auto* error = std::get_if<std::string>(&read)) {
        return *error;
    }
    const auto& rows = std::get<std::vector<std::vector<double>>>(read);
    if (rows.size() != 4 || rows[1][0] != rows[2][0]) {
        return path + ": a step profile of four rows is expected.";
    }
    SteadyLayer steady;
    steady.Layer.Interface = rows[1][0];
    steady.Layer.Lower = rows[0][1];
    steady.Layer.Upper = rows[3][1];
    steady.WindowStart = rows[1][2];
    steady.WindowEnd = rows[2][2];
    steady.Layer.Time = steady.WindowEnd;
    if (!(steady.WindowEnd > steady.WindowStart)) {
        return path + ": the averaging window is missing.";
    }
    return steady;
}

std::variant<std::vector<MeasuredLayer>, std::string> ReadLayerSeries(const std::string& path) {
    const auto read = Rows(path, 4);
    if (const auto* error = std::get_if<std::string>(&read)) {
        return *error;
    }
    std::vector<MeasuredLayer> series;
    for (const auto& row : std::get<std::vector<std::vector<double>>>(read)) {
        if (std::isfinite(row[0]) && std::isfinite(row[1]) && std::isfinite(row[3])) {
            series.push_back({row[0], row[1], row[2], row[3]});
        }
    }
    if (series.empty()) {
        return path + ": no rows.";
    }
    return series;
}

} // namespace vorla::verification

namespace vorla::verification {

double TimeToFallTo(const std::vector<InterfaceAt>& series, double height, double from, double to) {
    std::size_t highest = series.size();
    for (std::size_t i = 0; i < series.size(); ++i) {
        if (series[i].Time < from || series[i].Time > to) {
            continue;
        }
        if (highest == series.size() || series[i].Height > series[highest].Height) {
            highest = i;
        }
    }
    if (highest == series.size() || !(series[highest].Height > height)) {
        return -1;
    }
    for (std::size_t i = highest + 1; i < series.size() && series[i].Time <= to; ++i) {
        if (series[i].Height <= height) {
            const InterfaceAt& a = series[i - 1];
            const InterfaceAt& b = series[i];
            return a.Time + (a.Height - height) / (a.Height - b.Height) * (b.Time - a.Time);
        }
    }
    return -1;
}

} // namespace vorla::verification
