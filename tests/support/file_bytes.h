// Reading and writing a whole file byte for byte: for the GoogleTest and the
// QtTest programs alike (no test framework here).
#pragma once

#include <filesystem>
#include <string>
#include <string_view>

namespace vorla::test_support {

// The bytes of a file; empty when it cannot be read.
std::string ReadFile(const std::filesystem::path& path);

// Writes `text` as the whole file, byte for byte; false when it cannot.
bool WriteFile(const std::filesystem::path& path, std::string_view text);

} // namespace vorla::test_support
