#include "common/files/text_file.h"

#include <filesystem>
#include <fstream>
#include <functional>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

namespace vorla {
namespace {

namespace fs = std::filesystem;

class ReadWholeFileTest : public ::testing::Test {
  protected:
    void SetUp() override {
        folder_ = fs::temp_directory_path() / ("vorla-text-file-" + std::to_string(::getpid()));
        fs::create_directories(folder_);
    }
    void TearDown() override { fs::remove_all(folder_); }
    fs::path folder_;
};

// Nothing that is not a regular file of reasonable size is read, so no input
// can block a reader or make it grow without bound.
TEST_F(ReadWholeFileTest, ReadsOnlyARegularFileOfReasonableSize) {
    const struct {
        const char* name;
        std::function<std::string(const fs::path&)> make; // returns the path to read
        std::optional<std::string> problem;
        std::size_t size;
    } cases[] = {
        {"an empty file",
         [](const fs::path& f) {
             std::ofstream(f / "E");
             return (f / "E").string();
         },
         std::nullopt, 0},
        {"a file exactly at the limit",
         [](const fs::path& f) {
             std::ofstream(f / "AT") << std::string(kLargestReadableFile, 'x');
             return (f / "AT").string();
         },
         std::nullopt, kLargestReadableFile},
        {"a file one byte over the limit",
         [](const fs::path& f) {
             std::ofstream(f / "OVER") << std::string(kLargestReadableFile + 1, 'x');
             return (f / "OVER").string();
         },
         "it is larger than 4 MB", 0},
        {"a link to a regular file",
         [](const fs::path& f) {
             std::ofstream(f / "R") << "abc";
             fs::create_symlink(f / "R", f / "L");
             return (f / "L").string();
         },
         std::nullopt, 3},
        {"a file that does not exist", [](const fs::path& f) { return (f / "NONE").string(); },
         "No such file or directory", 0},
        {"a folder", [](const fs::path& f) { return f.string(); }, "it is a folder", 0},
        {"an endless device", [](const fs::path&) { return std::string("/dev/zero"); },
         "it is not a regular file", 0},
        {"a FIFO nobody writes to",
         [](const fs::path& f) {
             ::mkfifo((f / "FIFO").c_str(), 0600);
             return (f / "FIFO").string();
         },
         "it is not a regular file", 0},
        {"a link to a FIFO",
         [](const fs::path& f) {
             ::mkfifo((f / "FIFO2").c_str(), 0600);
             fs::create_symlink(f / "FIFO2", f / "TO-FIFO");
             return (f / "TO-FIFO").string();
         },
         "it is not a regular file", 0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const WholeFile file = ReadWholeFile(c.make(folder_));
        EXPECT_EQ(file.problem, c.problem);
        EXPECT_EQ(file.text.size(), c.size);
    }
}

TEST_F(ReadWholeFileTest, ReadsTheBytesAsTheyAre) {
    const std::string bytes("line 1\r\nline\t2\n\0\xff end", 22);
    std::ofstream(folder_ / "B", std::ios::binary) << bytes;
    EXPECT_EQ(ReadWholeFile((folder_ / "B").string()).text, bytes);
}

} // namespace
} // namespace vorla
