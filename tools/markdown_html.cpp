#include "tools/markdown_html.h"

#include <cctype>
#include <sstream>
#include <vector>

namespace vorla::tools {
namespace {

std::string Escaped(std::string_view text) {
    std::string out;
    for (char c : text) {
        switch (c) {
        case '<':
            out += "&lt;";
            break;
        case '>':
            out += "&gt;";
            break;
        case '&':
            out += "&amp;";
            break;
        case '"':
            out += "&quot;";
            break;
        default:
            out += c;
        }
    }
    return out;
}

// `code`, **bold** and [text](link) in a line already split from its block.
std::string Inline(std::string_view text) {
    std::string out;
    for (std::size_t i = 0; i < text.size();) {
        if (text[i] == '`') {
            const auto end = text.find('`', i + 1);
            if (end != std::string_view::npos) {
                out += "<code>" + Escaped(text.substr(i + 1, end - i - 1)) + "</code>";
                i = end + 1;
                continue;
            }
        }
        if (text.substr(i, 2) == "**") {
            const auto end = text.find("**", i + 2);
            if (end != std::string_view::npos) {
                out += "<strong>" + Inline(text.substr(i + 2, end - i - 2)) + "</strong>";
                i = end + 2;
                continue;
            }
        }
        if (text.substr(i, 2) == "![") {
            const auto close = text.find("](", i);
            const auto end = close == std::string_view::npos ? close : text.find(')', close);
            if (end != std::string_view::npos) {
                out += "<img src=\"" + Escaped(text.substr(close + 2, end - close - 2)) +
                       "\" alt=\"" + Escaped(text.substr(i + 2, close - i - 2)) + "\">";
                i = end + 1;
                continue;
            }
        }
        if (text[i] == '[') {
            const auto close = text.find("](", i);
            const auto end = close == std::string_view::npos ? close : text.find(')', close);
            if (end != std::string_view::npos) {
                out += "<a href=\"" + Escaped(text.substr(close + 2, end - close - 2)) + "\">" +
                       Inline(text.substr(i + 1, close - i - 1)) + "</a>";
                i = end + 1;
                continue;
            }
        }
        out += Escaped(text.substr(i, 1));
        ++i;
    }
    return out;
}

std::string_view Trimmed(std::string_view line) {
    while (!line.empty() && (line.back() == ' ' || line.back() == '\r')) {
        line.remove_suffix(1);
    }
    return line;
}

bool IsListItem(std::string_view line) {
    return line.size() > 2 && (line[0] == '-' || line[0] == '*') && line[1] == ' ';
}

} // namespace

std::string HeadingId(std::string_view heading) {
    std::string id;
    bool gap = false;
    for (unsigned char c : heading) {
        if (std::isalnum(c)) {
            if (gap && !id.empty()) {
                id += '-';
            }
            id += static_cast<char>(std::tolower(c));
            gap = false;
        } else {
            gap = true;
        }
    }
    return id;
}

std::string MarkdownToHtml(std::string_view markdown, std::string_view title) {
    std::ostringstream page;
    page << "<!DOCTYPE html>\n<html lang=\"en\">\n<head>\n<meta charset=\"utf-8\">\n<title>"
         << Escaped(title) << "</title>\n<style>body{max-width:60em;margin:auto;font-family:"
         << "sans-serif;line-height:1.4}pre{background:#f4f4f4;padding:.5em;overflow-x:auto}"
         << "</style>\n</head>\n<body>\n";
    std::vector<std::string_view> lines;
    for (std::size_t start = 0; start <= markdown.size();) {
        const auto end = markdown.find('\n', start);
        lines.push_back(Trimmed(markdown.substr(
            start, end == std::string_view::npos ? std::string_view::npos : end - start)));
        if (end == std::string_view::npos) {
            break;
        }
        start = end + 1;
    }
    std::string paragraph;
    bool inList = false;
    const auto endParagraph = [&] {
        if (!paragraph.empty()) {
            page << "<p>" << paragraph << "</p>\n";
            paragraph.clear();
        }
    };
    const auto endList = [&] {
        if (inList) {
            page << "</ul>\n";
            inList = false;
        }
    };
    for (std::size_t i = 0; i < lines.size(); ++i) {
        const std::string_view line = lines[i];
        if (line.substr(0, 3) == "```") {
            endParagraph();
            endList();
            page << "<pre><code>";
            for (++i; i < lines.size() && lines[i].substr(0, 3) != "```"; ++i) {
                page << Escaped(lines[i]) << "\n";
            }
            page << "</code></pre>\n";
        } else if (!line.empty() && line[0] == '#') {
            endParagraph();
            endList();
            std::size_t level = line.find_first_not_of('#');
            const std::string_view text =
                level == std::string_view::npos ? std::string_view() : line.substr(level + 1);
            level = std::min<std::size_t>(level == std::string_view::npos ? 1 : level, 6);
            page << "<h" << level << " id=\"" << HeadingId(text) << "\">" << Inline(text) << "</h"
                 << level << ">\n";
        } else if (!line.empty() && line[0] == '|') {
            endParagraph();
            endList();
            page << "<pre>";
            for (; i < lines.size() && !lines[i].empty() && lines[i][0] == '|'; ++i) {
                page << Escaped(lines[i]) << "\n";
            }
            --i;
            page << "</pre>\n";
        } else if (IsListItem(line)) {
            endParagraph();
            if (!inList) {
                page << "<ul>\n";
                inList = true;
            }
            std::string item = Inline(line.substr(2));
            // Continuation lines, indented under the item.
            while (i + 1 < lines.size() && lines[i + 1].substr(0, 2) == "  " &&
                   !IsListItem(lines[i + 1].substr(lines[i + 1].find_first_not_of(' ')))) {
                ++i;
                item += " " + Inline(lines[i].substr(lines[i].find_first_not_of(' ')));
            }
            page << "<li>" << item << "</li>\n";
        } else if (line.empty()) {
            endParagraph();
            endList();
        } else {
            endList();
            paragraph += (paragraph.empty() ? "" : " ") + Inline(line);
        }
    }
    endParagraph();
    endList();
    page << "</body>\n</html>\n";
    return page.str();
}

} // namespace vorla::tools
