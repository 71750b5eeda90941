// Whether two names given by a user lead to one file, so that writing one
// would destroy the other.
#pragma once

#include <string>

namespace vorla {

// True when `a` and `b` name the same file: the same device and inode when
// both exist, otherwise the same absolute path once links (also one to a file
// not yet written), "." and ".." are resolved. "out.vof", "./out.vof" and a
// link to it are the same file; two names of one hard-linked file are too.
bool IsSameFile(const std::string& a, const std::string& b);

} // namespace vorla
