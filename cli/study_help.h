// The --help texts of `vorla study` and `vorla study merge`.
#pragma once

#include <string_view>

namespace vorla::cli {

extern const std::string_view kStudyHelp;
extern const std::string_view kStudyMergeHelp;

} // namespace vorla::cli
