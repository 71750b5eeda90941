// `vorla study`: a design study (parametric and Monte Carlo runs of one model
// from a TOML file) on worker threads, optionally one shard of it, and
// `vorla study merge` to combine the shards' folders.
#pragma once

#include <iosfwd>
#include <span>
#include <string>

namespace vorla::cli {

int RunStudyCommand(std::span<const std::string> args, std::ostream& out, std::ostream& err);

} // namespace vorla::cli
