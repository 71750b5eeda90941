// The model options' saved line: the text written for each choice (the batch
// command's own options, written out by hand), the line found before the
// tenability, suppression and device lines, a report of the defaults left
// byte for byte, and each unreadable line named.
#include "zone_models/model_options.h"

#include <gtest/gtest.h>
#include <string>
#include <variant>

namespace vorla {
namespace {

constexpr FirePosition kCentre = FirePosition::Centre;
constexpr FirePosition kWall = FirePosition::AgainstWall;
constexpr FirePosition kCorner = FirePosition::InCorner;
constexpr PlumeCorrelation kZukoski = PlumeCorrelation::Zukoski;
constexpr PlumeCorrelation kHeskestad = PlumeCorrelation::Heskestad;

// Three lines of a report, in the saved reports' CR LF.
const std::string kReport = "VORLA-XW line one\r\nline two\r\nrun complete\r\n";

TEST(ModelOptionsTest, EachChoiceIsWrittenAsTheBatchCommandsOptions) {
    const struct {
        ModelOptions Options;
        const char* Text;
    } kCases[] = {
        {{kCentre, kZukoski, false}, ""},
        {{kWall, kZukoski, false}, "--fire-position wall"},
        {{kCorner, kZukoski, false}, "--fire-position corner"},
        {{kCentre, kHeskestad, false}, "--plume heskestad"},
        {{kCentre, kZukoski, true}, "--model-uncertainty"},
        {{kCorner, kHeskestad, true},
         "--fire-position corner --plume heskestad --model-uncertainty"},
    };
    for (const auto& c : kCases) {
        EXPECT_EQ(ModelOptionsText(c.Options), c.Text);
        const std::string saved = WithSavedModelOptions(kReport, c.Options);
        if (std::string(c.Text).empty()) {
            EXPECT_EQ(saved, kReport); // the defaults add nothing
        } else {
            EXPECT_EQ(saved, kReport + "Model options: " + c.Text + "\r\n");
        }
        const auto read = ReadSavedModelOptions(saved);
        ASSERT_TRUE(std::holds_alternative<ModelOptions>(read)) << c.Text;
        EXPECT_EQ(std::get<ModelOptions>(read), c.Options) << c.Text;
    }
}

TEST(ModelOptionsTest, TheLineKeepsTheReportsLineEnds) {
    EXPECT_EQ(WithSavedModelOptions("a\nb\n", {kWall, kZukoski, false}),
              "a\nb\nModel options: --fire-position wall\n");
}

TEST(ModelOptionsTest, TheLineIsFoundBeforeTheLinesOfTheOtherDialogs) {
    const std::string saved = WithSavedModelOptions(kReport, {kCorner, kHeskestad, false});
    const std::string kTrailing[] = {
        "",
        "Tenability: --fuel polystyrene\r\n",
        "Suppression: --suppression decaying\r\nDevice: kind=sprinkler,name=S1\r\n",
        "Tenability: --fuel wood\r\nSuppression: --suppression held\r\n"
        "Device: kind=heat,name=D1\r\nDevice: kind=sprinkler,name=S2\r\n",
    };
    for (const auto& trailing : kTrailing) {
        const auto read = ReadSavedModelOptions(saved + trailing);
        ASSERT_TRUE(std::holds_alternative<ModelOptions>(read)) << trailing;
        EXPECT_EQ(std::get<ModelOptions>(read), (ModelOptions{kCorner, kHeskestad, false}));
    }
    // A report without the line, with or without the others, gives the defaults;
    // a line elsewhere in the report is not the options'.
    for (const std::string& old : {kReport, kReport + "Tenability: --fuel wood\r\n", std::string(),
                                   "Model options: --plume heskestad\r\n" + kReport}) {
        const auto read = ReadSavedModelOptions(old);
        ASSERT_TRUE(std::holds_alternative<ModelOptions>(read)) << old;
        EXPECT_EQ(std::get<ModelOptions>(read), ModelOptions{});
    }
}

TEST(ModelOptionsTest, AnUnreadableLineIsNamed) {
    const struct {
        const char* Line;
        const char* Problem;
    } kCases[] = {
        {"--fire-position attic", "--fire-position must be centre, wall or corner, not \"attic\"."},
        {"--plume mccaffrey", "--plume must be zukoski or heskestad, not \"mccaffrey\"."},
        {"--plume", "--plume needs its value."},
        {"--fire-position Corner",
         "--fire-position must be centre, wall or corner, not \"Corner\"."},
        {"--chi 0.6", "\"--chi\" is not a model option."},
    };
    for (const auto& c : kCases) {
        const std::string text = kReport + "Model options: " + c.Line + "\r\nDevice: x\r\n";
        const auto read = ReadSavedModelOptions(text);
        ASSERT_TRUE(std::holds_alternative<std::string>(read)) << c.Line;
        EXPECT_EQ(std::get<std::string>(read), std::string("Line 4: ") + c.Problem);
    }
}

} // namespace
} // namespace vorla
