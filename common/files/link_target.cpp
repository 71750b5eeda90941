#include "common/files/link_target.h"

#include <cerrno>
#include <climits>
#include <cstdlib>
#include <filesystem>
#include <sys/stat.h>
#include <unistd.h>

namespace vorla {
namespace {

// As many links as the system itself follows before it calls it a loop.
constexpr int kMostLinksFollowed = 40;

bool LiesInProc(const std::string& folder) {
    char resolved[PATH_MAX];
    if (::realpath(folder.c_str(), resolved) == nullptr) {
        return false;
    }
    const std::string_view real(resolved);
    return real == "/proc" || real.rfind("/proc/", 0) == 0;
}

} // namespace

std::string FolderOf(const std::string& path) {
    const auto slash = path.find_last_of('/');
    if (slash == std::string::npos) {
        return ".";
    }
    return slash == 0 ? "/" : path.substr(0, slash);
}

LinkTarget FollowLinks(const std::string& path) {
    LinkTarget target{path};
    for (int hops = 0; hops <= kMostLinksFollowed; ++hops) {
        struct stat entry {};
        if (::lstat(target.path.c_str(), &entry) != 0) {
            if (errno != ENOENT) {
                target.error = errno;
            }
            return target;
        }
        if (!S_ISLNK(entry.st_mode)) {
            return target;
        }
        char text[PATH_MAX];
        const ssize_t length = ::readlink(target.path.c_str(), text, sizeof text);
        if (length < 0) {
            target.error = errno;
            return target;
        }
        if (static_cast<std::size_t>(length) >= sizeof text) {
            target.error = ENAMETOOLONG;
            return target;
        }
        const std::string folder = FolderOf(target.path);
        target.throughDescriptor = target.throughDescriptor || LiesInProc(folder);
        std::string next(text, static_cast<std::size_t>(length));
        // A relative link is read from the folder the link lies in.
        target.path = !next.empty() && next.front() == '/' ? next : folder + "/" + next;
    }
    target.error = ELOOP;
    return target;
}

} // namespace vorla
