// What file tests need: a fresh folder for each test, and reading and writing a
// whole file byte for byte.
#pragma once

#include "tests/support/file_bytes.h"

#include <filesystem>
#include <string>
#include <string_view>

namespace vorla::test_support {

// A folder of its own for the running test, named after it and the process, so
// tests running side by side never share one. It is removed with everything in
// it when the test ends, even after the test took away its write permission.
class TemporaryFolder {
  public:
    TemporaryFolder();
    ~TemporaryFolder();
    TemporaryFolder(const TemporaryFolder&) = delete;
    TemporaryFolder& operator=(const TemporaryFolder&) = delete;

    const std::filesystem::path& Path() const { return path_; }
    // The path of `name` in the folder, as text.
    std::string PathOf(std::string_view name) const;
    // Writes a file into the folder and returns its path.
    std::string Write(std::string_view name, std::string_view text) const;

  private:
    std::filesystem::path path_;
};

inline std::filesystem::path operator/(const TemporaryFolder& folder, std::string_view name) {
    return folder.Path() / name;
}

} // namespace vorla::test_support
