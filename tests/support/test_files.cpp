#include "tests/support/test_files.h"

#include <gtest/gtest.h>
#include <unistd.h>

namespace vorla::test_support {

namespace fs = std::filesystem;

TemporaryFolder::TemporaryFolder() {
    const auto* test = ::testing::UnitTest::GetInstance()->current_test_info();
    std::string name = "vorla-" + std::to_string(::getpid());
    if (test != nullptr) {
        name += std::string("-") + test->test_suite_name() + "-" + test->name();
    }
    for (char& c : name) {
        if (c == '/') {
            c = '-'; // parameterised test names hold slashes
        }
    }
    path_ = fs::temp_directory_path() / name;
    std::error_code ignored;
    fs::remove_all(path_, ignored);
    fs::create_directories(path_);
}

TemporaryFolder::~TemporaryFolder() {
    std::error_code ignored;
    fs::permissions(path_, fs::perms::owner_all, fs::perm_options::add, ignored);
    fs::remove_all(path_, ignored);
}

std::string TemporaryFolder::PathOf(std::string_view name) const {
    return (path_ / name).string();
}

std::string TemporaryFolder::Write(std::string_view name, std::string_view text) const {
    WriteFile(path_ / name, text);
    return PathOf(name);
}

} // namespace vorla::test_support
