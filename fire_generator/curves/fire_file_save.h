// Writing the built curve as a fire file (`cmdSave_Click` of the graph window):
// the point lines, the end marker, the name line with the date and the
// description line, written so a failure never leaves a half-written file.
#pragma once

#include "fire_generator/curves/design_fire_state.h"
#include "fire_generator/curves/rejected_entry.h"

#include <optional>
#include <string>
#include <string_view>
#include <variant>

namespace vorla::generator {

// The text of the fire file for points 0 to LastPoint; its name line holds the
// bare name of `path`. A table that VORLA-XW and SKEVA-XW could not read back
// (fewer than two points, for one) is refused with a message instead.
std::variant<std::string, RejectedInput>
FireFileContent(const DesignFireState& module, std::string_view path, std::string_view date);

// The refusal of a curve whose rate or burning rate at some point is wider than
// the fire file's column for it (999999.9 kW, 9999.999 g/s), saying the largest
// value that fits. The models would read such a file, but its columns would no
// longer line up, so a file saved for a user is never written that way.
std::optional<RejectedInput> CheckFireFileColumns(const DesignFireState& module);

// Writes the fire file `FireFileName` with `date` on its name line, after the
// column check above. Returns the refusal, or the message naming the file when it could not be
// written; an existing file is then left as it was.
std::optional<RejectedInput> SaveFireFile(const DesignFireState& module, std::string_view date);

// The same into `path` (the graph window's Save As…), whose bare name goes on
// the name line; `FireFileName` is not read.
std::optional<RejectedInput> SaveFireFileTo(const DesignFireState& module, const std::string& path,
                                            std::string_view date);

} // namespace vorla::generator
