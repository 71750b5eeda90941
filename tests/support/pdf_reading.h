// Reading a written PDF back as a reviewer's tools read it: its text as
// `pdftotext -layout` gives it (pages apart by form feeds), its page count
// as `pdfinfo` states it, and a file's SHA-256 from `sha256sum`, each found
// independently of the code that wrote the file. Tests skip (GTEST_SKIP or
// QSKIP) when PdfToolsMissing(); scripts/install-deps installs poppler-utils.
#pragma once

#include "tests/support/file_bytes.h"

#include <cstdio>
#include <cstdlib>
#include <optional>
#include <string>
#include <vector>

namespace vorla::test_support {

inline bool PdfToolsMissing() {
    return std::system("command -v pdftotext >/dev/null 2>&1 && command -v pdfinfo >/dev/null "
                       "2>&1 && command -v sha256sum >/dev/null 2>&1") != 0;
}

// The standard output of a shell command; nothing when it fails.
inline std::optional<std::string> CommandOutput(const std::string& command) {
    FILE* pipe = ::popen(command.c_str(), "r");
    if (pipe == nullptr) {
        return std::nullopt;
    }
    std::string text;
    char buffer[4096];
    while (const std::size_t got = std::fread(buffer, 1, sizeof buffer, pipe)) {
        text.append(buffer, got);
    }
    return ::pclose(pipe) == 0 ? std::optional(text) : std::nullopt;
}

inline std::string Quoted(const std::string& path) {
    return "'" + path + "'";
}

// The pages' text, one string a page.
inline std::vector<std::string> PdfPagesText(const std::string& path) {
    const auto text = CommandOutput("pdftotext -layout " + Quoted(path) + " -");
    std::vector<std::string> pages;
    if (!text) {
        return pages;
    }
    std::size_t start = 0;
    for (std::size_t feed; (feed = text->find('\f', start)) != std::string::npos;
         start = feed + 1) {
        pages.push_back(text->substr(start, feed - start));
    }
    if (start < text->size() && text->find_first_not_of(" \n", start) != std::string::npos) {
        pages.push_back(text->substr(start));
    }
    return pages;
}

// "Pages: N" of pdfinfo; 0 when it cannot read the file.
inline int PdfInfoPages(const std::string& path) {
    const auto info = CommandOutput("pdfinfo " + Quoted(path));
    if (!info) {
        return 0;
    }
    const auto at = info->find("Pages:");
    return at == std::string::npos ? 0 : std::atoi(info->c_str() + at + 6);
}

// The 64 hexadecimal digits sha256sum prints for the file.
inline std::string Sha256Sum(const std::string& path) {
    const auto said = CommandOutput("sha256sum " + Quoted(path));
    return said ? said->substr(0, 64) : std::string();
}

// The text after `label` on its line (blanks trimmed); empty when no line has it.
inline std::string ValueAfter(const std::string& text, const std::string& label) {
    const auto at = text.find(label);
    if (at == std::string::npos) {
        return {};
    }
    const auto start = text.find_first_not_of(' ', at + label.size());
    const auto end = text.find('\n', at);
    std::string value = text.substr(start, end - start);
    value.erase(value.find_last_not_of(' ') + 1);
    return value;
}

} // namespace vorla::test_support
