#include "verification/scatter_plot_inputs.h"

#include <algorithm>
#include <cerrno>
#include <cmath>
#include <cstdlib>
#include <fstream>
#include <sstream>

namespace vorla::verification {

std::variant<std::vector<std::string>, std::string> CsvFields(const std::string& line) {
    std::vector<std::string> fields;
    std::string field;
    bool quoted = false;
    for (std::size_t i = 0; i < line.size(); ++i) {
        const char c = line[i];
        if (quoted) {
            if (c != '"') {
                field += c;
            } else if (i + 1 < line.size() && line[i + 1] == '"') {
                field += '"';
                ++i;
            } else {
                quoted = false;
            }
        } else if (c == '"') {
            quoted = true;
        } else if (c == ',') {
            fields.push_back(field);
            field.clear();
        } else if (c != '\r') {
            field += c;
        }
    }
    if (quoted) {
        return std::string("a quoted field is not closed");
    }
    fields.push_back(field);
    return fields;
}

std::variant<double, std::string> SigmaEOf(const std::string& text, const std::string& path,
                                           const std::string& title) {
    std::istringstream lines(text);
    std::string line;
    int number = 0;
    std::size_t titleColumn = 0;
    std::size_t sigmaColumn = 0;
    while (std::getline(lines, line)) {
        ++number;
        const auto read = CsvFields(line);
        if (const auto* problem = std::get_if<std::string>(&read)) {
            return path + ": line " + std::to_string(number) + ": " + *problem + ".";
        }
        const auto& fields = std::get<std::vector<std::string>>(read);
        if (number == 1) {
            const auto find = [&](const char* name) {
                return static_cast<std::size_t>(std::find(fields.begin(), fields.end(), name) -
                                                fields.begin());
            };
            titleColumn = find("Scatter_Plot_Title");
            sigmaColumn = find("Sigma_E");
            if (titleColumn == fields.size() || sigmaColumn == fields.size()) {
                return path + ": the heading has no Scatter_Plot_Title or no Sigma_E column.";
            }
            continue;
        }
        if (fields.size() <= std::max(titleColumn, sigmaColumn) || fields[titleColumn] != title) {
            continue;
        }
        const std::string& cell = fields[sigmaColumn];
        char* end = nullptr;
        errno = 0;
        const double percent = std::strtod(cell.c_str(), &end);
        if (cell.empty() || end != cell.c_str() + cell.size() || errno != 0 ||
            !std::isfinite(percent) || percent <= 0) {
            return path + ": line " + std::to_string(number) + ": the Sigma_E of \"" + title +
                   "\" is \"" + cell + "\", not a positive number of per cent.";
        }
        return percent / 100;
    }
    if (number == 0) {
        return path + " is empty.";
    }
    return path + " has no row \"" + title + "\".";
}

std::variant<double, std::string> ReadSigmaE(const std::string& path, const std::string& title) {
    std::ifstream file(path, std::ios::binary);
    if (!file) {
        return "Cannot read " + path + ".";
    }
    std::ostringstream text;
    text << file.rdbuf();
    return SigmaEOf(text.str(), path, title);
}

} // namespace vorla::verification
