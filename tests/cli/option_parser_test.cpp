#include "cli/command_output.h"
#include "cli/fire_points_file.h"
#include "cli/option_parser.h"
#include "cli/vorla_command.h"

#include <gtest/gtest.h>
#include <sstream>

namespace vorla::cli {
namespace {

const OptionSpec kKnown[] = {{"--floor-area"}, {"-o"}, {"--help", false}};

std::variant<ParsedOptions, std::string> Parse(std::vector<std::string> words) {
    return ParseOptions(words, kKnown);
}

TEST(ParseOptions, TakesValuesInBothSpellings) {
    const auto parsed = Parse({"--floor-area", "20", "-o", "-", "--help", "extra"});
    ASSERT_TRUE(std::holds_alternative<ParsedOptions>(parsed));
    const auto& options = std::get<ParsedOptions>(parsed);
    EXPECT_EQ(options.Value("--floor-area"), "20");
    EXPECT_EQ(options.Value("-o"), "-");
    EXPECT_TRUE(options.Has("--help"));
    EXPECT_FALSE(options.Has("--room-height"));
    EXPECT_EQ(options.Positional(), std::vector<std::string>{"extra"});

    const auto inlineValue = Parse({"--floor-area=-3.5"});
    EXPECT_EQ(std::get<ParsedOptions>(inlineValue).Value("--floor-area"), "-3.5");
}

TEST(ParseOptions, SaysWhatIsWrong) {
    EXPECT_EQ(std::get<std::string>(Parse({"--room-height", "2"})),
              "Unknown option --room-height.");
    EXPECT_EQ(std::get<std::string>(Parse({"--floor-area"})),
              "The option --floor-area needs a value.");
    EXPECT_EQ(std::get<std::string>(Parse({"--help=yes"})), "The option --help takes no value.");
}

TEST(ReadNumberOption, NamesTheOptionWhoseValueIsNotANumber) {
    const auto options = std::get<ParsedOptions>(Parse({"--floor-area", "20 m"}));
    const auto number = ReadNumberOption(options, "--floor-area");
    EXPECT_FALSE(number.value);
    EXPECT_EQ(number.error, "The value of --floor-area is not a number: \"20 m\".");

    for (const std::string& value :
         {std::string("1e400"), std::string("-1e999"), std::string(400, '9')}) {
        const auto huge = std::get<ParsedOptions>(Parse({"--floor-area=" + value}));
        EXPECT_EQ(ReadNumberOption(huge, "--floor-area").error,
                  "The value of --floor-area is out of range: \"" + value + "\".");
    }

    const auto good = std::get<ParsedOptions>(Parse({"--floor-area", " 1e2 "}));
    EXPECT_EQ(ReadNumberOption(good, "--floor-area").value, 100);
    EXPECT_FALSE(ReadNumberOption(good, "-o").value);
    EXPECT_FALSE(ReadNumberOption(good, "-o").error);
}

TEST(ParseFirePoints, TabsSeparateFieldsAsBlanksDo) {
    const auto parsed = ParseFirePoints("\t0\t0\n\t# a note\n\t\n10\t,\t100\t\r\n", "P.TXT");
    const auto* points = std::get_if<std::vector<FirePointText>>(&parsed);
    ASSERT_TRUE(points);
    ASSERT_EQ(points->size(), 2u);
    EXPECT_EQ((*points)[1].Time, "10");
    EXPECT_EQ((*points)[1].Rate, "100");
    EXPECT_EQ((*points)[1].Line, 4);
}

TEST(CommandOutput, WritesToStandardOutputOrReportsTheFile) {
    std::ostringstream out, err;
    EXPECT_EQ(WriteCommandOutput("-", "text\r\n", out, err), kExitSuccess);
    EXPECT_EQ(out.str(), "text\r\n");
    EXPECT_EQ(WriteCommandOutput("/nonexistent-folder/x.sdf", "text", out, err), kExitFileProblem);
    EXPECT_NE(err.str().find("/nonexistent-folder/x.sdf"), std::string::npos);
}

TEST(UnitsOption, AcceptsSiAndUsOnly) {
    using Units = std::variant<UnitSystem, std::string>;
    EXPECT_EQ(UnitsOption(std::nullopt), Units(UnitSystem::SI));
    EXPECT_EQ(UnitsOption("si"), Units(UnitSystem::SI));
    EXPECT_EQ(UnitsOption("us"), Units(UnitSystem::US));
    EXPECT_EQ(UnitsOption("metric"), Units("vorla: --units must be si or us, not \"metric\".\n"));
}

TEST(TextsByName, DropsTheDashes) {
    const std::vector<std::string> words = {"--floor-area=20", "-o", "out.vof", "--help"};
    const OptionSpec known[] = {{"--floor-area"}, {"-o"}, {"--help", false}};
    const auto parsed = ParseOptions(words, known);
    ASSERT_TRUE(std::holds_alternative<ParsedOptions>(parsed));
    const OptionTexts expected = {{"floor-area", "20"}, {"o", "out.vof"}, {"help", ""}};
    EXPECT_EQ(TextsByName(std::get<ParsedOptions>(parsed)), expected);
}

TEST(RunVorla, UnknownCommandsAreRejected) {
    std::ostringstream out, err;
    const std::vector<std::string> words = {"frobnicate"};
    EXPECT_EQ(RunVorla(words, out, err), kExitInputRejected);
    EXPECT_NE(err.str().find("frobnicate"), std::string::npos);
    const std::vector<std::string> help = {"--help"};
    EXPECT_EQ(RunVorla(help, out, err), kExitSuccess);
}

} // namespace
} // namespace vorla::cli
