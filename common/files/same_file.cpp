#include "common/files/same_file.h"

#include "common/files/link_target.h"

#include <filesystem>
#include <sys/stat.h>

namespace vorla {
namespace {

// The absolute name a write to `path` would create: its own links followed,
// then the folders' links, "." and ".." resolved as far as they exist.
std::filesystem::path ResolvedPath(const std::string& path) {
    std::error_code ignored;
    const std::filesystem::path followed = FollowLinks(path).path;
    auto resolved =
        std::filesystem::weakly_canonical(std::filesystem::absolute(followed, ignored), ignored);
    return resolved.empty() ? followed.lexically_normal() : resolved.lexically_normal();
}

} // namespace

bool IsSameFile(const std::string& a, const std::string& b) {
    if (a.empty() || b.empty()) {
        return false;
    }
    struct stat first {};
    struct stat second {};
    const bool firstExists = ::stat(a.c_str(), &first) == 0;
    const bool secondExists = ::stat(b.c_str(), &second) == 0;
    if (firstExists && secondExists) {
        return first.st_dev == second.st_dev && first.st_ino == second.st_ino;
    }
    if (firstExists != secondExists) {
        return false;
    }
    return ResolvedPath(a) == ResolvedPath(b);
}

} // namespace vorla
