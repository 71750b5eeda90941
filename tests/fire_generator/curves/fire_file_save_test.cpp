#include "common/fire_files/fire_file_reader.h"
#include "curve_test_support.h"
#include "fire_generator/curves/custom_fire.h"
#include "fire_generator/curves/fire_file_save.h"
#include "fire_generator/curves/furniture_fire.h"
#include "fire_generator/curves/pool_fire.h"
#include "fire_generator/curves/semi_universal_fire.h"
#include "fire_generator/curves/tsquared_fire.h"
#include "tests/support/test_files.h"

#include <cmath>
#include <filesystem>
#include <fstream>
#include <functional>
#include <gtest/gtest.h>
#include <sstream>
#include <unistd.h>

namespace vorla::generator {
namespace {

namespace fs = std::filesystem;

class FireFileSave : public ::testing::Test {
  protected:
    static std::string Contents(const fs::path& path) { return test_support::ReadFile(path); }

    test_support::TemporaryFolder folder_;
};

// The main form's steps for a pool of heptane, then the pool form.
DesignFireState Heptane1m(const std::string& fileName) {
    DesignFireState module;
    const auto outcome = CheckCurveCommand(module, {"Heptane pool, 1 m", fileName, "43700", "0"},
                                           {.DelayTimeIsZero = true});
    EXPECT_TRUE(std::holds_alternative<OpenTheCurveForm>(outcome));
    EXPECT_FALSE(BuildPoolFire(module, {"0.039", "0.7", "1", "600"}));
    return module;
}

// The pool of 1 m typed in either unit system: the rates stay in kW, and only
// what is typed changes.
TEST_F(FireFileSave, WritesThePoolFileByteForByteInEitherUnitSystem) {
    const struct {
        UnitSystem units;
        const char* heatOfCombustion;
        PoolEntries pool;
    } cases[] = {
        {UnitSystem::SI, "43700", {"0.039", "0.7", "1", "600"}},
        {UnitSystem::US, "18788.426", {"0.00798743386", "0.21336", "3.2808399", "600"}},
    };
    for (const auto& c : cases) {
        const fs::path path = folder_ / "POOL1.FIR";
        DesignFireState module;
        ChooseUnits(module, c.units);
        const auto outcome =
            CheckCurveCommand(module, {"Heptane pool, 1 m", path.string(), c.heatOfCombustion, "0"},
                              {.DelayTimeIsZero = true});
        ASSERT_TRUE(std::holds_alternative<OpenTheCurveForm>(outcome));
        ASSERT_FALSE(BuildPoolFire(module, c.pool));
        ASSERT_FALSE(SaveFireFile(module, "12/06/1999"));
        EXPECT_EQ(Contents(path), "    0          0.0        0.000\r\n"
                                  "    1        673.8       15.420\r\n"
                                  "  600        673.8       15.420\r\n"
                                  "   -9           -9           -9\r\n"
                                  "POOL1.FIR     12/06/1999\r\n"
                                  "Heptane pool, 1 m\r\n")
            << c.heatOfCombustion;
    }
}

TEST_F(FireFileSave, RefusesATableTheModelsCouldNotReadAndKeepsTheOldFile) {
    const fs::path path = folder_ / "ONE.FIR";
    {
        std::ofstream old(path, std::ios::binary);
        old << "old contents";
    }
    DesignFireState module = ModuleFor(0);
    module.FireFileName = path.string();
    ASSERT_FALSE(BuildTSquaredFire(module, {"0.1", "100", "3"}));
    ASSERT_EQ(module.LastPoint, 0);

    const auto error = SaveFireFile(module, "01/01/2000");
    ASSERT_TRUE(error);
    EXPECT_EQ(error->Message, "The fire curve has fewer than two points. VORLA-XW and SKEVA-XW "
                              "can not read such a fire file, so it was not saved.");
    EXPECT_EQ(error->Title, "QDOT-XW: Save Data Error");
    EXPECT_EQ(Contents(path), "old contents");
}

TEST_F(FireFileSave, RefusesACurveTooLargeForTheColumnsAndKeepsTheOldFile) {
    const fs::path path = folder_ / "HUGE.FIR";
    std::ofstream(path, std::ios::binary) << "old contents";
    DesignFireState module;
    const auto outcome =
        CheckCurveCommand(module, {"Pool", path.string(), "43700", "0"}, {.DelayTimeIsZero = true});
    ASSERT_TRUE(std::holds_alternative<OpenTheCurveForm>(outcome));
    ASSERT_FALSE(BuildPoolFire(module, {"0.039", "0.7", "1e10", "600"}));

    const auto error = SaveFireFile(module, "01/01/2000");
    ASSERT_TRUE(error);
    EXPECT_EQ(error->Message, "The fire curve was not saved: the heat release rate at 1 s is too "
                              "large for a fire file, which holds at most 999999.9 kW.");
    EXPECT_EQ(error->Title, "QDOT-XW: Save Data Error");
    EXPECT_EQ(Contents(path), "old contents");
}

TEST_F(FireFileSave, SaysSoWhenTheFileCannotBeWritten) {
    DesignFireState module = Heptane1m((folder_ / "no-such-folder" / "P.FIR").string());
    const auto error = SaveFireFile(module, "d");
    ASSERT_TRUE(error);
    EXPECT_NE(error->Message.find("could not be written"), std::string::npos) << error->Message;
    EXPECT_NE(error->Message.find("P.FIR"), std::string::npos);
    EXPECT_EQ(error->Title, "QDOT-XW: Save Data Error");

    if (::geteuid() != 0) {
        const fs::path kept = folder_ / "KEPT.FIR";
        {
            std::ofstream old(kept, std::ios::binary);
            old << "old contents";
        }
        fs::permissions(folder_.Path(), fs::perms::owner_read | fs::perms::owner_exec);
        module.FireFileName = kept.string();
        EXPECT_TRUE(SaveFireFile(module, "d"));
        fs::permissions(folder_.Path(), fs::perms::owner_all);
        EXPECT_EQ(Contents(kept), "old contents");
    }
}

TEST_F(FireFileSave, TheNameLineHoldsTheBareFileNameWhereverTheFileIs) {
    const fs::path path = folder_ / "deep" / "er" / "HEPTANE.FIR";
    fs::create_directories(path.parent_path());
    const DesignFireState module = Heptane1m(path.string());
    ASSERT_FALSE(SaveFireFile(module, "31/12/2001"));
    EXPECT_NE(Contents(path).find("\r\nHEPTANE.FIR   31/12/2001\r\n"), std::string::npos);
}

// Save As…: the file goes to the path given, named on its name line; the
// state's file name is neither written nor read.
TEST_F(FireFileSave, SaveToWritesTheGivenPathAndNamesIt) {
    const fs::path named = folder_ / "HEPTANE.FIR";
    const fs::path other = folder_ / "OTHER.FIR";
    const DesignFireState module = Heptane1m(named.string());
    ASSERT_FALSE(SaveFireFileTo(module, other.string(), "31/12/2001"));
    EXPECT_FALSE(fs::exists(named));
    const std::string text = Contents(other);
    EXPECT_NE(text.find("\r\nOTHER.FIR     31/12/2001\r\n"), std::string::npos);
    // The same lines as Save writes under that name, but for the name line.
    DesignFireState renamed = module;
    renamed.FireFileName = (folder_ / "O.FIR").string();
    ASSERT_FALSE(SaveFireFile(renamed, "31/12/2001"));
    const std::string saved = Contents(folder_ / "O.FIR");
    EXPECT_EQ(text.substr(0, text.find("OTHER.FIR")), saved.substr(0, saved.find("O.FIR")));
}

// Every kind of curve, written and read back by the reader the models use,
// gives the table that was built.
TEST(FireFileRoundTrip, EveryKindOfCurveReadsBackAsBuilt) {
    const std::array<int, 5> kWoodArmchair{1, 1, 3, 2, 1};
    const struct {
        const char* name;
        int delay;
        std::function<std::optional<RejectedInput>(DesignFireState&)> build;
    } curves[] = {
        {"t-squared", 0,
         [](auto& m) {
             return BuildTSquaredFire(m, {"0.0469", "146", "600"});
         }},
        {"t-squared full", 25,
         [](auto& m) {
             return BuildTSquaredFire(m, {"2", "9000", "9000"});
         }},
        {"semi-universal", 30, [](auto& m) { return BuildSemiUniversalFire(m, {"600"}); }},
        {"pool", 0,
         [](auto& m) {
             return BuildPoolFire(m, {"0.039", "0.7", "1", "1"});
         }},
        {"pool delayed", 60,
         [](auto& m) {
             return BuildPoolFire(m, {"1", "10", "30", "9000"});
         }},
        {"furniture", 10,
         [&](auto& m) {
             return BuildFurnitureFire(m, {"30", kWoodArmchair});
         }},
        {"furniture tiny", 0,
         [](auto& m) {
             return BuildFurnitureFire(m, {"0.0001", {0, 0, 0, 0, 0}});
         }},
        {"custom", 0,
         [](auto& m) {
             CustomFireEntry entry;
             entry.Activate(m);
             CustomPageEntries page{};
             page[0] = {"-5", "0"};
             page[1] = {"10", "1234567.8"};
             page[2] = {"32767", "0.04"};
             return entry.Ok(m, page);
         }},
    };
    for (const auto& c : curves) {
        DesignFireState module = ModuleFor(c.delay);
        module.HeatOfCombustion = 43700;
        ASSERT_FALSE(c.build(module)) << c.name;
        const auto content = FireFileContent(module, "/some/where/ROUND.FIR", "d");
        const auto* text = std::get_if<std::string>(&content);
        ASSERT_TRUE(text) << c.name;

        FireTable table;
        ASSERT_FALSE(ParseFireFile(*text, "ROUND.FIR", table)) << c.name;
        ASSERT_EQ(table.LastIndex, module.LastPoint) << c.name;
        for (int i = 0; i <= module.LastPoint; ++i) {
            EXPECT_EQ(table.Points[i].Time, module.FireTime[i]) << c.name << " " << i;
            // The file carries the rate to one decimal.
            EXPECT_NEAR(table.Points[i].Rate, module.FireRate[i], 0.05 + 1e-9)
                << c.name << " " << i;
        }
    }
}

} // namespace
} // namespace vorla::generator
