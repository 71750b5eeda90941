// The README and the verification document as HTML pages, for Help to open in
// the system's browser: the Markdown the documents use (headings, paragraphs,
// lists, fenced code, tables as preformatted text, `code`, **bold**, links, pictures), no
// more. Every heading gets an id from its text ("## VORLA-XW" -> "vorla-xw"),
// so Help opens a program's own section.
#pragma once

#include <string>
#include <string_view>

namespace vorla::tools {

// "VORLA-XW" -> "vorla-xw", "Opening files and what the programs remember" ->
// "opening-files-and-what-the-programs-remember": lower case, letters and digits
// kept, every other run of characters one "-".
std::string HeadingId(std::string_view heading);

// A whole HTML page titled `title`.
std::string MarkdownToHtml(std::string_view markdown, std::string_view title);

} // namespace vorla::tools
