#include "cli/command_files.h"

#include <filesystem>

namespace vorla::cli {
namespace {

bool GoesToStandardOutput(const CommandFile& file) {
    return file.Role == FileRole::Written && file.Path == "-";
}

// How the message names a file: the option and the name as typed.
std::string Named(const CommandFile& file) {
    if (!file.Typed && GoesToStandardOutput(file)) {
        return "standard output (no " + file.Option + ")";
    }
    return file.Option + " " + file.Path;
}

std::string WhereItGoes(const CommandFile& file) {
    return file.Typed ? file.Option + " -" : "no " + file.Option;
}

std::optional<std::string> EmptyName(const CommandFiles& files, std::string_view prefix) {
    for (const auto& file : files.Entries()) {
        if (file.Typed && file.Path.empty()) {
            return std::string(prefix) + file.Option + " needs a file name" +
                   (file.Role == FileRole::Written ? ", or - for standard output" : "") + ".\n";
        }
    }
    return std::nullopt;
}

// Two texts on one stream cannot be told apart again by a script.
std::optional<std::string> TwoOnStandardOutput(const CommandFiles& files, std::string_view prefix) {
    const CommandFile* first = nullptr;
    for (const auto& file : files.Entries()) {
        if (!GoesToStandardOutput(file)) {
            continue;
        }
        if (first == nullptr) {
            first = &file;
            continue;
        }
        return std::string(prefix) + first->What + " (" + WhereItGoes(*first) + ") and " +
               file.What + " (" + WhereItGoes(file) +
               ") would both go to standard output; give one of them a file name. Nothing was "
               "written.\n";
    }
    return std::nullopt;
}

std::optional<std::string> SameFile(const CommandFiles& files, std::string_view prefix) {
    std::vector<FileUse> uses;
    for (const auto& file : files.Entries()) {
        // Standard output may itself be a file the command reads (">> fire.fir").
        uses.push_back({GoesToStandardOutput(file) ? "/dev/stdout" : file.Path, file.Role});
    }
    const auto collision = FindFileCollision(uses);
    if (!collision) {
        return std::nullopt;
    }
    const CommandFile& a = files.Entries()[collision->First];
    const CommandFile& b = files.Entries()[collision->Second];
    std::string message =
        std::string(prefix) + Named(a) + " and " + Named(b) + " are the same file";
    if (a.Role == FileRole::Written && b.Role == FileRole::Written) {
        message += ": " + a.What + " and " + b.What + " cannot both be written to it.";
    } else {
        const CommandFile& written = a.Role == FileRole::Written ? a : b;
        const CommandFile& read = a.Role == FileRole::Written ? b : a;
        message += ": writing " + written.What + " would destroy " + read.What + ".";
    }
    return message + " Nothing was written.\n";
}

} // namespace

void CommandFiles::Read(std::string_view option, std::string_view what,
                        const std::optional<std::string>& path) {
    if (path) {
        entries_.push_back({std::string(option), std::string(what), *path, FileRole::Read, true});
    }
}

void CommandFiles::ReadNamedIn(std::string_view source, std::string_view what,
                               const std::string& path) {
    entries_.push_back({std::string(source), std::string(what), path, FileRole::Read, false});
}

void CommandFiles::Write(std::string_view option, std::string_view what,
                         const std::optional<std::string>& path) {
    if (path) {
        entries_.push_back(
            {std::string(option), std::string(what), *path, FileRole::Written, true});
    }
}

void CommandFiles::WriteOrStandardOutput(std::string_view option, std::string_view what,
                                         const std::optional<std::string>& path) {
    entries_.push_back({std::string(option), std::string(what), path.value_or("-"),
                        FileRole::Written, path.has_value()});
}

std::optional<std::string> RefuseCommandFiles(const CommandFiles& files, std::string_view prefix) {
    if (auto refusal = EmptyName(files, prefix)) {
        return refusal;
    }
    if (auto refusal = TwoOnStandardOutput(files, prefix)) {
        return refusal;
    }
    return SameFile(files, prefix);
}

} // namespace vorla::cli

namespace vorla::cli {

std::optional<UnwritableOutput> FindUnwritableOutput(const CommandFiles& files) {
    namespace fs = std::filesystem;
    for (const auto& file : files.Entries()) {
        if (file.Role != FileRole::Written || file.Path.empty() || file.Path == "-") {
            continue;
        }
        std::error_code error;
        const fs::path path(file.Path);
        const fs::path folder = path.parent_path().empty() ? fs::path(".") : path.parent_path();
        // The words WriteFileAtomically would fail with.
        const char* reason = fs::is_directory(path, error)      ? "Is a directory"
                             : !fs::is_directory(folder, error) ? "No such file or directory"
                                                                : nullptr;
        if (reason != nullptr) {
            return UnwritableOutput{file.Option, "The file " + file.Path +
                                                     " could not be written (" + reason + ")."};
        }
    }
    return std::nullopt;
}

} // namespace vorla::cli
