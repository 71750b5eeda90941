#include "common/fire_files/fire_file_lookup.h"

#include "common/files/text_file.h"

#include <algorithm>
#include <filesystem>
#include <system_error>

namespace vorla {
namespace {

std::string FullPath(const std::filesystem::path& path) {
    std::error_code error;
    const auto absolute = std::filesystem::absolute(path, error);
    return (error ? path : absolute).lexically_normal().string();
}

} // namespace

std::vector<std::string> FireFilePlaces(const std::string& name, const std::string& reportPath) {
    const std::filesystem::path named(name);
    if (reportPath.empty() || name.empty() || named.is_absolute()) {
        return {name};
    }
    std::vector<std::string> places{
        FullPath(std::filesystem::path(reportPath).parent_path() / named)};
    const auto asNamed = FullPath(named);
    if (std::find(places.begin(), places.end(), asNamed) == places.end()) {
        places.push_back(asNamed);
    }
    return places;
}

std::optional<FireFileError> ReadFireFileOfReport(const std::string& name,
                                                  const std::string& reportPath, FireTable& table) {
    std::string readFrom;
    return ReadFireFileOfReport(name, reportPath, table, readFrom);
}

std::optional<FireFileError> ReadFireFileOfReport(const std::string& name,
                                                  const std::string& reportPath, FireTable& table,
                                                  std::string& readFrom) {
    readFrom.clear();
    const auto places = FireFilePlaces(name, reportPath);
    if (places.size() == 1 && places.front() == name) {
        auto error = ReadFireFile(name, table);
        if (!error) {
            readFrom = name;
        }
        return error;
    }
    std::string reasons;
    for (const auto& place : places) {
        const WholeFile file = ReadWholeFile(place);
        if (!file.problem) {
            auto error = ParseFireFile(file.text, place, table);
            if (!error) {
                readFrom = place;
            }
            return error;
        }
        reasons += (reasons.empty() ? "" : "; ") + place + ": " + *file.problem;
    }
    return FireFileError{FireFileError::Kind::CannotOpen, name, 0, reasons};
}

} // namespace vorla
