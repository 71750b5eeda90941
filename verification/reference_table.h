// A CSV table of the peer model's results: a heading line, then numbers.
#pragma once

#include <map>
#include <optional>
#include <string>
#include <vector>

namespace vorla::verification {

struct ReferenceTable {
    std::map<std::string, std::vector<double>> Columns; // an empty cell is NaN

    // The column, or an empty one when the table has none of that name.
    const std::vector<double>& Column(const std::string& name) const;
};

// Parses the text of a CSV file; an error sentence names `path` and the line.
std::optional<std::string> ParseReferenceTable(const std::string& text, const std::string& path,
                                               ReferenceTable& table);
std::optional<std::string> ReadReferenceTable(const std::string& path, ReferenceTable& table);

} // namespace vorla::verification
