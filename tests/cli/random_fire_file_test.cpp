// Whatever fire file a user hands the models, no report or CSV ever carries a
// "nan", an "inf" or an "Infinity": the file is refused with a message, or
// every number printed is a number.
#include "cli/vorla_command.h"
#include "common/fire_files/fire_file_reader.h"

#include <algorithm>
#include <cfloat>
#include <cmath>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <map>
#include <random>
#include <regex>
#include <sstream>
#include <unistd.h>

namespace vorla::cli {
namespace {

namespace fs = std::filesystem;

std::string Exact(double value) {
    char text[64];
    std::snprintf(text, sizeof text, "%.17g", value);
    return text;
}

// A fire file of random points: times sorted (whole seconds, fractions of one,
// as close as a double allows, or far beyond 16 bits), rates from nothing to
// far beyond the largest single value, the end marker after them.
std::string RandomFireFile(std::mt19937_64& random) {
    std::uniform_int_distribution<int> count(2, 40);
    std::uniform_int_distribution<int> style(0, 4);
    const int points = count(random);
    const int timeStyle = style(random);
    std::vector<double> times;
    std::uniform_int_distribution<int> wholeSeconds(-32768, 32767);
    std::uniform_int_distribution<int> smallSeconds(-20, 700);
    std::uniform_real_distribution<double> unit(0.0, 1.0);
    for (int p = 0; p < points; ++p) {
        switch (timeStyle) {
        case 0:
            times.push_back(wholeSeconds(random));
            break;
        case 1:
            times.push_back(smallSeconds(random));
            break;
        case 2:
            times.push_back(smallSeconds(random) + unit(random));
            break;
        case 3: // times a unit of the last place apart
            times.push_back(p == 0 ? smallSeconds(random) : std::nextafter(times.back(), 1e9));
            break;
        default: // beyond what a fire file holds, up to the largest double
            times.push_back((p % 2 ? 1 : -1) * std::pow(10.0, unit(random) * 308));
        }
    }
    std::sort(times.begin(), times.end());
    // One file in five has rates beyond single precision among its points.
    std::uniform_int_distribution<int> rateStyle(0, style(random) == 4 ? 4 : 3);
    std::string text;
    for (const double time : times) {
        double rate = 0;
        switch (rateStyle(random)) {
        case 0:
            rate = 0;
            break;
        case 1:
            rate = unit(random) * 5000;
            break;
        case 2:
            rate = std::pow(10.0, unit(random) * 38.5);
            break;
        case 3:
            rate = FLT_MAX;
            break;
        default: // beyond single precision
            rate = std::pow(10.0, 38.6 + unit(random) * 269);
        }
        text += Exact(time) + " " + Exact(rate) + " 0\r\n";
    }
    return text + "-9 -9 -9\r\n";
}

bool ShowsANonNumber(const std::string& text) {
    static const std::regex nonNumber("(^|[^A-Za-z])(nan|inf)", std::regex::icase);
    return std::regex_search(text, nonNumber);
}

class RandomFireFiles : public ::testing::Test {
  protected:
    void SetUp() override {
        folder_ = fs::temp_directory_path() / ("vorla-random-fire-" + std::to_string(::getpid()));
        fs::create_directories(folder_);
    }
    void TearDown() override { fs::remove_all(folder_); }

    // Runs the command on the fire file and checks everything it printed and wrote.
    void RunAndCheck(std::vector<std::string> args, const std::string& fire,
                     const std::string& content) {
        const std::string csv = (folder_ / "out.csv").string();
        fs::remove(csv);
        args.insert(args.end(), {"--fire", fire, "-o", "-", "--csv", csv});
        std::ostringstream out, err;
        const int status = RunVorla(args, out, err);
        std::ifstream written(csv, std::ios::binary);
        std::ostringstream table;
        table << written.rdbuf();
        EXPECT_FALSE(ShowsANonNumber(out.str())) << args[0] << "\n" << content << out.str();
        EXPECT_FALSE(ShowsANonNumber(table.str())) << args[0] << "\n" << content << table.str();
        EXPECT_FALSE(ShowsANonNumber(err.str())) << args[0] << "\n" << content << err.str();
        ++runs_[status];
    }

    fs::path folder_;
    std::map<int, int> runs_;
};

TEST_F(RandomFireFiles, NeverPutANonNumberInAReportOrACsv) {
    const std::vector<std::string> compartment = {
        "compartment", "--title",         "Random fire", "--output-name", "R.VOF", "--floor-area",
        "20",          "--room-height",   "2.4",         "--vent-width",  "0.9",   "--sill-height",
        "0",           "--soffit-height", "2",           "--fire-height", "0",     "--run-time",
        "120"};
    const std::vector<std::string> smoke = {"smoke", "--title",      "Random fire", "--output-name",
                                            "R.SOF", "--floor-area", "30",          "--room-height",
                                            "3",     "--run-time",   "120"};
    std::mt19937_64 random(20240611);
    int accepted = 0;
    for (int file = 0; file < 100; ++file) {
        const std::string content = RandomFireFile(random);
        const std::string path = (folder_ / "RANDOM.FIR").string();
        std::ofstream(path, std::ios::binary) << content;
        FireTable table;
        if (!ParseFireFile(content, path, table)) {
            ++accepted;
        }
        RunAndCheck(compartment, path, content);
        RunAndCheck(smoke, path, content);
    }
    // The random files must reach the models, not only the reader's refusals.
    EXPECT_GT(accepted, 40);
    EXPECT_GT(runs_[0], 40);
}

} // namespace
} // namespace vorla::cli
