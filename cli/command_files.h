// The files a `vorla` command reads and writes, each with the option that
// names it, so that one check before anything is written refuses an output
// that would destroy an input or another output.
#pragma once

#include "common/files/file_collision.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace vorla::cli {

struct CommandFile {
    std::string Option; // "-o", "--fire", or where the name came from: "--from's fire file"
    std::string What;   // what the file holds: "the report", "the fire file"
    std::string Path;   // as typed; "-" for standard output
    FileRole Role = FileRole::Read;
    bool Typed = true; // false for a name the user did not type as this option
};

// Every command fills one list; an option added to a command adds its entry.
class CommandFiles {
  public:
    // A file the command reads, when the option was given.
    void Read(std::string_view option, std::string_view what,
              const std::optional<std::string>& path);
    // A name the command reads that came from another file, not from an option.
    void ReadNamedIn(std::string_view source, std::string_view what, const std::string& path);
    // A file the command writes when the option was given ("-" is standard output).
    void Write(std::string_view option, std::string_view what,
               const std::optional<std::string>& path);
    // The same for an output that goes to standard output unless the option names a file.
    void WriteOrStandardOutput(std::string_view option, std::string_view what,
                               const std::optional<std::string>& path);

    const std::vector<CommandFile>& Entries() const { return entries_; }

  private:
    std::vector<CommandFile> entries_;
};

// The line the command prints on standard error and stops with (exit status 2)
// before it writes anything: an option given an empty file name, two outputs
// both bound for standard output, or an output that is the same file as an
// input or as another output. Nothing when every file may be written.
std::optional<std::string> RefuseCommandFiles(const CommandFiles& files, std::string_view prefix);

// For a command whose outputs are single files: the first output that names a
// folder or lies in a folder that does not exist, with the sentence writing it
// would fail with, so that the command stops before it writes anything rather
// than after its first outputs. Nothing when each can be written as far as can
// be told.
struct UnwritableOutput {
    std::string Option; // as in CommandFile: "-o", "--csv", ...
    std::string Sentence;
};
std::optional<UnwritableOutput> FindUnwritableOutput(const CommandFiles& files);

} // namespace vorla::cli
