#include "common/command_line/command_line_answers.h"

#include <gtest/gtest.h>
#include <optional>
#include <sstream>
#include <string>
#include <vector>

namespace vorla {
namespace {

// VORLA_PROJECT_VERSION is the project version CMake was given: the generated
// header must carry that number, not one of its own.
const std::string kVersionLine = "vorla-xw (VORLA suite) " VORLA_PROJECT_VERSION "\n";

constexpr DesktopProgram kProgram{
    .executable = "vorla-xw",
    .description = "A test program.\n",
};

struct Answer {
    std::optional<int> status;
    std::string out;
};

Answer Ask(std::vector<std::string> args) {
    std::ostringstream out;
    const auto status = AnswerHelpOrVersion(args, kProgram, out);
    return {status, out.str()};
}

TEST(DesktopCommandLine, AnswersHelpAndVersionAndLeavesEverythingElseToTheWindows) {
    enum class Expect { Windows, Help, Version };
    const struct {
        std::vector<std::string> args;
        Expect expect;
    } cases[] = {
        {{}, Expect::Windows},
        {{"report.vof"}, Expect::Windows},
        {{"-platform", "offscreen"}, Expect::Windows},
        {{"-version"}, Expect::Windows},     // one dash: not ours
        {{"--versions"}, Expect::Windows},   // no abbreviations or look-alikes
        {{"--", "--help"}, Expect::Windows}, // a file named --help
        {{"--version"}, Expect::Version},
        {{"report.vof", "--version"}, Expect::Version},
        {{"--version", "--help"}, Expect::Version}, // the first one asked is answered
        {{"--help"}, Expect::Help},
        {{"-h"}, Expect::Help},
        {{"-style", "fusion", "--help", "--version"}, Expect::Help},
    };
    for (const auto& c : cases) {
        std::string words;
        for (const auto& word : c.args) {
            words += word + " ";
        }
        SCOPED_TRACE(words);
        const auto answer = Ask(c.args);
        switch (c.expect) {
        case Expect::Windows:
            EXPECT_FALSE(answer.status.has_value());
            EXPECT_EQ(answer.out, "");
            break;
        case Expect::Version:
            EXPECT_EQ(answer.status, 0);
            EXPECT_EQ(answer.out, kVersionLine);
            break;
        case Expect::Help:
            EXPECT_EQ(answer.status, 0);
            EXPECT_EQ(
                answer.out.rfind("Usage: vorla-xw [Qt options] [FILE]\n\nA test program.\n", 0), 0u)
                << answer.out;
            EXPECT_NE(answer.out.find("--version"), std::string::npos);
            break;
        }
    }
}

TEST(DesktopCommandLine, TheFileToOpenIsTheFirstWordThatIsNotAnOption) {
    const struct {
        std::vector<std::string> args;
        std::optional<std::string> file;
    } cases[] = {
        {{}, std::nullopt},
        {{"report.vof"}, "report.vof"},
        {{"/data/a b.sof"}, "/data/a b.sof"},
        {{"--reverse", "fire.fir"}, "fire.fir"}, // an option Qt left is not the file
        {{"one.vof", "two.vof"}, "one.vof"},
        {{"--", "--odd name.fir"}, "--odd name.fir"},
        {{"--"}, std::nullopt},
        {{"-"}, "-"}, // a lone dash is a name (it is refused as not a regular file)
        {{"-x"}, std::nullopt},
    };
    for (const auto& c : cases) {
        std::string words;
        for (const auto& word : c.args) {
            words += "[" + word + "]";
        }
        SCOPED_TRACE(words);
        EXPECT_EQ(FileToOpen(c.args), c.file);
    }
}

TEST(DesktopCommandLine, TheHelpNamesTheOptionalFile) {
    const auto answer = Ask({"--help"});
    EXPECT_NE(answer.out.find(" [FILE]\n"), std::string::npos) << answer.out;
    EXPECT_NE(answer.out.find("FILE, when given, is opened"), std::string::npos) << answer.out;
}

TEST(DesktopCommandLine, VersionLineHasTheFormHelp2manReads) {
    // "program (package) version": help2man and distribution tools take the
    // version from the last word.
    EXPECT_EQ(VersionLine("vorla") + "\n", "vorla (VORLA suite) " VORLA_PROJECT_VERSION "\n");
}

} // namespace
} // namespace vorla
