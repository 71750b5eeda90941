#include "common/files/atomic_file.h"
#include "tests/support/test_files.h"

#include <fcntl.h>
#include <filesystem>
#include <fstream>
#include <functional>
#include <gtest/gtest.h>
#include <iostream>
#include <sstream>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <sys/un.h>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>

namespace vorla {
namespace {

namespace fs = std::filesystem;

using test_support::ReadFile;

struct stat StatOf(const fs::path& path) {
    struct stat info {};
    ::lstat(path.c_str(), &info);
    return info;
}

// The devices the writer is tried on. The superuser's test makes its own nodes
// in `folder`, so that a writer that replaced a device could only ever replace
// the test's copy, never the system's /dev/null; anyone else cannot replace
// anything in /dev and uses the system's.
fs::path Device(const fs::path& folder, const char* name, unsigned minor) {
    if (::geteuid() != 0) {
        return fs::path("/dev") / name;
    }
    const fs::path own = folder / name;
    if (!fs::exists(own)) {
        ::mknod(own.c_str(), S_IFCHR | 0666, makedev(1, minor));
    }
    return own;
}
fs::path NullDevice(const fs::path& folder) {
    return Device(folder, "null", 3);
}
fs::path FullDevice(const fs::path& folder) {
    return Device(folder, "full", 7);
}

class AtomicFile : public ::testing::Test {
  protected:
    test_support::TemporaryFolder temporary_;
    const fs::path& folder_ = temporary_.Path();
};

TEST_F(AtomicFile, WritesAndReplacesWithoutLeavingTemporaries) {
    const auto path = folder_ / "REPORT.SDF";
    ASSERT_FALSE(WriteFileAtomically(path.string(), "first\r\n"));
    EXPECT_EQ(ReadFile(path), "first\r\n");
    ASSERT_FALSE(WriteFileAtomically(path.string(), "second\r\n"));
    EXPECT_EQ(ReadFile(path), "second\r\n");
    EXPECT_EQ(std::distance(fs::directory_iterator(folder_), fs::directory_iterator()), 1);
}

TEST_F(AtomicFile, AFailedWriteSaysWhyAndKeepsTheOldFile) {
    const auto missingFolder = folder_ / "missing" / "REPORT.SDF";
    const auto error = WriteFileAtomically(missingFolder.string(), "text");
    ASSERT_TRUE(error);
    EXPECT_NE(error->find(missingFolder.string()), std::string::npos);

    const auto intoFolder = WriteFileAtomically(folder_.string(), "text");
    ASSERT_TRUE(intoFolder);
    EXPECT_TRUE(fs::is_directory(folder_));

    EXPECT_TRUE(WriteFileAtomically("", "text"));
}

// What each kind of name at the output path becomes after a write of "new".
struct TargetKind {
    const char* name;
    // Puts the kind at `path` (in `folder`); returns false when it cannot here.
    std::function<bool(const fs::path& folder, const fs::path& path)> make;
    // The message expected, empty for success.
    std::string expectedReason;
    std::function<void(const fs::path& folder, const fs::path& path)> check;
};

TEST_F(AtomicFile, EachKindOfTargetIsWrittenAsItsKindNeeds) {
    const std::vector<TargetKind> kinds = {
        {"a new name is created with the usual permissions", [](auto&, auto&) { return true; }, "",
         [](auto&, const fs::path& p) {
             const mode_t mask = ::umask(0);
             ::umask(mask);
             EXPECT_EQ(ReadFile(p), "new");
             EXPECT_EQ(StatOf(p).st_mode & 07777, 0666 & ~mask);
         }},
        {"a regular file is replaced by a new one",
         [](auto&, const fs::path& p) {
             std::ofstream(p) << "old content that is longer";
             return true;
         },
         "",
         [](auto&, const fs::path& p) {
             EXPECT_EQ(ReadFile(p), "new");
             EXPECT_TRUE(S_ISREG(StatOf(p).st_mode));
         }},
        {"a link to a file: the file is written, the link stays",
         [](const fs::path& f, const fs::path& p) {
             fs::create_directories(f / "kept");
             std::ofstream(f / "kept" / "REAL") << "old";
             fs::create_symlink("kept/REAL", p);
             return true;
         },
         "",
         [](const fs::path& f, const fs::path& p) {
             EXPECT_TRUE(fs::is_symlink(p));
             EXPECT_EQ(ReadFile(f / "kept" / "REAL"), "new");
         }},
        {"a chain of links reaches the file",
         [](const fs::path& f, const fs::path& p) {
             std::ofstream(f / "REAL") << "old";
             fs::create_symlink(f / "REAL", f / "HOP");
             fs::create_symlink("HOP", p);
             return true;
         },
         "",
         [](const fs::path& f, const fs::path& p) {
             EXPECT_TRUE(fs::is_symlink(p));
             EXPECT_TRUE(fs::is_symlink(f / "HOP"));
             EXPECT_EQ(ReadFile(f / "REAL"), "new");
         }},
        {"a dangling link creates the file it names",
         [](const fs::path&, const fs::path& p) {
             fs::create_symlink("NOT-YET", p);
             return true;
         },
         "",
         [](const fs::path& f, const fs::path& p) {
             EXPECT_TRUE(fs::is_symlink(p));
             EXPECT_EQ(ReadFile(f / "NOT-YET"), "new");
         }},
        {"a loop of links is an error",
         [](const fs::path& f, const fs::path& p) {
             fs::create_symlink(p, f / "OTHER");
             fs::create_symlink(f / "OTHER", p);
             return true;
         },
         "Too many levels of symbolic links",
         [](const fs::path& f, const fs::path& p) {
             EXPECT_TRUE(fs::is_symlink(p));
             EXPECT_TRUE(fs::is_symlink(f / "OTHER"));
         }},
        {"a hard-linked file is written in place for every link",
         [](const fs::path& f, const fs::path& p) {
             std::ofstream(p) << "old content that is longer";
             fs::create_hard_link(p, f / "TWIN");
             return true;
         },
         "",
         [](const fs::path& f, const fs::path& p) {
             EXPECT_EQ(ReadFile(p), "new");
             EXPECT_EQ(ReadFile(f / "TWIN"), "new");
             EXPECT_EQ(StatOf(p).st_ino, StatOf(f / "TWIN").st_ino);
         }},
        {"a file's mode is kept",
         [](const fs::path&, const fs::path& p) {
             std::ofstream(p) << "old";
             return ::chmod(p.c_str(), 0640) == 0;
         },
         "",
         [](const fs::path&, const fs::path& p) {
             EXPECT_EQ(ReadFile(p), "new");
             EXPECT_EQ(StatOf(p).st_mode & 07777, 0640u);
         }},
        {"a read-only file is refused whoever writes",
         [](const fs::path&, const fs::path& p) {
             std::ofstream(p) << "kept";
             return ::chmod(p.c_str(), 0444) == 0;
         },
         "Permission denied",
         [](const fs::path&, const fs::path& p) { EXPECT_EQ(ReadFile(p), "kept"); }},
        {"a read-only file behind a link is refused",
         [](const fs::path& f, const fs::path& p) {
             std::ofstream(f / "REAL") << "kept";
             fs::create_symlink(f / "REAL", p);
             return ::chmod((f / "REAL").c_str(), 0400) == 0;
         },
         "Permission denied",
         [](const fs::path& f, const fs::path&) { EXPECT_EQ(ReadFile(f / "REAL"), "kept"); }},
        {"a folder is refused", [](auto&, const fs::path& p) { return fs::create_directory(p); },
         "Is a directory", [](auto&, const fs::path& p) { EXPECT_TRUE(fs::is_directory(p)); }},
        {"a FIFO is written through to its reader",
         [](const fs::path&, const fs::path& p) { return ::mkfifo(p.c_str(), 0600) == 0; }, "",
         [](const fs::path&, const fs::path& p) { EXPECT_TRUE(S_ISFIFO(StatOf(p).st_mode)); }},
        {"a socket is not replaced: opening it fails",
         [](const fs::path&, const fs::path& p) {
             const int fd = ::socket(AF_UNIX, SOCK_STREAM, 0);
             sockaddr_un address{};
             address.sun_family = AF_UNIX;
             std::snprintf(address.sun_path, sizeof address.sun_path, "%s", p.c_str());
             const bool bound =
                 ::bind(fd, reinterpret_cast<sockaddr*>(&address), sizeof address) == 0;
             ::close(fd);
             return bound;
         },
         "No such device or address",
         [](const fs::path&, const fs::path& p) { EXPECT_TRUE(S_ISSOCK(StatOf(p).st_mode)); }},
        {"a link to a null device writes into the device",
         [](const fs::path& f, const fs::path& p) {
             fs::create_symlink(NullDevice(f), p);
             return S_ISCHR(StatOf(NullDevice(f)).st_mode);
         },
         "",
         [](const fs::path& f, const fs::path& p) {
             EXPECT_TRUE(fs::is_symlink(p));
             EXPECT_TRUE(S_ISCHR(StatOf(NullDevice(f)).st_mode));
         }},
        {"a device's write error is reported",
         [](const fs::path& f, const fs::path& p) {
             fs::create_symlink(FullDevice(f), p);
             return S_ISCHR(StatOf(FullDevice(f)).st_mode);
         },
         "No space left on device",
         [](const fs::path& f, const fs::path&) {
             EXPECT_TRUE(S_ISCHR(StatOf(FullDevice(f)).st_mode));
         }},
    };
    for (const auto& kind : kinds) {
        SCOPED_TRACE(kind.name);
        const fs::path folder = folder_ / std::to_string(&kind - kinds.data());
        fs::create_directories(folder);
        const fs::path path = folder / "OUT.VOF";
        if (!kind.make(folder, path)) {
            std::cout << "[  SKIPPED ] " << kind.name << ": it cannot be set up here\n";
            continue;
        }
        // A FIFO's reader is there before the write, as a shell pipeline's is.
        const int fifoReader =
            S_ISFIFO(StatOf(path).st_mode) ? ::open(path.c_str(), O_RDONLY | O_NONBLOCK) : -1;
        const auto error = WriteFileAtomically(path.string(), "new");
        if (fifoReader >= 0) {
            char buffer[16] = {};
            EXPECT_EQ(::read(fifoReader, buffer, sizeof buffer - 1), 3);
            EXPECT_STREQ(buffer, "new");
            ::close(fifoReader);
        }
        if (kind.expectedReason.empty()) {
            EXPECT_EQ(error, std::nullopt);
        } else {
            EXPECT_EQ(error, "The file " + path.string() + " could not be written (" +
                                 kind.expectedReason + ").");
        }
        kind.check(folder, path);
        // Nothing but what the case made (and the file written) is left behind.
        for (const auto& entry : fs::directory_iterator(folder)) {
            EXPECT_NE(entry.path().filename().string().rfind(".vorla-", 0), 0u) << entry.path();
        }
    }
}

// Design studies save many reports at once from several threads.
TEST_F(AtomicFile, FilesWrittenAtOnceFromManyThreadsAllGetTheUsualPermissions) {
    const mode_t mask = ::umask(022);
    std::vector<std::thread> writers;
    for (int w = 0; w < 8; ++w) {
        writers.emplace_back([this, w] {
            for (int k = 0; k < 25; ++k) {
                const auto path = folder_ / ("RUN-" + std::to_string(w) + "-" + std::to_string(k));
                EXPECT_EQ(WriteFileAtomically(path.string(), "report"), std::nullopt);
            }
        });
    }
    for (auto& writer : writers) {
        writer.join();
    }
    ::umask(mask);
    int files = 0;
    for (const auto& entry : fs::directory_iterator(folder_)) {
        EXPECT_EQ(StatOf(entry.path()).st_mode & 07777, 0644u) << entry.path();
        ++files;
    }
    EXPECT_EQ(files, 200);
}

TEST_F(AtomicFile, AReplacedFileKeepsItsOwnerAndGroup) {
    if (::geteuid() != 0) {
        GTEST_SKIP() << "only the superuser may give a file to another user";
    }
    const auto path = folder_ / "THEIRS.VOF";
    std::ofstream(path) << "old";
    ASSERT_EQ(::chown(path.c_str(), 65534, 65534), 0);
    ASSERT_FALSE(WriteFileAtomically(path.string(), "new"));
    EXPECT_EQ(ReadFile(path), "new");
    EXPECT_EQ(StatOf(path).st_uid, 65534u);
    EXPECT_EQ(StatOf(path).st_gid, 65534u);
}

TEST_F(AtomicFile, AnyNameTheFileSystemTakesCanBeWritten) {
    long longest = ::pathconf(folder_.c_str(), _PC_NAME_MAX);
    ASSERT_GT(longest, 0);
    for (long length = longest - 7; length <= longest; ++length) {
        const auto path = folder_ / std::string(static_cast<std::size_t>(length), 'n');
        EXPECT_EQ(WriteFileAtomically(path.string(), "new"), std::nullopt) << length;
        EXPECT_EQ(ReadFile(path), "new") << length;
        // Replacing it takes a temporary name as well.
        EXPECT_EQ(WriteFileAtomically(path.string(), "again"), std::nullopt) << length;
        EXPECT_EQ(ReadFile(path), "again") << length;
    }
}

// /dev/stdout in a child process whose standard output is `fd`: whatever it is,
// the write goes into the open descriptor. The test's own link to
// /proc/self/fd/1 is what /dev/stdout is, and a writer that replaced links
// instead of writing through could only ever replace the test's copy.
int WriteToStandardOutputOf(const fs::path& folder, int fd, std::string_view content) {
    const fs::path standardOutput = folder / "stdout";
    if (!fs::is_symlink(standardOutput)) {
        fs::create_symlink("/proc/self/fd/1", standardOutput);
    }
    const pid_t child = ::fork();
    if (child == 0) {
        ::dup2(fd, STDOUT_FILENO);
        ::_exit(WriteFileAtomically(standardOutput.string(), content) ? 1 : 0);
    }
    int status = 0;
    ::waitpid(child, &status, 0);
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

TEST_F(AtomicFile, StandardOutputIsWrittenStraightThrough) {
    int pipeEnds[2];
    ASSERT_EQ(::pipe(pipeEnds), 0);
    EXPECT_EQ(WriteToStandardOutputOf(folder_, pipeEnds[1], "to the pipe"), 0);
    ::close(pipeEnds[1]);
    char buffer[64] = {};
    EXPECT_EQ(::read(pipeEnds[0], buffer, sizeof buffer - 1), 11);
    EXPECT_STREQ(buffer, "to the pipe");
    ::close(pipeEnds[0]);

    // Redirected to a file, the file the shell opened is the one written.
    const auto redirected = folder_ / "REDIRECTED";
    std::ofstream(redirected) << "old";
    const ino_t inode = StatOf(redirected).st_ino;
    const int fd = ::open(redirected.c_str(), O_WRONLY);
    EXPECT_EQ(WriteToStandardOutputOf(folder_, fd, "to the file"), 0);
    ::close(fd);
    EXPECT_EQ(ReadFile(redirected), "to the file");
    EXPECT_EQ(StatOf(redirected).st_ino, inode);
}

} // namespace
} // namespace vorla
