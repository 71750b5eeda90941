// The HTML pages Help opens, made from the README and the verification
// document: each program's section is there under the id Help opens it at, and
// the text is shown as written (nothing read as markup).
#include "tests/support/file_bytes.h"
#include "tools/markdown_html.h"

#include <gtest/gtest.h>

namespace vorla::tools {
namespace {

TEST(GuidePages, HeadingIdsAreTheirWordsInLowerCaseJoinedByHyphens) {
    const struct {
        const char* Heading;
        const char* Id;
    } rows[] = {
        {"VORLA-XW", "vorla-xw"},
        {"Opening files and what the programs remember",
         "opening-files-and-what-the-programs-remember"},
        {"  Install (Debian 12)", "install-debian-12"},
        {"Speed and the literal calculations", "speed-and-the-literal-calculations"},
    };
    for (const auto& row : rows) {
        EXPECT_EQ(HeadingId(row.Heading), row.Id) << row.Heading;
    }
}

TEST(GuidePages, TheMarkdownOfTheDocumentsBecomesHtml) {
    const std::string html =
        MarkdownToHtml("# Title\n\nA <b> & `x < 1` **bold**.\n\n![Graph](g.png)\n"
                       "- one\n- two\n\n```sh\nvorla a<b\n```\n",
                       "T & co");
    for (const char* part :
         {"<title>T &amp; co</title>", "<h1 id=\"title\">Title</h1>",
          "<p>A &lt;b&gt; &amp; <code>x &lt; 1</code> <strong>bold</strong>.</p>",
          "<img src=\"g.png\" alt=\"Graph\">", "<ul>\n<li>one</li>\n<li>two</li>\n</ul>",
          "<pre><code>vorla a&lt;b\n</code></pre>"}) {
        EXPECT_NE(html.find(part), std::string::npos) << part << "\n" << html;
    }
}

// Help opens user-guide.html at "vorla-xw", "skeva-xw" or "qdot-xw".
TEST(GuidePages, TheReadmeHasASectionForEachProgram) {
    const std::string readme = test_support::ReadFile(VORLA_README);
    ASSERT_FALSE(readme.empty());
    const std::string html = MarkdownToHtml(readme, "VORLA: User Guide");
    for (const char* id : {"vorla-xw", "skeva-xw", "qdot-xw"}) {
        EXPECT_NE(html.find(std::string("<h2 id=\"") + id + "\">"), std::string::npos) << id;
    }
}

} // namespace
} // namespace vorla::tools
