#include "common/text_file.h"

#include <cerrno>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <sstream>

namespace vorla {

WholeFile ReadWholeFile(const std::string& path) {
    std::error_code ignored;
    if (std::filesystem::is_directory(path, ignored)) {
        return {{}, "it is a folder"};
    }
    std::ifstream file(path, std::ios::binary);
    if (!file) {
        return {{}, std::strerror(errno)};
    }
    std::ostringstream content;
    content << file.rdbuf();
    if (file.bad()) {
        return {{}, std::strerror(errno)};
    }
    return {content.str(), std::nullopt};
}

} // namespace vorla
