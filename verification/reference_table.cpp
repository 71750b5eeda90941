#include "verification/reference_table.h"

#include <cerrno>
#include <cmath>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <sstream>

namespace vorla::verification {
namespace {

std::vector<std::string> Cells(const std::string& line) {
    std::vector<std::string> cells;
    std::string cell;
    std::istringstream stream(line);
    while (std::getline(stream, cell, ',')) {
        cells.push_back(cell);
    }
    if (!line.empty() && line.back() == ',') {
        cells.emplace_back();
    }
    return cells;
}

} // namespace

const std::vector<double>& ReferenceTable::Column(const std::string& name) const {
    static const std::vector<double> kNone;
    const auto found = Columns.find(name);
    return found == Columns.end() ? kNone : found->second;
}

std::optional<std::string> ParseReferenceTable(const std::string& text, const std::string& path,
                                               ReferenceTable& table) {
    table.Columns.clear();
    std::istringstream lines(text);
    std::string line;
    if (!std::getline(lines, line)) {
        return "The reference table " + path + " is empty.";
    }
    if (!line.empty() && line.back() == '\r') {
        line.pop_back();
    }
    const std::vector<std::string> names = Cells(line);
    int number = 1;
    while (std::getline(lines, line)) {
        ++number;
        if (!line.empty() && line.back() == '\r') {
            line.pop_back();
        }
        if (line.empty()) {
            continue;
        }
        const std::vector<std::string> cells = Cells(line);
        if (cells.size() != names.size()) {
            return "Line " + std::to_string(number) + " of the reference table " + path + " has " +
                   std::to_string(cells.size()) + " values where the heading names " +
                   std::to_string(names.size()) + ".";
        }
        for (std::size_t i = 0; i < cells.size(); ++i) {
            double value = std::nan("");
            if (!cells[i].empty()) {
                char* end = nullptr;
                value = std::strtod(cells[i].c_str(), &end);
                if (end == cells[i].c_str() || *end != '\0') {
                    return "Line " + std::to_string(number) + " of the reference table " + path +
                           " holds \"" + cells[i] + "\" where a number belongs.";
                }
            }
            table.Columns[names[i]].push_back(value);
        }
    }
    return std::nullopt;
}

std::optional<std::string> ReadReferenceTable(const std::string& path, ReferenceTable& table) {
    std::ifstream file(path, std::ios::binary);
    if (!file) {
        return "The reference table " + path + " cannot be opened: " + std::strerror(errno) + ".";
    }
    std::ostringstream text;
    text << file.rdbuf();
    return ParseReferenceTable(text.str(), path, table);
}

} // namespace vorla::verification
