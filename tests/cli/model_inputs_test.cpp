// The model commands' inputs built from option texts without argv, as a study
// builds one run after another.
#include "cli/model_inputs.h"
#include "cli/vorla_command.h"
#include "tests/support/test_files.h"

#include <cmath>
#include <gtest/gtest.h>
#include <string>

namespace vorla::cli {
namespace {

const std::string kGolden = VORLA_GOLDEN_DIR;
const std::string kExamples = VORLA_EXAMPLES_DIR;

const OptionTexts kOffice = {
    {"title", "Office, sofa fire"}, {"output-name", "OFFICE.VOF"},
    {"fire", "SOFA.FIR"},           {"floor-area", "20"},
    {"room-height", "2.4"},         {"vent-width", "0.9"},
    {"sill-height", "0"},           {"soffit-height", "2"},
    {"fire-height", "0"},           {"run-time", "600"},
};

OptionTexts With(OptionTexts options, const std::string& name, const std::string& text) {
    options[name] = text;
    return options;
}

TEST(CompartmentInputs, AreTheFormsInputsInSIUnits) {
    const auto built = CompartmentInputs(With(kOffice, "units", "us"));
    ASSERT_TRUE(std::holds_alternative<compartment::RunInputs>(built));
    const auto& in = std::get<compartment::RunInputs>(built);
    EXPECT_EQ(in.RunTitle, "Office, sofa fire");
    EXPECT_EQ(in.FireFile, "SOFA.FIR");
    EXPECT_DOUBLE_EQ(in.FloorArea, 20 * 0.0929);   // ft² typed
    EXPECT_DOUBLE_EQ(in.RoomHeight, 2.4 * 0.3048); // ft typed
    EXPECT_EQ(in.SoffitHeight, static_cast<float>(2 * 0.3048));
    EXPECT_EQ(in.RadiativeLossFraction, 0.35); // the form's defaults
    EXPECT_EQ(in.TotalLossFraction, 0.6);
    EXPECT_EQ(in.RunTime, 600);
    // 0.52 W (Hs - Hsill)^1.5 with W = 0.27432 m and Hs = 0.6096 m.
    EXPECT_NEAR(in.VentFactor, 0.52 * 0.27432 * std::pow(0.6096, 1.5), 1e-7);
}

TEST(CompartmentInputs, StopWithTheCommandsMessageAndStatus) {
    const struct {
        const char* what;
        OptionTexts options;
        CommandStop stop;
    } cases[] = {
        {"a check of the form",
         With(kOffice, "soffit-height", "3"),
         {kExitInputRejected, "The soffit can not be above the ceiling.\n"}},
        {"no output name",
         With(kOffice, "output-name", ""),
         {kExitInputRejected, "An output data file name must be specified.\n"}},
        {"not a number",
         With(kOffice, "run-time", "ten"),
         {kExitInputRejected,
          "vorla compartment: The value of --run-time is not a number: \"ten\".\n"}},
        {"unknown units",
         With(kOffice, "units", "metric"),
         {kExitInputRejected, "vorla: --units must be si or us, not \"metric\".\n"}},
        {"a title of two lines",
         With(kOffice, "title", "Office\nsofa"),
         {kExitInputRejected, "vorla compartment: the value of --title must be one line.\n"}},
        {"a report that is not there",
         With(kOffice, "from", "/nonexistent/a.vof"),
         {kExitFileProblem, "vorla compartment: /nonexistent/a.vof: The report file "
                            "/nonexistent/a.vof cannot be opened (No such file or directory).\n"}},
    };
    for (const auto& c : cases) {
        const auto built = CompartmentInputs(c.options);
        ASSERT_TRUE(std::holds_alternative<CommandStop>(built)) << c.what;
        EXPECT_EQ(std::get<CommandStop>(built), c.stop) << c.what;
    }
}

TEST(CompartmentInputs, FromASavedReportWithOneValueChanged) {
    const auto built = CompartmentInputs(
        {{"from", kGolden + "/office-flashover-stop.vof"}, {"loss-fraction", "0.7"}});
    ASSERT_TRUE(std::holds_alternative<compartment::RunInputs>(built));
    const auto& in = std::get<compartment::RunInputs>(built);
    EXPECT_EQ(in.TotalLossFraction, 0.7);
    EXPECT_EQ(in.FloorArea, 20);
    EXPECT_EQ(in.VentWidth, 0.9);
    EXPECT_EQ(in.OutputFile, "OFFICE.VOF");
    // Without -o or --output-name, the output name is the report's own line.
    EXPECT_EQ(in.RunTime, 600);
}

// A saved report holds S.I. values: --units concerns only what the options
// type, so the report's values are used exactly as saved (20.00 m², 2.40 m, ...)
// and the run is the S.I. run.
TEST(CompartmentInputs, FromASavedReportTheUnitsConvertOnlyTypedValues) {
    const OptionTexts fromReport = {{"from", kGolden + "/office-flashover-stop.vof"}};
    const auto si = std::get<compartment::RunInputs>(CompartmentInputs(fromReport));
    const struct {
        const char* what;
        OptionTexts options;
        double roomHeight;
    } cases[] = {
        {"S.I. units", fromReport, 2.4},
        {"U.S. units", With(fromReport, "units", "us"), 2.4},
        {"U.S. units, the room height typed in ft",
         With(With(fromReport, "units", "us"), "room-height", "9"), 9 * 0.3048},
    };
    for (const auto& c : cases) {
        const auto built = CompartmentInputs(c.options);
        ASSERT_TRUE(std::holds_alternative<compartment::RunInputs>(built)) << c.what;
        const auto& in = std::get<compartment::RunInputs>(built);
        EXPECT_EQ(in.FloorArea, 20) << c.what;
        EXPECT_EQ(in.RoomHeight, c.roomHeight) << c.what;
        EXPECT_EQ(in.VentWidth, 0.9) << c.what;
        EXPECT_EQ(in.SillHeight, 0) << c.what;
        EXPECT_EQ(in.SoffitHeight, 2.0f) << c.what;
        EXPECT_EQ(in.FireHeight, 0) << c.what;
        EXPECT_EQ(in.VentFactor, si.VentFactor) << c.what;
        EXPECT_EQ(in.RunTime, 600) << c.what;
    }
}

TEST(CompartmentInputs, TheOutputNameIsTheOPathUnlessNamed) {
    OptionTexts options = kOffice;
    options.erase("output-name");
    options["o"] = "runs/office.vof";
    EXPECT_EQ(std::get<compartment::RunInputs>(CompartmentInputs(options)).OutputFile,
              "runs/office.vof");
    options["o"] = "-";
    EXPECT_EQ(std::get<CommandStop>(CompartmentInputs(options)).Message,
              "An output data file name must be specified.\n");
}

const OptionTexts kHall = {
    {"output-name", "HALL.SOF"}, {"fire", "HALL.FIR"}, {"floor-area", "1000"},
    {"room-height", "30"},       {"run-time", "9000"},
};

TEST(SmokeInputs, AreTheFormsInputsInSIUnits) {
    const auto built = SmokeInputs(With(kHall, "loss-fraction", "0.7"));
    ASSERT_TRUE(std::holds_alternative<smoke::RunInputs>(built));
    const auto& in = std::get<smoke::RunInputs>(built);
    EXPECT_EQ(in.FloorArea, 1000);
    EXPECT_EQ(in.RoomHeight, 30);
    EXPECT_EQ(in.FireHeight, 0);
    EXPECT_EQ(in.LossFraction, 0.7);
    EXPECT_EQ(in.RunTime, 9000);
    EXPECT_EQ(in.FireFile, "HALL.FIR");

    // U.S. units go through the form's single-precision factors.
    const auto us = SmokeInputs(With(With(kHall, "units", "us"), "floor-area", "10"));
    EXPECT_EQ(std::get<smoke::RunInputs>(us).FloorArea, 10 * static_cast<double>(0.0929f));
}

// The saved results file's 150.00 m², 4.00 m and 0.50 m stay exact in U.S.
// units (150 m² shown as 1614.639 ft² would read back as 149.99996 m²).
TEST(SmokeInputs, FromASavedResultsFileTheUnitsConvertOnlyTypedValues) {
    const OptionTexts fromFile = {{"from", kExamples + "/shop-sofa-fire.sof"}};
    const struct {
        const char* what;
        OptionTexts options;
        double floorArea;
    } cases[] = {
        {"S.I. units", fromFile, 150},
        {"U.S. units", With(fromFile, "units", "us"), 150},
        {"U.S. units, the floor area typed in ft²",
         With(With(fromFile, "units", "us"), "floor-area", "1000"),
         1000 * static_cast<double>(0.0929f)},
    };
    for (const auto& c : cases) {
        const auto built = SmokeInputs(c.options);
        ASSERT_TRUE(std::holds_alternative<smoke::RunInputs>(built)) << c.what;
        const auto& in = std::get<smoke::RunInputs>(built);
        EXPECT_EQ(in.FloorArea, c.floorArea) << c.what;
        EXPECT_EQ(in.RoomHeight, 4) << c.what;
        EXPECT_EQ(in.FireHeight, 0.5f) << c.what;
        EXPECT_EQ(in.LossFraction, 0.6) << c.what;
        EXPECT_EQ(in.RunTime, 900) << c.what;
    }
}

TEST(SmokeInputs, StopWithTheCommandsMessageAndStatus) {
    const test_support::TemporaryFolder folder;
    const std::string shortFile = folder.Write("short.sof", "SKEVA-XW\r\nTitle\r\n");
    const struct {
        const char* what;
        OptionTexts options;
        CommandStop stop;
    } cases[] = {
        {"a check of the form",
         With(kHall, "loss-fraction", "1"),
         {kExitInputRejected, "The loss fraction must be between 0 and 1.\n"}},
        {"not a number",
         With(kHall, "floor-area", "big"),
         {kExitInputRejected,
          "vorla smoke: The value of --floor-area is not a number: \"big\".\n"}},
        {"an output path of two lines",
         With(kHall, "o", "a\r\nb.sof"),
         {kExitInputRejected, "vorla smoke: the value of -o must be one line.\n"}},
        {"a short saved report",
         With(kHall, "from", shortFile),
         {kExitFileProblem, "vorla smoke: " + shortFile + ": Wrong file format.\n"}},
        {"a saved report that is not there",
         With(kHall, "from", "/nonexistent/a.sof"),
         {kExitFileProblem, "vorla smoke: The results file /nonexistent/a.sof cannot be opened "
                            "(No such file or directory).\n"}},
    };
    for (const auto& c : cases) {
        const auto built = SmokeInputs(c.options);
        ASSERT_TRUE(std::holds_alternative<CommandStop>(built)) << c.what;
        EXPECT_EQ(std::get<CommandStop>(built), c.stop) << c.what;
    }
}

} // namespace
} // namespace vorla::cli
