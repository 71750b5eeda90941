#include "common/ui/report_text_box.h"

#include "common/ui/fixed_pitch_font.h"

#include <QScrollBar>
#include <algorithm>

namespace vorla::ui {

ReportTextBox::ReportTextBox(const char* objectName, QWidget* parent) : QPlainTextEdit(parent) {
    setObjectName(objectName);
    setReadOnly(true);
    setFont(ReportFont());
    setLineWrapMode(QPlainTextEdit::NoWrap);
    setWordWrapMode(QTextOption::NoWrap);
    setTabChangesFocus(true);
    // Read-only, but the keyboard can still reach it to scroll and select.
    setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
}

void ReportTextBox::SetReportText(std::string_view text) {
    QString shown = QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
    shown.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    setPlainText(shown);
}

int ReportTextBox::Margins() const {
    return 2 * (frameWidth() + static_cast<int>(document()->documentMargin())) + 2;
}

int ReportTextBox::HeightForLines(int lines) const {
    return fontMetrics().lineSpacing() * lines + Margins();
}

int ReportTextBox::WidthForColumns(int columns) const {
    const int bar = verticalScrollBarPolicy() == Qt::ScrollBarAlwaysOff
                        ? 0
                        : verticalScrollBar()->sizeHint().width();
    return fontMetrics().horizontalAdvance(QString(columns, u'0')) + Margins() + bar;
}

int ReportTextBox::WidthForText() const {
    int widest = 0;
    for (const QString& line : toPlainText().split(u'\n')) {
        widest = std::max(widest, fontMetrics().horizontalAdvance(line));
    }
    return widest + Margins() + fontMetrics().averageCharWidth();
}

int ReportTextBox::LineCount() const {
    return std::max(1, document()->blockCount());
}

void ReportTextBox::KeepEveryLineInView() {
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
    const auto fit = [this] {
        const bool barShown = horizontalScrollBar()->maximum() > 0;
        setFixedHeight(HeightForLines(LineCount()) +
                       (barShown ? horizontalScrollBar()->sizeHint().height() : 0));
    };
    connect(horizontalScrollBar(), &QScrollBar::rangeChanged, this, fit);
    connect(document(), &QTextDocument::blockCountChanged, this, fit);
    fit();
}

} // namespace vorla::ui
