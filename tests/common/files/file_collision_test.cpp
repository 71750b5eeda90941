#include "common/files/file_collision.h"
#include "tests/support/test_files.h"

#include <filesystem>
#include <gtest/gtest.h>
#include <optional>
#include <vector>

namespace vorla {
namespace {

namespace fs = std::filesystem;

constexpr FileRole R = FileRole::Read;
constexpr FileRole W = FileRole::Written;

TEST(FindFileCollision, FindsTheFirstPairWhereOneWritesTheOther) {
    const test_support::TemporaryFolder folder;
    const std::string fire = folder.Write("sofa.fir", "0 0 0\n");
    const std::string report = folder.Write("old.vof", "r");
    fs::create_symlink(fire, folder / "fire-link.fir");
    fs::create_hard_link(report, folder / "twin.vof");
    const auto p = [&](const char* name) { return folder.PathOf(name); };

    const struct {
        const char* what;
        std::vector<FileUse> uses;
        std::optional<FileCollision> collision;
    } cases[] = {
        {"nothing", {}, std::nullopt},
        {"a report over the fire file", {{fire, R}, {fire, W}}, FileCollision{0, 1}},
        {"written first, read after", {{fire, W}, {fire, R}}, FileCollision{0, 1}},
        {"through a link", {{fire, R}, {p("fire-link.fir"), W}}, FileCollision{0, 1}},
        {"another spelling", {{p("./sofa.fir"), R}, {fire, W}}, FileCollision{0, 1}},
        {"a hard link", {{report, R}, {p("twin.vof"), W}}, FileCollision{0, 1}},
        {"two new outputs", {{p("new.csv"), W}, {p("x/../new.csv"), W}}, FileCollision{0, 1}},
        {"two reads", {{fire, R}, {p("fire-link.fir"), R}}, std::nullopt},
        {"different files", {{fire, R}, {report, W}, {p("new.csv"), W}}, std::nullopt},
        {"the earliest pair",
         {{fire, R}, {report, W}, {report, W}, {fire, W}},
         FileCollision{1, 2}},
        {"empty names", {{"", R}, {"", W}}, std::nullopt},
        {"the null device keeps nothing", {{"/dev/null", W}, {"/dev/null", W}}, std::nullopt},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(FindFileCollision(c.uses), c.collision) << c.what;
    }
}

TEST(WouldWriteOver, TheSaveOfAWindowOverTheFireFileItRead) {
    const test_support::TemporaryFolder folder;
    const std::string fire = folder.Write("sofa.fir", "0 0 0\n");
    EXPECT_TRUE(WouldWriteOver(fire, fire));
    EXPECT_TRUE(WouldWriteOver((folder / "." / "sofa.fir").string(), fire));
    EXPECT_FALSE(WouldWriteOver(folder.PathOf("sofa.vof"), fire));
    EXPECT_FALSE(WouldWriteOver("/dev/null", "/dev/null"));
    EXPECT_FALSE(WouldWriteOver("", fire));
}

} // namespace
} // namespace vorla
