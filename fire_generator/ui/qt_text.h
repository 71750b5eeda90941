// A text of the generator's calculations (UTF-8) as its windows show it.
#pragma once

#include <QString>
#include <string_view>

namespace vorla::generator {

inline QString Text(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

} // namespace vorla::generator
