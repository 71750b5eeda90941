// The points file of `vorla fire custom`: one "time rate" pair a line, as the
// rows of QDOT-XW's custom fire form would be typed.
#pragma once

#include <string>
#include <variant>
#include <vector>

namespace vorla::cli {

struct FirePointText {
    std::string Time; // s, as typed
    std::string Rate; // in the shown heat release rate unit, as typed
    int Line = 0;     // counted from 1
};

// The pairs of the file, or a sentence naming the file and what is wrong with
// it. Blank lines and lines starting with "#" are skipped; the two numbers are
// separated by blanks, tabs or a comma.
std::variant<std::vector<FirePointText>, std::string> ReadFirePointsFile(const std::string& path);

// The same, from the text of a file; `path` only names the file in errors.
std::variant<std::vector<FirePointText>, std::string> ParseFirePoints(std::string_view text,
                                                                      const std::string& path);

} // namespace vorla::cli
