// Whether writing a file would destroy another file the same piece of work
// reads or writes: the batch command checks every pair of its options, the
// windows' Save checks the file it saves to against the fire file the run read.
#pragma once

#include <cstddef>
#include <optional>
#include <span>
#include <string>

namespace vorla {

enum class FileRole { Read, Written };

struct FileUse {
    std::string Path; // as given; empty for none
    FileRole Role = FileRole::Read;
};

// Two entries of a list of uses, by their places in it (First < Second).
struct FileCollision {
    std::size_t First = 0;
    std::size_t Second = 0;
    bool operator==(const FileCollision&) const = default;
};

// True when writing `written` would write over `other`: the two names lead to
// one file (IsSameFile). The null device holds nothing, so writing it never
// destroys anything, and an empty name is no file.
bool WouldWriteOver(const std::string& written, const std::string& other);

// The first pair, in list order, of uses that lead to one file where at least
// one of the two writes it. Two reads of one file are no collision.
std::optional<FileCollision> FindFileCollision(std::span<const FileUse> uses);

} // namespace vorla
