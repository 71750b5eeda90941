#include "common/atomic_file.h"

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <filesystem>
#include <sys/stat.h>
#include <unistd.h>

namespace vorla {
namespace {

std::string Failure(const std::string& path, int error) {
    return "The file " + path + " could not be written (" + std::strerror(error) + ").";
}

bool WriteAll(int fd, std::string_view content) {
    while (!content.empty()) {
        const ssize_t written = ::write(fd, content.data(), content.size());
        if (written < 0) {
            if (errno == EINTR) {
                continue;
            }
            return false;
        }
        content.remove_prefix(static_cast<std::size_t>(written));
    }
    return true;
}

} // namespace

std::optional<std::string> WriteFileAtomically(const std::string& path, std::string_view content) {
    if (path.empty()) {
        return "No file name was given.";
    }
    std::error_code ignored;
    if (std::filesystem::is_directory(path, ignored)) {
        return Failure(path, EISDIR);
    }
    // A link is followed: the file it names is replaced, and the link stays.
    std::filesystem::path target(path);
    if (std::filesystem::is_symlink(target, ignored)) {
        std::error_code unresolved;
        if (auto resolved = std::filesystem::canonical(target, unresolved); !unresolved) {
            target = std::move(resolved);
        }
    }
    // A file made read-only is not replaced behind its owner's back.
    if (::access(target.c_str(), F_OK) == 0 && ::access(target.c_str(), W_OK) != 0) {
        return Failure(path, errno);
    }
    const std::filesystem::path folder =
        target.has_parent_path() ? target.parent_path() : std::filesystem::path(".");
    std::string hiddenName = target.filename().string();
    hiddenName.insert(0, 1, '.');
    hiddenName.append(".XXXXXX");
    std::string temporary = (folder / hiddenName).string();

    const int fd = ::mkstemp(temporary.data());
    if (fd < 0) {
        return Failure(path, errno);
    }
    // Keep the permissions of the file being replaced, or the usual ones for a new file.
    struct stat existing {};
    if (::stat(target.c_str(), &existing) == 0) {
        ::fchmod(fd, existing.st_mode & 07777);
    } else {
        const mode_t mask = ::umask(0);
        ::umask(mask);
        ::fchmod(fd, 0666 & ~mask);
    }
    if (!WriteAll(fd, content) || ::fsync(fd) != 0) {
        const int error = errno;
        ::close(fd);
        ::unlink(temporary.c_str());
        return Failure(path, error);
    }
    if (::close(fd) != 0 || ::rename(temporary.c_str(), target.c_str()) != 0) {
        const int error = errno;
        ::unlink(temporary.c_str());
        return Failure(path, error);
    }
    return std::nullopt;
}

} // namespace vorla
