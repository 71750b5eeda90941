// guide_html <markdown file> <html file> <title>: the page Help opens, written
// while building (see tools/markdown_html.h) and installed beside the README.
#include "tools/markdown_html.h"

#include <fstream>
#include <iostream>
#include <sstream>

int main(int argc, char** argv) {
    if (argc != 4) {
        std::cerr << "usage: guide_html <markdown file> <html file> <title>\n";
        return 2;
    }
    std::ifstream in(argv[1], std::ios::binary);
    if (!in) {
        std::cerr << "guide_html: cannot read " << argv[1] << "\n";
        return 1;
    }
    std::ostringstream text;
    text << in.rdbuf();
    std::ofstream out(argv[2], std::ios::binary);
    out << vorla::tools::MarkdownToHtml(text.str(), argv[3]);
    out.close();
    if (!out) {
        std::cerr << "guide_html: cannot write " << argv[2] << "\n";
        return 1;
    }
    return 0;
}
