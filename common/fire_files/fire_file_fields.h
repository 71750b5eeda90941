// The fields of a fire file as its readers split them: blanks and line ends
// separate them, and one comma may end a field. The models' reader and
// QDOT-XW's reading for editing take the same fields from the same text.
#pragma once

#include <cstddef>
#include <string_view>

namespace vorla {

// Reads the fields one after the other, counting lines for the messages.
class FireFileFieldReader {
  public:
    explicit FireFileFieldReader(std::string_view text) : text_(text) {}

    bool AtEnd() {
        SkipSpaceAndLineEnds();
        return pos_ >= text_.size();
    }
    int Line() const { return line_; }

    // The next field and the line it starts on; an empty field when a comma
    // follows directly.
    std::string_view Next() {
        SkipSpaceAndLineEnds();
        fieldLine_ = line_;
        const std::size_t start = pos_;
        while (pos_ < text_.size() && !IsSeparator(text_[pos_])) {
            ++pos_;
        }
        const std::string_view field = text_.substr(start, pos_ - start);
        while (pos_ < text_.size() && (text_[pos_] == ' ' || text_[pos_] == '\t')) {
            ++pos_;
        }
        if (pos_ < text_.size() && text_[pos_] == ',') {
            ++pos_;
        }
        return field;
    }
    int FieldLine() const { return fieldLine_; }

  private:
    static bool IsSeparator(char c) {
        return c == ' ' || c == '\t' || c == ',' || c == '\r' || c == '\n';
    }
    void SkipSpaceAndLineEnds() {
        while (pos_ < text_.size() && (text_[pos_] == ' ' || text_[pos_] == '\t' ||
                                       text_[pos_] == '\r' || text_[pos_] == '\n')) {
            if (text_[pos_] == '\n') {
                ++line_;
            }
            ++pos_;
        }
    }

    std::string_view text_;
    std::size_t pos_ = 0;
    int line_ = 1;
    int fieldLine_ = 1;
};

} // namespace vorla
