// The report window's read-only text boxes: fixed-pitch text that is never
// wrapped, sized to show a given number of columns and lines.
#pragma once

#include <QFont>
#include <QPlainTextEdit>

namespace vorla::compartment {

// "Courier New" where it is installed, else the system's fixed-pitch font.
QFont ReportFont();

class ReportTextBox final : public QPlainTextEdit {
    Q_OBJECT
  public:
    ReportTextBox(int columns, int lines, QWidget* parent = nullptr);

    // Shows report text, whose lines end in CR LF.
    void SetReportText(const std::string& text);

    QSize sizeHint() const override;

  private:
    int columns_;
    int lines_;
};

} // namespace vorla::compartment
