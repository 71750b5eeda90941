// The report window's read-only text boxes (txtHeader, txtDataColumns): report
// text in the fixed-pitch report font, never wrapped, so its columns stand as
// they do in the saved file and on paper.
#pragma once

#include <QPlainTextEdit>
#include <string_view>

namespace vorla::ui {

class ReportTextBox final : public QPlainTextEdit {
    Q_OBJECT
  public:
    ReportTextBox(const char* objectName, QWidget* parent);

    // Shows report text, whose lines end in CR LF as in the file.
    void SetReportText(std::string_view text);

    // The height that shows `lines` lines without scrolling.
    int HeightForLines(int lines) const;
    // The width that shows `columns` characters, with the vertical scroll bar
    // where the box has one.
    int WidthForColumns(int columns) const;
    // The width that shows the widest line of the text whole.
    int WidthForText() const;

    // Keeps the box as tall as its text: every line in view, and room for the
    // horizontal scroll bar when a line is wider than the box.
    void KeepEveryLineInView();

  private:
    int LineCount() const;
    int Margins() const;
};

} // namespace vorla::ui
