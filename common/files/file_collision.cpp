#include "common/files/file_collision.h"

#include "common/files/same_file.h"

#include <sys/stat.h>

namespace vorla {
namespace {

bool IsNullDevice(const std::string& path) {
    struct stat file {};
    struct stat null {};
    return ::stat(path.c_str(), &file) == 0 && S_ISCHR(file.st_mode) &&
           ::stat("/dev/null", &null) == 0 && file.st_rdev == null.st_rdev;
}

} // namespace

bool WouldWriteOver(const std::string& written, const std::string& other) {
    return IsSameFile(written, other) && !IsNullDevice(written);
}

std::optional<FileCollision> FindFileCollision(std::span<const FileUse> uses) {
    for (std::size_t second = 1; second < uses.size(); ++second) {
        for (std::size_t first = 0; first < second; ++first) {
            const FileUse& a = uses[first];
            const FileUse& b = uses[second];
            if (a.Role == FileRole::Read && b.Role == FileRole::Read) {
                continue;
            }
            const std::string& written = a.Role == FileRole::Written ? a.Path : b.Path;
            const std::string& other = a.Role == FileRole::Written ? b.Path : a.Path;
            if (WouldWriteOver(written, other)) {
                return FileCollision{first, second};
            }
        }
    }
    return std::nullopt;
}

} // namespace vorla
