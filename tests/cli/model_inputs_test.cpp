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
    EXPECT_EQ(in.LossFraction, 0.6);
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
        // Two problems at once: the first in the command's order is told.
        {"a title of two lines before unknown units",
         With(With(kOffice, "title", "Office\nsofa"), "units", "metric"),
         {kExitInputRejected, "vorla compartment: the value of --title must be one line.\n"}},
        {"not a number before a report that is not there",
         With(With(kOffice, "run-time", "ten"), "from", "/nonexistent/a.vof"),
         {kExitInputRejected,
          "vorla compartment: The value of --run-time is not a number: \"ten\".\n"}},
        {"the form's check before an unknown fire position",
         With(With(kOffice, "soffit-height", "3"), "fire-position", "middle"),
         {kExitInputRejected, "The soffit can not be above the ceiling.\n"}},
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
    EXPECT_EQ(in.LossFraction, 0.7);
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

// Every digit a number is given with reaches the run, more than the boxes'
// patterns show ("##0.00#"): 2.4000000000000004 is the double after 2.4, and a
// third has no short text. A study's sampled number stands for its option's
// text as the number drawn. The forms' factors: 0.3048 m per ft and 0.0929 m²
// per ft² (SKEVA-XW's the floats nearest them).
TEST(ModelInputs, ANumberKeepsEveryDigitItIsGiven) {
    const double third = 1.0 / 3.0;
    const OptionTexts us = With(kOffice, "units", "us");
    const struct {
        const char* what;
        OptionTexts options;
        OptionNumbers numbers;
        double roomHeight;
        double floorArea;
    } cases[] = {
        {"typed in m",
         With(kOffice, "room-height", "2.4000000000000004"),
         {},
         2.4000000000000004,
         20},
        {"typed in ft",
         With(us, "room-height", "7.874015748031496"),
         {},
         7.874015748031496 * 0.3048,
         20 * 0.0929},
        {"a study's number in place of the text",
         kOffice,
         {{"room-height", 2 + third}},
         2 + third,
         20},
        {"a study's number in ft²",
         us,
         {{"floor-area", 200 + third}},
         2.4 * 0.3048,
         (200 + third) * 0.0929},
    };
    for (const auto& c : cases) {
        const auto built = CompartmentInputs(c.options, c.numbers);
        ASSERT_TRUE(std::holds_alternative<compartment::RunInputs>(built))
            << c.what << ": " << std::get<CommandStop>(built).Message;
        const auto& in = std::get<compartment::RunInputs>(built);
        EXPECT_EQ(in.RoomHeight, c.roomHeight) << c.what;
        EXPECT_EQ(in.FloorArea, c.floorArea) << c.what;
    }
    const auto smoke = SmokeInputs(
        {{"output-name", "HALL.SOF"}, {"fire", "HALL.FIR"}, {"units", "us"}, {"run-time", "60"}},
        {{"floor-area", 1000 + third}, {"room-height", 50 + third}});
    ASSERT_TRUE(std::holds_alternative<smoke::RunInputs>(smoke));
    EXPECT_EQ(std::get<smoke::RunInputs>(smoke).FloorArea,
              (1000 + third) * static_cast<double>(0.0929f));
    EXPECT_EQ(std::get<smoke::RunInputs>(smoke).RoomHeight,
              (50 + third) * static_cast<double>(0.3048f));
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
        {"the first not a number in the form's order",
         With(With(kHall, "run-time", "long"), "floor-area", "big"),
         {kExitInputRejected,
          "vorla smoke: The value of --floor-area is not a number: \"big\".\n"}},
    };
    for (const auto& c : cases) {
        const auto built = SmokeInputs(c.options);
        ASSERT_TRUE(std::holds_alternative<CommandStop>(built)) << c.what;
        EXPECT_EQ(std::get<CommandStop>(built), c.stop) << c.what;
    }
}

// --loss-fraction estimate: the estimator's formula worked by hand for the
// office (20 m² by 2.4 m, fire at the floor, radiative fraction 0.35): a
// square room has a heated surface of 20 + 4·√20·2.4 = 62.93 m², an
// equivalent radius of 4.476 m, and 0.35 + 0.65·0.47·(1 − e^(−0.69·4.476/2.4))
// = 0.5711; a room twice as long as wide 0.5733; an irregular ceiling adds 0.1.
TEST(CompartmentInputs, TheEstimatedLossFractionAsTheEstimatorTypesIt) {
    const OptionTexts estimate = With(kOffice, "loss-fraction", "estimate");
    const struct {
        OptionTexts options;
        double lossFraction;
    } cases[] = {
        {estimate, 0.5711},
        {With(estimate, "aspect-ratio", "2"), 0.5733},
        {With(estimate, "ceiling", "irregular"), 0.6711},
        {With(estimate, "ceiling", "moderately-rough"), 0.6211},
    };
    for (const auto& c : cases) {
        const auto built = CompartmentInputs(c.options);
        ASSERT_TRUE(std::holds_alternative<compartment::RunInputs>(built))
            << std::get<CommandStop>(built).Message;
        EXPECT_EQ(std::get<compartment::RunInputs>(built).LossFraction, c.lossFraction);
    }
    // 0.9 + ... + 0.1 is more than 1: the estimate stops at 1 ("   1.0" in the
    // box), which Run refuses as the window's Run does.
    const auto whole =
        CompartmentInputs(With(With(estimate, "ceiling", "irregular"), "radiative-fraction", "0.9"));
    ASSERT_TRUE(std::holds_alternative<CommandStop>(whole));
    EXPECT_EQ(std::get<CommandStop>(whole).Message,
              "The total heat loss fraction must be between 0 and 1.\n");
    // In feet the same room gives the same estimate.
    OptionTexts feet = With(estimate, "units", "us");
    feet["floor-area"] = "215.285";
    feet["room-height"] = "7.874";
    feet["vent-width"] = "2.953";
    feet["soffit-height"] = "6.562";
    const auto built = CompartmentInputs(feet);
    ASSERT_TRUE(std::holds_alternative<compartment::RunInputs>(built));
    EXPECT_EQ(std::get<compartment::RunInputs>(built).LossFraction, 0.5711);
}

TEST(CompartmentInputs, TheEstimateAndThePlumeOptionsRefuseWhatTheyCannotUse) {
    const OptionTexts estimate = With(kOffice, "loss-fraction", "estimate");
    const std::string prefix = "vorla compartment: ";
    const struct {
        const char* what;
        OptionTexts options;
        std::string message;
    } cases[] = {
        {"a ratio below 1", With(estimate, "aspect-ratio", "0.5"),
         "The aspect ratio must be equal to or greater than 1.\n"},
        {"a ratio that is no number", With(estimate, "aspect-ratio", "long"),
         prefix + "The value of --aspect-ratio is not a number: \"long\".\n"},
        {"an unknown ceiling", With(estimate, "ceiling", "rough"),
         prefix + "--ceiling must be smooth, moderately-rough or irregular, not \"rough\".\n"},
        {"a ratio without the estimate", With(kOffice, "aspect-ratio", "2"),
         prefix + "--aspect-ratio is read only with --loss-fraction estimate.\n"},
        {"a ceiling without the estimate", With(kOffice, "ceiling", "smooth"),
         prefix + "--ceiling is read only with --loss-fraction estimate.\n"},
        {"the estimator's own check", With(estimate, "fire-height", "2.4"),
         "You must first specify a valid fire height.\n"},
        {"a position of no kind", With(kOffice, "fire-position", "middle"),
         prefix + "--fire-position must be centre, wall or corner, not \"middle\".\n"},
        {"a plume of no kind", With(kOffice, "plume", "mccaffrey"),
         prefix + "--plume must be zukoski or heskestad, not \"mccaffrey\".\n"},
    };
    for (const auto& c : cases) {
        const auto built = CompartmentInputs(c.options);
        ASSERT_TRUE(std::holds_alternative<CommandStop>(built)) << c.what;
        EXPECT_EQ(std::get<CommandStop>(built),
                  (CommandStop{kExitInputRejected, c.message}))
            << c.what;
    }
    const auto smoke = SmokeInputs(With(kHall, "loss-fraction", "estimate"));
    ASSERT_TRUE(std::holds_alternative<CommandStop>(smoke));
    EXPECT_EQ(std::get<CommandStop>(smoke).Message,
              "vorla smoke: The value of --loss-fraction is not a number: \"estimate\".\n");
}

TEST(ModelInputs, ThePlumeOptionsOfBothModels) {
    using enum FirePosition;
    using enum PlumeCorrelation;
    const struct {
        const char* position;
        const char* plume;
        FirePosition place;
        PlumeCorrelation correlation;
    } cases[] = {
        {nullptr, nullptr, Centre, Zukoski},
        {"centre", "zukoski", Centre, Zukoski},
        {"wall", nullptr, AgainstWall, Zukoski},
        {"corner", "heskestad", InCorner, Heskestad},
        {nullptr, "heskestad", Centre, Heskestad},
    };
    for (const auto& c : cases) {
        OptionTexts office = kOffice;
        OptionTexts hall = kHall;
        for (auto* options : {&office, &hall}) {
            if (c.position) {
                (*options)["fire-position"] = c.position;
            }
            if (c.plume) {
                (*options)["plume"] = c.plume;
            }
        }
        const auto room = std::get<compartment::RunInputs>(CompartmentInputs(office));
        EXPECT_EQ(room.FirePlace, c.place);
        EXPECT_EQ(room.Plume, c.correlation);
        const auto smoke = std::get<smoke::RunInputs>(SmokeInputs(hall));
        EXPECT_EQ(smoke.FirePlace, c.place);
        EXPECT_EQ(smoke.Plume, c.correlation);
    }
}

} // namespace
} // namespace vorla::cli
