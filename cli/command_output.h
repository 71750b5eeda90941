// Where a subcommand's text goes: standard output, or a file written atomically.
#pragma once

#include "common/text/unit_system.h"

#include <iosfwd>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <variant>

namespace vorla::cli {

// Writes `text` to `out` when `path` is empty or "-", else atomically to the
// file. Returns the exit status: success, or the file problem after saying on
// `err`, after `prefix`, which file could not be written and why.
int WriteCommandOutput(const std::string& path, std::string_view text, std::ostream& out,
                       std::ostream& err, std::string_view prefix = "vorla: ");

// `message` without the line ends that close it: a model's stop message as one
// field of a CSV line, another program's message inside a sentence of vorla's.
std::string WithoutClosingLineEnds(std::string message);

// The unit system of "--units si|us" (S.I. when not given), or the line the
// command prints when the value is neither.
std::variant<UnitSystem, std::string> UnitsOption(const std::optional<std::string>& value);

} // namespace vorla::cli
