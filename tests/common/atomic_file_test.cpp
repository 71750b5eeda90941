#include "common/atomic_file.h"
#include "tests/support/test_files.h"

#include <filesystem>
#include <gtest/gtest.h>
#include <unistd.h>

namespace vorla {
namespace {

using test_support::ReadFile;

class AtomicFile : public ::testing::Test {
  protected:
    test_support::TemporaryFolder folder_;
};

TEST_F(AtomicFile, WritesAndReplacesWithoutLeavingTemporaries) {
    const auto path = folder_ / "REPORT.SDF";
    ASSERT_FALSE(WriteFileAtomically(path.string(), "first\r\n"));
    EXPECT_EQ(ReadFile(path), "first\r\n");
    ASSERT_FALSE(WriteFileAtomically(path.string(), "second\r\n"));
    EXPECT_EQ(ReadFile(path), "second\r\n");
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(folder_.Path()),
                            std::filesystem::directory_iterator()),
              1);
}

TEST_F(AtomicFile, AFailedWriteSaysWhyAndKeepsTheOldFile) {
    const auto missingFolder = folder_ / "missing" / "REPORT.SDF";
    const auto error = WriteFileAtomically(missingFolder.string(), "text");
    ASSERT_TRUE(error);
    EXPECT_NE(error->find(missingFolder.string()), std::string::npos);

    const auto intoFolder = WriteFileAtomically(folder_.Path().string(), "text");
    ASSERT_TRUE(intoFolder);
    EXPECT_TRUE(std::filesystem::is_directory(folder_.Path()));

    EXPECT_TRUE(WriteFileAtomically("", "text"));
}

TEST_F(AtomicFile, ALinkIsFollowedAndStays) {
    const auto real = folder_ / "kept" / "REPORT.SDF";
    std::filesystem::create_directories(real.parent_path());
    test_support::WriteFile(real, "old");
    const auto link = folder_ / "LINK.SDF";
    std::filesystem::create_symlink(real, link);
    ASSERT_FALSE(WriteFileAtomically(link.string(), "new"));
    EXPECT_TRUE(std::filesystem::is_symlink(link));
    EXPECT_EQ(ReadFile(real), "new");
}

TEST_F(AtomicFile, AReadOnlyFileIsNotReplaced) {
    if (::geteuid() == 0) {
        GTEST_SKIP() << "the superuser may write any file";
    }
    const auto path = folder_ / "LOCKED.SDF";
    test_support::WriteFile(path, "kept");
    std::filesystem::permissions(path, std::filesystem::perms::owner_read |
                                           std::filesystem::perms::group_read |
                                           std::filesystem::perms::others_read);
    const auto error = WriteFileAtomically(path.string(), "lost");
    ASSERT_TRUE(error);
    EXPECT_EQ(*error, "The file " + path.string() + " could not be written (Permission denied).");
    EXPECT_EQ(ReadFile(path), "kept");
}

} // namespace
} // namespace vorla
