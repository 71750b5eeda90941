#include "common/fire_file_lookup.h"

#include "common/text_file.h"

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
    std::vector<std::string> places{FullPath(named)};
    const auto nextToReport = FullPath(std::filesystem::path(reportPath).parent_path() / named);
    if (std::find(places.begin(), places.end(), nextToReport) == places.end()) {
        places.push_back(nextToReport);
    }
    return places;
}

std::optional<FireFileError> ReadFireFileOfReport(const std::string& name,
                                                  const std::string& reportPath, FireTable& table) {
    const auto places = FireFilePlaces(name, reportPath);
    if (places.size() == 1 && places.front() == name) {
        return ReadFireFile(name, table);
    }
    std::string reasons;
    for (const auto& place : places) {
        const WholeFile file = ReadWholeFile(place);
        if (!file.problem) {
            return ParseFireFile(file.text, place, table);
        }
        reasons += (reasons.empty() ? "" : "; ") + place + ": " + *file.problem;
    }
    return FireFileError{FireFileError::Kind::CannotOpen, name, 0, reasons};
}

} // namespace vorla
