#include "common/atomic_file.h"

#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <sstream>

namespace vorla {
namespace {

std::string ReadAll(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

class AtomicFile : public ::testing::Test {
  protected:
    void SetUp() override {
        folder_ =
            std::filesystem::temp_directory_path() /
            ("vorla-atomic-" + std::to_string(::testing::UnitTest::GetInstance()->random_seed()) +
             ::testing::UnitTest::GetInstance()->current_test_info()->name());
        std::filesystem::create_directories(folder_);
    }
    void TearDown() override { std::filesystem::remove_all(folder_); }
    std::filesystem::path folder_;
};

TEST_F(AtomicFile, WritesAndReplacesWithoutLeavingTemporaries) {
    const auto path = folder_ / "REPORT.SDF";
    ASSERT_FALSE(WriteFileAtomically(path.string(), "first\r\n"));
    EXPECT_EQ(ReadAll(path), "first\r\n");
    ASSERT_FALSE(WriteFileAtomically(path.string(), "second\r\n"));
    EXPECT_EQ(ReadAll(path), "second\r\n");
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(folder_),
                            std::filesystem::directory_iterator()),
              1);
}

TEST_F(AtomicFile, AFailedWriteSaysWhyAndKeepsTheOldFile) {
    const auto missingFolder = folder_ / "missing" / "REPORT.SDF";
    const auto error = WriteFileAtomically(missingFolder.string(), "text");
    ASSERT_TRUE(error);
    EXPECT_NE(error->find(missingFolder.string()), std::string::npos);

    const auto intoFolder = WriteFileAtomically(folder_.string(), "text");
    ASSERT_TRUE(intoFolder);
    EXPECT_TRUE(std::filesystem::is_directory(folder_));

    EXPECT_TRUE(WriteFileAtomically("", "text"));
}

} // namespace
} // namespace vorla
