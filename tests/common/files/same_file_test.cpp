#include "common/files/same_file.h"

#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <unistd.h>

namespace vorla {
namespace {

namespace fs = std::filesystem;

TEST(IsSameFile, NamesThatLeadToOneFileAreTheSame) {
    const fs::path f =
        fs::temp_directory_path() / ("vorla-same-file-" + std::to_string(::getpid()));
    fs::create_directories(f / "sub");
    std::ofstream(f / "report.vof") << "r";
    std::ofstream(f / "other.vof") << "r";
    fs::create_symlink(f / "report.vof", f / "link.vof");
    fs::create_symlink("sub/../report.vof", f / "relative-link.vof");
    fs::create_hard_link(f / "report.vof", f / "twin.vof");
    fs::create_symlink("future.csv", f / "dangling.csv");
    fs::create_symlink(f / "sub", f / "sub-link");
    // A name in the folder the program runs in, never created.
    const std::string here = "vorla-same-file-probe-" + std::to_string(::getpid());

    const auto p = [&](const char* name) { return (f / name).string(); };
    const struct {
        std::string a, b;
        bool same;
    } cases[] = {
        {p("report.vof"), p("report.vof"), true},
        {p("report.vof"), p("sub/../report.vof"), true},
        {p("report.vof"), p("./report.vof"), true},
        {p("report.vof"), p("link.vof"), true},
        {p("relative-link.vof"), p("report.vof"), true},
        {p("twin.vof"), p("report.vof"), true},
        {p("report.vof"), p("other.vof"), false},
        // Names not written yet: the same when they resolve to one name.
        {p("new.csv"), p("sub/../new.csv"), true},
        {p("sub-link/new.csv"), p("sub/new.csv"), true},
        {p("dangling.csv"), p("future.csv"), true},
        {here, (fs::current_path() / here).string(), true},
        {p("new.csv"), p("new.vof"), false},
        {p("dangling.csv"), p("report.vof"), false},
        // One exists, the other does not: two files.
        {p("report.vof"), p("sub/report.vof"), false},
        {"", "", false},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(IsSameFile(c.a, c.b), c.same) << c.a << " / " << c.b;
        EXPECT_EQ(IsSameFile(c.b, c.a), c.same) << c.b << " / " << c.a;
    }
    fs::remove_all(f);
}

} // namespace
} // namespace vorla
