#include "common/files/text_file.h"

#include <algorithm>
#include <cerrno>
#include <cstdint>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace vorla {
namespace {

WholeFile Problem(std::string reason) {
    return {{}, std::move(reason)};
}

std::string TooLarge(std::size_t largest) {
    return "it is larger than " + std::to_string(largest / (1024 * 1024)) + " MB";
}

// Why a file of this type is not read, or nothing for a regular file.
std::optional<std::string> TypeProblem(mode_t mode) {
    if (S_ISREG(mode)) {
        return std::nullopt;
    }
    if (S_ISDIR(mode)) {
        return "it is a folder";
    }
    return "it is not a regular file";
}

class Descriptor {
  public:
    explicit Descriptor(int fd) : fd_(fd) {}
    ~Descriptor() {
        if (fd_ >= 0) {
            ::close(fd_);
        }
    }
    Descriptor(const Descriptor&) = delete;
    Descriptor& operator=(const Descriptor&) = delete;
    int get() const { return fd_; }

  private:
    int fd_;
};

} // namespace

WholeFile ReadWholeFile(const std::string& path) {
    return ReadWholeFile(path, kLargestReadableFile);
}

WholeFile ReadWholeFile(const std::string& path, std::size_t largest) {
    // The type is known before the file is opened: opening some devices has
    // effects of its own.
    struct stat named {};
    if (::stat(path.c_str(), &named) != 0) {
        return Problem(std::strerror(errno));
    }
    if (auto problem = TypeProblem(named.st_mode)) {
        return Problem(std::move(*problem));
    }
    // Non-blocking, so that a FIFO put in the file's place meanwhile cannot
    // hold the open; the descriptor's own type is checked again below.
    const Descriptor file(::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY));
    if (file.get() < 0) {
        return Problem(std::strerror(errno));
    }
    struct stat opened {};
    if (::fstat(file.get(), &opened) != 0) {
        return Problem(std::strerror(errno));
    }
    if (auto problem = TypeProblem(opened.st_mode)) {
        return Problem(std::move(*problem));
    }
    if (static_cast<std::uintmax_t>(opened.st_size) > largest) {
        return Problem(TooLarge(largest));
    }
    // Read to the end, whatever the size said: a file that grows past the cap
    // while it is read is refused too.
    std::string text(static_cast<std::size_t>(opened.st_size), '\0');
    std::size_t used = 0;
    for (;;) {
        if (used == text.size()) {
            if (text.size() > largest) {
                return Problem(TooLarge(largest));
            }
            text.resize(std::min(largest + 1, text.size() + 4096));
        }
        const ssize_t got = ::read(file.get(), text.data() + used, text.size() - used);
        if (got < 0) {
            if (errno == EINTR) {
                continue;
            }
            return Problem(std::strerror(errno));
        }
        if (got == 0) {
            break;
        }
        used += static_cast<std::size_t>(got);
    }
    text.resize(used);
    return {std::move(text), std::nullopt};
}

} // namespace vorla
