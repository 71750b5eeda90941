// A file the user chose that cannot be used: it cannot be read, or it is not
// what the program writes. The fire file has its own, more detailed problems
// (common/fire_files/fire_file_reader.h).
#pragma once

#include <string>
#include <string_view>

namespace vorla {

// What a saved report that is too short to read back shows.
inline constexpr std::string_view kWrongFileFormat = "Wrong file format.";

struct FileProblem {
    enum class Kind {
        CannotOpen,  // the file cannot be opened or read
        WrongFormat, // the file ends before the lines the reader needs
    };
    Kind kind;
    std::string path;
    std::string detail;    // the system's reason, for CannotOpen
    std::string_view what; // the kind of file in a sentence: "report file"

    bool operator==(const FileProblem&) const = default;
};

// The message for the user: kWrongFileFormat, or "The report file NAME cannot
// be opened (reason)."
std::string DescribeFileProblem(const FileProblem& problem);

} // namespace vorla
