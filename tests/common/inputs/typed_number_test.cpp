#include "common/inputs/typed_number.h"

#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace vorla {
namespace {

// What a user may type into a number box, and whether the form reads it.
TEST(IsTypedNumber, OnlyAWholeNumberOrAnEmptyBoxIsRead) {
    const struct {
        const char* text;
        bool read;
    } cases[] = {
        {"20.5", true},   {"20,5", false},      {"2,4", false},   {"12abc", false},
        {"", true},       {"   ", true},        {"\t", true},     {" 20.5 ", true},
        {"\t7\t", true},  {"1 2", true},        {"-.5", true},    {"+3", true},
        {"5.", true},     {"1e3", true},        {"1E-2", true},   {"1.5 E 2", true},
        {"1e400", true},  {"-1e400", true},     {"1e-400", true}, {".", false},
        {"-", false},     {"e5", false},        {"2e", false},    {"2e+", false},
        {"1.2.3", false}, {"3-4", false},       {"--2", false},   {"12 m", false},
        {"m", false},     {"0x10", false},      {"1_000", false}, {"٣", false},
        {"12000", true},  {"1200020000", true},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(IsTypedNumber(c.text), c.read) << '"' << c.text << '"';
    }
}

TEST(CheckTypedNumbers, TheFirstBoxNotANumberIsRefusedByItsCaption) {
    const std::vector<TypedNumberBox> boxes = {
        {"Floor Area", "20", "txtFloorArea"},
        {"Ceiling Height", "", "txtRoomHeight"},
        {"Fire Base Height", "0,5", "txtFireHeight"},
        {"Maximum Run Time", "12abc", "txtRunTime"},
    };
    const auto rejected = CheckTypedNumbers(boxes, "VORLA-XW: Input Data Error");
    ASSERT_TRUE(rejected);
    EXPECT_EQ(rejected->Focus, "txtFireHeight");
    EXPECT_EQ(rejected->ObjectName(), "txtFireHeight");
    EXPECT_EQ(rejected->Title, "VORLA-XW: Input Data Error");
    EXPECT_EQ(rejected->Message,
              "The value of Fire Base Height is not a number. Type digits with a point (.) as "
              "the decimal separator, for example 20.5.");

    EXPECT_FALSE(CheckTypedNumbers(std::span(boxes).first(2), "title"));
    EXPECT_FALSE(CheckTypedNumbers({}, "title"));
}

} // namespace
} // namespace vorla
