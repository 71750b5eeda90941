// Format and RightAlign (common/text/format.h) as first written, building every
// part of the text in its own string: the differential test holds the fast
// version to these texts character for character, and the benchmark times both.
#pragma once

#include <string>
#include <string_view>

namespace vorla::literal {

std::string Format(double value, std::string_view pattern);
std::string RightAlign(double value, std::string_view pattern);

} // namespace vorla::literal
