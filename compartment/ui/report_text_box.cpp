#include "compartment/ui/report_text_box.h"

#include <QFontDatabase>
#include <QScrollBar>

namespace vorla::compartment {

QFont ReportFont() {
    if (QFontDatabase::families().contains("Courier New")) {
        QFont font("Courier New");
        font.setStyleHint(QFont::TypeWriter);
        font.setPointSizeF(QFontDatabase::systemFont(QFontDatabase::FixedFont).pointSizeF());
        return font;
    }
    return QFontDatabase::systemFont(QFontDatabase::FixedFont);
}

ReportTextBox::ReportTextBox(int columns, int lines, QWidget* parent)
    : QPlainTextEdit(parent), columns_(columns), lines_(lines) {
    setReadOnly(true);
    setFont(ReportFont());
    setLineWrapMode(QPlainTextEdit::NoWrap);
    setWordWrapMode(QTextOption::NoWrap);
    // Read-only, but the keyboard can still reach it to scroll and select.
    setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
}

void ReportTextBox::SetReportText(const std::string& text) {
    QString shown = QString::fromStdString(text);
    shown.replace("\r\n", "\n");
    setPlainText(shown);
}

QSize ReportTextBox::sizeHint() const {
    const QFontMetrics metrics(font());
    const int margins = 2 * (frameWidth() + static_cast<int>(document()->documentMargin())) + 4;
    const int width = metrics.horizontalAdvance(QString(columns_, 'X')) + margins +
                      verticalScrollBar()->sizeHint().width();
    const int height = metrics.lineSpacing() * lines_ + margins;
    return {width, height};
}

} // namespace vorla::compartment
