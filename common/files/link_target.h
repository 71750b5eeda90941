// Where a name leads when a file is written under it: the links that the name
// itself is are followed one by one, so that a link whose file does not exist
// yet still leads somewhere.
#pragma once

#include <string>

namespace vorla {

struct LinkTarget {
    // The name a write ends at: `path` itself when it is no link. It may not
    // exist yet (a new name, or the end of a dangling link).
    std::string path;
    // The errno value that stopped the walk (ELOOP for a loop), or 0.
    int error = 0;
    // A link on the way lies in /proc: /dev/stdout, /dev/fd/N. Such a link
    // stands for a descriptor the program holds, not for a name to replace.
    bool throughDescriptor = false;
};

LinkTarget FollowLinks(const std::string& path);

// The folder a name lies in: "." for a bare name, "/" for one at the root.
std::string FolderOf(const std::string& path);

} // namespace vorla
