#include "common/text/utf8_text.h"

#include <gtest/gtest.h>

namespace vorla {
namespace {

TEST(Utf8Text, CountsAndCutsWholeCharacters) {
    EXPECT_EQ(Utf8Length("abc"), 3u);
    EXPECT_EQ(Utf8Length("m\xC2\xB2"), 2u); // "m²"
    EXPECT_EQ(Utf8Left("abcdef", 3), "abc");
    EXPECT_EQ(Utf8Left("ab", 60), "ab");
    EXPECT_EQ(Utf8Left("\xC3\xA9\xC3\xA9\xC3\xA9", 2), "\xC3\xA9\xC3\xA9"); // "ééé" -> "éé"
    EXPECT_EQ(Utf8Left("", 5), "");
}

} // namespace
} // namespace vorla
