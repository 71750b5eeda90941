#include "compartment/ui/report_text_box.h"

#include <QFontDatabase>
#include <QFontInfo>
#include <QScrollBar>

namespace vorla::compartment {

QFont ReportFont() {
    const QFont system = QFontDatabase::systemFont(QFontDatabase::FixedFont);
    if (QFontDatabase::families().contains("Courier New")) {
        QFont font("Courier New");
        font.setPointSizeF(system.pointSizeF());
        return font;
    }
    if (QFontInfo(system).fixedPitch()) {
        return system;
    }
    // A system that names no fixed-pitch font of its own: any installed one
    // keeps the report's columns straight.
    for (const QString& family : QFontDatabase::families()) {
        if (QFontDatabase::isFixedPitch(family)) {
            QFont font(family);
            font.setPointSizeF(system.pointSizeF());
            return font;
        }
    }
    return system;
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
