// Small helpers for the Markdown of the verification document.
#pragma once

#include <initializer_list>
#include <string>
#include <vector>

namespace vorla::verification {

// printf-style formatting of one number ("%.3g", "%.1f", ...). The document
// is compared byte for byte, so every number goes through this one place.
std::string Num(const char* format, double value);

class MarkdownTable {
  public:
    explicit MarkdownTable(std::vector<std::string> headings);
    void Row(std::vector<std::string> cells);
    std::string Text() const;

  private:
    std::vector<std::string> headings_;
    std::vector<std::vector<std::string>> rows_;
};

} // namespace vorla::verification
