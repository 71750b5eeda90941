#include "zone_models/saved_report_names.h"

#include <filesystem>
#include <system_error>

namespace vorla {
namespace {

namespace fs = std::filesystem;

// The full path, links in the folders that exist followed, so two names of one
// file compare equal before the file itself exists.
fs::path FullPath(const fs::path& path) {
    std::error_code error;
    fs::path full = fs::absolute(path, error);
    if (error) {
        full = path;
    }
    const fs::path resolved = fs::weakly_canonical(full, error);
    return (error ? full : resolved).lexically_normal();
}

} // namespace

std::string SavedUnderName(const std::string& named, const std::string& savedAs) {
    if (!named.empty() && FullPath(named) == FullPath(savedAs)) {
        return named;
    }
    return savedAs;
}

std::string FireFileNameFor(const std::string& named, const std::string& readFrom,
                            const std::string& savedAs) {
    if (named.empty() || readFrom.empty() || fs::path(named).is_absolute()) {
        return named;
    }
    const fs::path folder = FullPath(savedAs).parent_path();
    const fs::path fire = FullPath(readFrom);
    if (FullPath(folder / named) == fire) {
        return named;
    }
    const fs::path relative = fire.lexically_relative(folder);
    return relative.empty() ? fire.string() : relative.string();
}

} // namespace vorla
