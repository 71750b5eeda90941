#include "common/files/atomic_file.h"

#include "common/files/link_target.h"

#include <atomic>
#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <random>
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

// Closes `fd` and gives the first error of the write, the flush or the close.
int FinishDescriptor(int fd, bool written, bool flush) {
    int error = written ? 0 : errno;
    if (error == 0 && flush && ::fsync(fd) != 0) {
        error = errno;
    }
    if (::close(fd) != 0 && error == 0) {
        error = errno;
    }
    return error;
}

// A rename is only on disk once the folder holding the new entry is. File
// systems that cannot flush a folder say EINVAL; there is nothing more to do.
int FlushFolder(const std::string& folder) {
    const int fd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0) {
        return 0; // a folder that may be written but not read; the rename stands
    }
    int error = ::fsync(fd) == 0 || errno == EINVAL ? 0 : errno;
    ::close(fd);
    return error;
}

// A device, a FIFO, a socket or a descriptor's link: opened and written as a
// shell redirect would. A FIFO without a reader waits for one, as there.
std::optional<std::string> WriteThrough(const std::string& path, std::string_view content) {
    const int fd = ::open(path.c_str(), O_WRONLY | O_TRUNC | O_CLOEXEC | O_NOCTTY);
    if (fd < 0) {
        return Failure(path, errno);
    }
    struct stat opened {};
    const bool regular = ::fstat(fd, &opened) == 0 && S_ISREG(opened.st_mode);
    if (const int error = FinishDescriptor(fd, WriteAll(fd, content), regular)) {
        return Failure(path, error);
    }
    return std::nullopt;
}

// Every hard link of the file shares its content: only writing into the file
// itself keeps them together. Writing over the old bytes before cutting the
// rest keeps the space the file already has.
std::optional<std::string> WriteInPlace(const std::string& path, const std::string& target,
                                        std::string_view content) {
    const int fd = ::open(target.c_str(), O_WRONLY | O_CLOEXEC | O_NOCTTY);
    if (fd < 0) {
        return Failure(path, errno);
    }
    const bool written =
        WriteAll(fd, content) && ::ftruncate(fd, static_cast<off_t>(content.size())) == 0;
    if (const int error = FinishDescriptor(fd, written, true)) {
        return Failure(path, error);
    }
    return std::nullopt;
}

// Gives the new file the old one's owner, group and mode. The owner can only be
// set by the superuser and the group only to one the user belongs to; where the
// system refuses, the file stays the user's own.
void TakeOver(int fd, const struct stat& old) {
    if (::fchown(fd, old.st_uid, old.st_gid) != 0) {
        [[maybe_unused]] const int ignored = ::fchown(fd, static_cast<uid_t>(-1), old.st_gid);
    }
    ::fchmod(fd, old.st_mode & 07777);
}

// Creates a new, empty temporary file in `folder`. Its name is short, so that a
// name that fits the file system can always be written, however long it is.
// It is created with the usual permissions (0666 less the umask, applied by the
// system): reading the umask would mean setting it, which other threads
// writing files at the same time would see.
int CreateTemporary(const std::string& folder, std::string& temporary) {
    static std::atomic<unsigned> serial{0};
    std::random_device entropy;
    for (int attempt = 0; attempt < 100; ++attempt) {
        char name[32];
        std::snprintf(name, sizeof name, "/.vorla-%08x", entropy() ^ serial++);
        temporary = folder + name;
        const int fd =
            ::open(temporary.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC | O_NOCTTY, 0666);
        if (fd >= 0 || errno != EEXIST) {
            return fd;
        }
    }
    errno = EEXIST;
    return -1;
}

std::optional<std::string> Replace(const std::string& path, const std::string& target,
                                   const struct stat* old, std::string_view content) {
    const std::string folder = FolderOf(target);
    std::string temporary;
    const int fd = CreateTemporary(folder, temporary);
    if (fd < 0) {
        return Failure(path, errno);
    }
    if (old != nullptr) {
        TakeOver(fd, *old);
    }
    int error = FinishDescriptor(fd, WriteAll(fd, content), true);
    if (error == 0 && ::rename(temporary.c_str(), target.c_str()) != 0) {
        error = errno;
    }
    if (error != 0) {
        ::unlink(temporary.c_str());
        return Failure(path, error);
    }
    if (const int flushError = FlushFolder(folder)) {
        return Failure(path, flushError);
    }
    return std::nullopt;
}

// A file nobody may write is one its owner made read-only on purpose; the
// superuser's power to write it anyway is no reason to.
int ReadOnlyError(const std::string& path, const struct stat& existing) {
    if ((existing.st_mode & (S_IWUSR | S_IWGRP | S_IWOTH)) == 0) {
        return EACCES;
    }
    return ::access(path.c_str(), W_OK) == 0 ? 0 : errno;
}

} // namespace

std::optional<std::string> WriteFileAtomically(const std::string& path, std::string_view content) {
    if (path.empty()) {
        return "No file name was given.";
    }
    struct stat existing {};
    if (::stat(path.c_str(), &existing) != 0) {
        if (errno != ENOENT) {
            return Failure(path, errno); // a loop of links among them
        }
        const LinkTarget target = FollowLinks(path);
        if (target.error != 0) {
            return Failure(path, target.error);
        }
        return Replace(path, target.path, nullptr, content);
    }
    if (S_ISDIR(existing.st_mode)) {
        return Failure(path, EISDIR);
    }
    if (!S_ISREG(existing.st_mode)) {
        return WriteThrough(path, content);
    }
    const LinkTarget target = FollowLinks(path);
    if (target.error != 0) {
        return Failure(path, target.error);
    }
    if (target.throughDescriptor) {
        return WriteThrough(path, content);
    }
    if (const int error = ReadOnlyError(target.path, existing)) {
        return Failure(path, error);
    }
    if (existing.st_nlink > 1) {
        return WriteInPlace(path, target.path, content);
    }
    return Replace(path, target.path, &existing, content);
}

} // namespace vorla
