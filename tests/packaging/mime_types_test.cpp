#include <QByteArray>
#include <QMimeDatabase>
#include <QMimeType>
#include <QString>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <sstream>
#include <string>
#include <unistd.h>

namespace {

namespace fs = std::filesystem;

std::string Contents(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

// A desktop's view of files: the system's types plus only the suite's, from
// the database update-mime-database built of packaging/mime. Set before the
// first look-up, which reads the folders once.
class MimeTypes : public ::testing::Test {
  protected:
    static void SetUpTestSuite() {
        const fs::path home = fs::temp_directory_path() / "vorla-mime-test-home";
        fs::create_directories(home);
        qputenv("XDG_DATA_HOME", QByteArray::fromStdString(home.string()));
        qputenv("XDG_DATA_DIRS", QByteArray(VORLA_TEST_MIME_ROOT ":/usr/share"));
    }

    void SetUp() override {
        folder_ = fs::temp_directory_path() / ("vorla-mime-test-" + std::to_string(::getpid()));
        fs::create_directories(folder_);
    }
    void TearDown() override { fs::remove_all(folder_); }

    // The type the desktop gives a file of this name and content.
    std::string TypeOf(const std::string& name, const std::string& content) const {
        const fs::path path = folder_ / name;
        std::ofstream(path, std::ios::binary) << content;
        return QMimeDatabase()
            .mimeTypeForFile(QString::fromStdString(path.string()))
            .name()
            .toStdString();
    }

    fs::path folder_;
};

TEST_F(MimeTypes, ReportsAndResultsAreKnownByNameAndByTheirVersionLine) {
    const std::string report = Contents(fs::path(VORLA_EXAMPLES_DIR) / "office-sofa-fire.vof");
    const std::string results = Contents(fs::path(VORLA_EXAMPLES_DIR) / "shop-sofa-fire.sof");
    const std::string fire = Contents(fs::path(VORLA_EXAMPLES_DIR) / "office-sofa-tsquared.fir");
    ASSERT_FALSE(report.empty());
    ASSERT_FALSE(results.empty());
    ASSERT_FALSE(fire.empty());

    const struct {
        std::string name;
        const std::string& content;
        std::string type;
    } cases[] = {
        {"office.vof", report, "application/x-vorla-xw-report"},
        {"OFFICE.SDF", report, "application/x-vorla-xw-report"}, // globs ignore case
        {"office.sdf", report, "application/x-vorla-xw-report"},
        {"office report", report, "application/x-vorla-xw-report"}, // no extension: the content
        {"shop.sof", results, "application/x-skeva-xw-results"},
        {"SHOP.SOF", results, "application/x-skeva-xw-results"},
        {"shop results", results, "application/x-skeva-xw-results"},
        {"office.fir", fire, "application/x-vorla-fire"},
        {"ARMCHAIR.FIR", fire, "application/x-vorla-fire"},
        // A fire file is rows of numbers: nothing but its name can tell it.
        {"office fire", fire, "text/plain"},
        // The version line, not just the program's name, marks a report.
        {"notes", "VORLA-XW VERSIONS compared\r\n", "text/plain"},
        {"notes.txt", "SKEVA-XW is the smoke filling model.\n", "text/plain"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(TypeOf(c.name, c.content), c.type) << c.name;
    }
}

TEST_F(MimeTypes, EveryTypeIsTextThatAnEditorCanOpenToo) {
    const QMimeDatabase database;
    for (const char* name : {"application/x-vorla-fire", "application/x-vorla-xw-report",
                             "application/x-skeva-xw-results"}) {
        const QMimeType type = database.mimeTypeForName(name);
        ASSERT_TRUE(type.isValid()) << name;
        EXPECT_TRUE(type.inherits("text/plain")) << name;
        EXPECT_FALSE(type.comment().isEmpty()) << name;
    }
}

} // namespace
