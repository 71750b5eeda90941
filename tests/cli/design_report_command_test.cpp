// `vorla compartment|smoke ... --design-report FILE.pdf` through the built
// program, the PDF read back with pdftotext and pdfinfo: its sections, title
// block and key results against the same run's --summary, its digests against
// sha256sum, and "Page x of y" against pdfinfo's page count.
#include "common/suite_version.h"
#include "tests/support/file_bytes.h"
#include "tests/support/pdf_reading.h"
#include "tests/support/test_files.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <filesystem>
#include <gtest/gtest.h>
#include <nlohmann/json.hpp>
#include <regex>
#include <string>
#include <sys/wait.h>

namespace vorla {
namespace {

using Json = nlohmann::json;
using test_support::Quoted;

struct Outcome {
    int Status = -1;
    std::string Err;
};

Outcome Vorla(const test_support::TemporaryFolder& folder, const std::string& arguments) {
    const std::string err = folder.PathOf("stderr.txt");
    const std::string command =
        Quoted(VORLA_EXECUTABLE) + " " + arguments + " >/dev/null 2>" + Quoted(err) + " </dev/null";
    const int status = std::system(command.c_str());
    return {WIFEXITED(status) ? WEXITSTATUS(status) : -1, test_support::ReadFile(err)};
}

// A time of the summary as the key results write it: to 0.1 s.
std::string Tenth(double value) {
    char text[32];
    std::snprintf(text, sizeof text, "%.1f", value);
    return text;
}

std::string All(const std::vector<std::string>& pages) {
    std::string text;
    for (const auto& page : pages) {
        text += page;
    }
    return text;
}

// The line of `text` that starts (blanks aside) with `start`; empty when none.
std::string LineStarting(const std::string& text, const std::string& start) {
    std::size_t at = 0;
    while (at < text.size()) {
        const std::size_t end = std::min(text.find('\n', at), text.size());
        const std::string line = text.substr(at, end - at);
        const auto first = line.find_first_not_of(' ');
        if (first != std::string::npos && line.compare(first, start.size(), start) == 0) {
            return line;
        }
        at = end + 1;
    }
    return {};
}

struct ModelCase {
    const char* Command;
    const char* From;    // in examples/
    const char* Fire;    // in examples/
    const char* Program; // the title block's
    const char* Report;  // the -o name
};

constexpr ModelCase kModels[] = {
    {"compartment", "office-sofa-fire.vof", "office-sofa-tsquared.fir", "VORLA-XW", "run.vof"},
    {"smoke", "shop-sofa-fire.sof", "medium-tsquared-1mw.fir", "SKEVA-XW", "run.sof"},
};

TEST(DesignReportCommand, MatchesTheSummaryOfTheSameRun) {
    if (test_support::PdfToolsMissing()) {
        GTEST_SKIP() << "pdftotext, pdfinfo or sha256sum is missing (poppler-utils)";
    }
    for (const auto& model : kModels) {
        SCOPED_TRACE(model.Command);
        const test_support::TemporaryFolder folder;
        const std::string examples = VORLA_EXAMPLES_DIR;
        const std::string fire = examples + "/" + model.Fire;
        const std::string report = folder.PathOf(model.Report);
        const std::string summary = folder.PathOf("summary.json");
        const std::string pdf = folder.PathOf("design.pdf");
        const auto ran = Vorla(folder, std::string(model.Command) + " --from " +
                                           Quoted(examples + "/" + model.From) + " --fire " +
                                           Quoted(fire) + " -o " + Quoted(report) + " --summary " +
                                           Quoted(summary) + " --design-report " + Quoted(pdf));
        ASSERT_EQ(ran.Status, 0) << ran.Err;
        const Json keys = Json::parse(test_support::ReadFile(summary));
        const auto pages = test_support::PdfPagesText(pdf);
        const std::string text = All(pages);

        // Every page says which of how many it is, as many as pdfinfo counts.
        const int count = test_support::PdfInfoPages(pdf);
        ASSERT_GE(count, 3);
        ASSERT_EQ(static_cast<int>(pages.size()), count);
        for (int p = 0; p < count; ++p) {
            EXPECT_NE(
                pages[p].find("Page " + std::to_string(p + 1) + " of " + std::to_string(count)),
                std::string::npos)
                << "page " << p + 1;
            EXPECT_NE(pages[p].find(std::string(model.Program) + " design report: " +
                                    keys["inputs"]["title"].get<std::string>() + " (" +
                                    model.Report + ")"),
                      std::string::npos)
                << "page " << p + 1;
        }

        // The title block.
        EXPECT_EQ(test_support::ValueAfter(text, "Run title:"),
                  keys["inputs"]["title"].get<std::string>());
        EXPECT_EQ(test_support::ValueAfter(text, "Program:"),
                  std::string(model.Program) + ", VORLA suite " + std::string(kSuiteVersion));
        EXPECT_TRUE(std::regex_match(test_support::ValueAfter(text, "Run date and time:"),
                                     std::regex(R"(\d{4}-\d\d-\d\d \d\d:\d\d:\d\d UTC)")));
        EXPECT_EQ(test_support::ValueAfter(text, "Report file:"), report);
        EXPECT_EQ(test_support::ValueAfter(text, "Report SHA-256:"),
                  test_support::Sha256Sum(report));
        EXPECT_EQ(test_support::ValueAfter(text, "Fire file:"), fire);
        EXPECT_EQ(test_support::ValueAfter(text, "Fire file SHA-256:"),
                  test_support::Sha256Sum(fire));

        // The sections, in their order.
        std::size_t at = 0;
        for (const char* heading :
             {"Inputs", "Design fire", "Key results", "Graphs",
              "Validity limits and model uncertainty", "Appendix: the full table"}) {
            const auto found = text.find(std::string("\n") + heading, at);
            EXPECT_NE(found, std::string::npos) << heading;
            at = found == std::string::npos ? at : found;
        }

        // An input in both systems: 1 ft is 0.3048 m exactly.
        const double area = keys["inputs"]["floor_area_m2"].get<double>();
        char feet[32];
        std::snprintf(feet, sizeof feet, "(%.4g ft²)", area / (0.3048 * 0.3048));
        EXPECT_NE(LineStarting(text, "Floor area").find(feet), std::string::npos) << feet;

        // The key results: each crossing time of the summary on its criterion's line.
        for (const auto& [height, time] : keys["interface_reaches_s"].items()) {
            const auto line = LineStarting(text, "Layer down to " + height + " m");
            if (time.is_null()) {
                EXPECT_NE(line.find("not reached"), std::string::npos) << line;
            } else {
                EXPECT_NE(line.find("at " + Tenth(time.get<double>()) + " s"), std::string::npos)
                    << line;
            }
        }
        for (const auto& [celsius, time] : keys["layer_temperature_reaches_s"].items()) {
            const auto line = LineStarting(text, "Layer at " + celsius + " °C");
            if (time.is_null()) {
                EXPECT_NE(line.find("not reached"), std::string::npos) << line;
            } else {
                EXPECT_NE(line.find("at " + Tenth(time.get<double>()) + " s"), std::string::npos)
                    << line;
            }
        }
        EXPECT_NE(LineStarting(text, "Peak heat release rate")
                      .find(Tenth(keys["peak_heat_release_rate_kw"].get<double>()) + " kW"),
                  std::string::npos);
        EXPECT_NE(LineStarting(text, "Heat released")
                      .find(Tenth(keys["heat_released_mj"].get<double>()) + " MJ"),
                  std::string::npos);
        if (keys.contains("flashover_time_s") && !keys["flashover_time_s"].is_null()) {
            EXPECT_NE(LineStarting(text, "Flashover at")
                          .find(Tenth(keys["flashover_time_s"].get<double>()) + " s"),
                      std::string::npos);
        }
        EXPECT_NE(
            LineStarting(text, "Run ended at").find(Tenth(keys["end_time_s"].get<double>()) + " s"),
            std::string::npos);

        // The appendix holds the report to its last row.
        const std::string saved = test_support::ReadFile(report);
        std::string last = saved.substr(0, saved.find_last_not_of("\r\n") + 1);
        last = last.substr(last.find_last_of('\n') + 1);
        if (!last.empty() && last.back() == '\r') {
            last.pop_back();
        }
        last.erase(0, last.find_first_not_of(' '));
        ASSERT_FALSE(last.empty());
        EXPECT_NE(pages.back().find(last), std::string::npos) << last;
    }
}

TEST(DesignReportCommand, DashWritesThePdfToStandardOutput) {
    if (test_support::PdfToolsMissing()) {
        GTEST_SKIP() << "pdfinfo is missing (poppler-utils)";
    }
    const test_support::TemporaryFolder folder;
    const std::string examples = VORLA_EXAMPLES_DIR;
    const std::string pdf = folder.PathOf("out.pdf");
    const std::string command = Quoted(VORLA_EXECUTABLE) + " compartment --from " +
                                Quoted(examples + "/office-sofa-fire.vof") + " --fire " +
                                Quoted(examples + "/office-sofa-tsquared.fir") + " -o " +
                                Quoted(folder.PathOf("r.vof")) + " --design-report - >" +
                                Quoted(pdf) + " 2>/dev/null </dev/null";
    ASSERT_EQ(std::system(command.c_str()), 0);
    EXPECT_TRUE(test_support::ReadFile(pdf).starts_with("%PDF-"));
    EXPECT_GE(test_support::PdfInfoPages(pdf), 3);
    EXPECT_FALSE(std::filesystem::exists("-")); // no file named "-" where vorla ran
}

TEST(DesignReportCommand, RefusesAFileItCannotWriteNamingIt) {
    const test_support::TemporaryFolder folder;
    const std::string examples = VORLA_EXAMPLES_DIR;
    const std::string from = " --from " + Quoted(examples + "/office-sofa-fire.vof") + " --fire " +
                             Quoted(examples + "/office-sofa-tsquared.fir");
    struct Case {
        std::string Pdf;
        std::string Report;
        int Status;
    };
    const Case cases[] = {
        // A folder that is not there: the file problem, named.
        {folder.PathOf("no-such-folder/design.pdf"), folder.PathOf("run.vof"), 1},
        // The report's own file: refused before the run.
        {folder.PathOf("run.vof"), folder.PathOf("run.vof"), 2},
    };
    for (const auto& c : cases) {
        const auto ran = Vorla(folder, "compartment" + from + " -o " + Quoted(c.Report) +
                                           " --design-report " + Quoted(c.Pdf));
        EXPECT_EQ(ran.Status, c.Status) << ran.Err;
        EXPECT_NE(ran.Err.find(c.Pdf), std::string::npos) << ran.Err;
    }
}

// The heat released of examples/pool-1m-674kw.fir, integrated by hand: the rate
// rises from 0 to 673.8 kW over the first second, then holds to 600 s:
// 0.5 · 1 · 673.8 + 599 · 673.8 = 403 943.1 kJ, so 403.9 MJ to a tenth (never
// 404.0), the same in the summary and in the design report. A run that ends
// sooner (the smoke layer at the fire's base) has 336.9 + 673.8 · (end - 1) kJ.
TEST(DesignReportCommand, HeatReleasedIsTheFireCurvesIntegralRoundedOnce) {
    if (test_support::PdfToolsMissing()) {
        GTEST_SKIP() << "pdftotext, pdfinfo or sha256sum is missing (poppler-utils)";
    }
    const std::string room = " --floor-area 100 --room-height 6 --fire-height 0 --run-time 600";
    for (const auto& [model, report] :
         {std::pair<std::string, std::string>{"compartment --vent-width 2 --sill-height 0 "
                                              "--soffit-height 2 --flashover continue",
                                              "run.vof"},
          std::pair<std::string, std::string>{"smoke", "run.sof"}}) {
        SCOPED_TRACE(model);
        const test_support::TemporaryFolder folder;
        const std::string command = model + " -o " + Quoted(folder.PathOf(report));
        const std::string fire = std::string(VORLA_EXAMPLES_DIR) + "/pool-1m-674kw.fir";
        const std::string summary = folder.PathOf("summary.json");
        const std::string pdf = folder.PathOf("pool.pdf");
        const auto run =
            Vorla(folder, command + room + " --title Pool --fire " + Quoted(fire) + " --summary " +
                              Quoted(summary) + " --design-report " + Quoted(pdf));
        ASSERT_EQ(run.Status, 0) << run.Err;
        const Json keys = Json::parse(test_support::ReadFile(summary));
        const double end = keys["end_time_s"].get<double>();
        const double expected = (336.9 + 673.8 * (end - 1)) / 1000;
        if (model == "smoke") {
            EXPECT_LT(end, 600.0);
        } else {
            EXPECT_EQ(end, 600.0);
            EXPECT_NEAR(expected, 403.9431, 1e-9);
        }
        EXPECT_NEAR(keys["heat_released_mj"].get<double>(), expected, 1e-9);
        char shown[64];
        std::snprintf(shown, sizeof shown, "Heat released %.1f MJ", expected);
        const std::string line =
            LineStarting(All(test_support::PdfPagesText(pdf)), "Heat released");
        EXPECT_TRUE(line.find(shown) != std::string::npos) << line << " against " << shown;
    }
}

// The graphs' time axis: a 600 s run of examples/pool-1m-674kw.fir (held to
// 600 s) fills the 10 min scale, ticks every 2 min; in seconds the same scale
// is 600 s, and of the clock's steps 60 s would give 10 steps, 120 s gives 5.
// Every graph (the fire and the four quantities) reads the chosen unit.
TEST(DesignReportCommand, TheTimeAxisIsInTheUnitChosen) {
    if (test_support::PdfToolsMissing()) {
        GTEST_SKIP() << "pdftotext, pdfinfo or sha256sum is missing (poppler-utils)";
    }
    const struct {
        const char* option;
        const char* title;
        const char* otherTitle;
        const char* ticks;
    } cases[] = {
        {"", "Time (min)", "Time (s)", R"(\b0\s+2\s+4\s+6\s+8\s+10\b)"},
        {" --time-axis min", "Time (min)", "Time (s)", R"(\b0\s+2\s+4\s+6\s+8\s+10\b)"},
        {" --time-axis s", "Time (s)", "Time (min)", R"(\b0\s+120\s+240\s+360\s+480\s+600\b)"},
    };
    const std::string run = "compartment --vent-width 2 --sill-height 0 --soffit-height 2 "
                            "--flashover continue --floor-area 100 --room-height 6 "
                            "--fire-height 0 --run-time 600 --title Pool --fire " +
                            Quoted(std::string(VORLA_EXAMPLES_DIR) + "/pool-1m-674kw.fir");
    for (const auto& c : cases) {
        SCOPED_TRACE(c.option);
        const test_support::TemporaryFolder folder;
        const std::string pdf = folder.PathOf("pool.pdf");
        const auto ran = Vorla(folder, run + " -o " + Quoted(folder.PathOf("run.vof")) +
                                           " --design-report " + Quoted(pdf) + c.option);
        ASSERT_EQ(ran.Status, 0) << ran.Err;
        const std::string text = All(test_support::PdfPagesText(pdf));
        std::size_t titles = 0;
        for (auto at = text.find(c.title); at != std::string::npos;
             at = text.find(c.title, at + 1)) {
            ++titles;
        }
        EXPECT_EQ(titles, 5u) << text;
        EXPECT_EQ(text.find(c.otherTitle), std::string::npos);
        const std::regex ticks(c.ticks);
        EXPECT_EQ(std::distance(std::sregex_iterator(text.begin(), text.end(), ticks),
                                std::sregex_iterator()),
                  5)
            << text;
    }

    // Another word is refused before the run, naming the option; nothing written.
    const test_support::TemporaryFolder folder;
    const auto refused = Vorla(folder, run + " -o " + Quoted(folder.PathOf("run.vof")) +
                                           " --design-report " + Quoted(folder.PathOf("h.pdf")) +
                                           " --time-axis h");
    EXPECT_EQ(refused.Status, 2);
    EXPECT_EQ(refused.Err, "vorla compartment: --time-axis must be min or s, not \"h\".\n");
    EXPECT_FALSE(std::filesystem::exists(folder.PathOf("run.vof")));
    EXPECT_FALSE(std::filesystem::exists(folder.PathOf("h.pdf")));
}

// `--loss-fraction estimate` for a square room (the ratio's default, 1) and an
// irregular ceiling: the inputs name the rule and what the estimate came from, and the fraction
// shown is the one the run used (the summary's).
TEST(DesignReportCommand, SaysTheLossFractionIsTheEstimatorsAndFromWhat) {
    if (test_support::PdfToolsMissing()) {
        GTEST_SKIP() << "pdftotext, pdfinfo or sha256sum is missing (poppler-utils)";
    }
    const test_support::TemporaryFolder folder;
    const std::string examples = VORLA_EXAMPLES_DIR;
    const std::string summary = folder.PathOf("summary.json");
    const std::string pdf = folder.PathOf("estimate.pdf");
    const auto run =
        Vorla(folder, "compartment --from " + Quoted(examples + "/office-sofa-fire.vof") +
                          " --fire " + Quoted(examples + "/office-sofa-tsquared.fir") +
                          " --loss-fraction estimate --ceiling irregular -o " +
                          Quoted(folder.PathOf("run.vof")) + " --summary " + Quoted(summary) +
                          " --design-report " + Quoted(pdf));
    ASSERT_EQ(run.Status, 0) << run.Err;
    const Json keys = Json::parse(test_support::ReadFile(summary));
    const std::string text = All(test_support::PdfPagesText(pdf));
    EXPECT_EQ(test_support::ValueAfter(text, "Loss fraction rule"), "estimate");
    EXPECT_EQ(test_support::ValueAfter(text, "Ceiling"), "irregular");
    char fraction[32];
    std::snprintf(fraction, sizeof fraction, "%.4f", keys["inputs"]["loss_fraction"].get<double>());
    EXPECT_EQ(test_support::ValueAfter(text, "Loss fraction     "), fraction);
    // pdftotext breaks the note's lines where the page does: compare its words.
    std::string words = text;
    std::replace(words.begin(), words.end(), '\n', ' ');
    EXPECT_NE(words.find("Loss fraction: estimated, not typed"), std::string::npos);
    EXPECT_NE(words.find("a room length 1 times its width and an irregular ceiling"),
              std::string::npos);
}

} // namespace
} // namespace vorla
