#include "smoke_filling/ui/output_form.h"

#include "common/report_paging.h"
#include "smoke_filling/model/report_text.h"
#include "smoke_filling/model/smoke_fill_run.h"
#include "smoke_filling/ui/input_form.h"
#include "smoke_filling/ui/report_font.h"

#include <QApplication>
#include <QCloseEvent>
#include <QElapsedTimer>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScreen>
#include <QScrollBar>
#include <QThread>
#include <QVBoxLayout>
#include <QWindow>
#include <algorithm>

namespace vorla::smoke {
namespace {

constexpr int kHeaderBoxLines = 13; // the version line and the 12 header lines
constexpr int kTableBoxLines = 24;

// The report's lines end in CR LF, as in the file; a text box wants LF alone.
QString ScreenText(std::string_view text) {
    QString shown = QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
    shown.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    return shown;
}

QPlainTextEdit* MakeReportBox(const char* name, QWidget* parent) {
    auto* box = new QPlainTextEdit(parent);
    box->setObjectName(name);
    box->setReadOnly(true);
    box->setFont(ReportFont());
    box->setLineWrapMode(QPlainTextEdit::NoWrap);
    box->setTabChangesFocus(true);
    box->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    return box;
}

// The height of a box showing `lines` lines of its font, without scroll bars.
int HeightForLines(const QPlainTextEdit* box, int lines) {
    const QFontMetrics metrics(box->font());
    const int margin = static_cast<int>(box->document()->documentMargin());
    return metrics.lineSpacing() * lines + 2 * margin + 2 * box->frameWidth() + 2;
}

// A window never opens larger than the screen, whatever the scale of its text.
QSize FittedToScreen(QSize wanted) {
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        const QSize room = screen->availableGeometry().size();
        wanted = wanted.boundedTo({room.width() * 9 / 10, room.height() * 9 / 10});
    }
    return wanted;
}

QPushButton* MakeButton(const QString& caption, const char* name, QWidget* parent) {
    auto* button = new QPushButton(caption, parent);
    button->setObjectName(name);
    button->setAutoDefault(true);
    return button;
}

} // namespace

frmOutput::frmOutput(Calculations& calc, ui::PlatformServices& services, frmInput& input)
    : QDialog(nullptr, Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                           Qt::WindowMinMaxButtonsHint | Qt::WindowCloseButtonHint),
      calc_(calc), services_(services), input_(input) {
    setObjectName("frmOutput");
    setWindowTitle("SKEVA-XW: Output Data");
    setAttribute(Qt::WA_DeleteOnClose);
    setModal(false);

    txtHeader = MakeReportBox("txtHeader", this);
    txtHeader->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    txtHeader->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    txtHeader->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
    txtHeader->setFixedHeight(HeightForLines(txtHeader, kHeaderBoxLines));
    // A long file name widens the header; its scroll bar then needs room of
    // its own below the thirteen lines.
    connect(txtHeader->horizontalScrollBar(), &QScrollBar::rangeChanged, this,
            [this](int, int maximum) {
                const int bar =
                    maximum > 0 ? txtHeader->horizontalScrollBar()->sizeHint().height() : 0;
                txtHeader->setFixedHeight(HeightForLines(txtHeader, kHeaderBoxLines) + bar);
            });

    txtDataColumns = MakeReportBox("txtDataColumns", this);
    txtDataColumns->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);

    cmdSave = MakeButton("&Save", "cmdSave", this);
    cmdPrint = MakeButton("&Print", "cmdPrint", this);
    cmdClose = MakeButton("&Close", "cmdClose", this);
    cmdClose->setDefault(true);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(cmdSave);
    buttons->addWidget(cmdPrint);
    buttons->addWidget(cmdClose);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(txtHeader);
    layout->addWidget(txtDataColumns, 1);
    layout->addLayout(buttons);

    setTabOrder(txtHeader, txtDataColumns);
    setTabOrder(txtDataColumns, cmdSave);
    setTabOrder(cmdSave, cmdPrint);
    setTabOrder(cmdPrint, cmdClose);

    // Wide enough for a 68-character row and its scroll bar, as tall as the
    // header and two dozen rows.
    const QFontMetrics metrics(txtDataColumns->font());
    const int tableWidth = metrics.horizontalAdvance(QString(72, u'0')) +
                           txtDataColumns->verticalScrollBar()->sizeHint().width() +
                           2 * txtDataColumns->frameWidth();
    txtDataColumns->setMinimumHeight(HeightForLines(txtDataColumns, 6));
    resize(FittedToScreen(
        {tableWidth + layout->contentsMargins().left() + layout->contentsMargins().right(),
         HeightForLines(txtHeader, kHeaderBoxLines) +
             HeightForLines(txtDataColumns, kTableBoxLines) + cmdClose->sizeHint().height() +
             4 * layout->spacing() + layout->contentsMargins().top() +
             layout->contentsMargins().bottom()}));

    connect(cmdSave, &QPushButton::clicked, this, &frmOutput::cmdSave_Click);
    connect(cmdPrint, &QPushButton::clicked, this, &frmOutput::cmdPrint_Click);
    connect(cmdClose, &QPushButton::clicked, this, &frmOutput::cmdClose_Click);
}

// Long file names in the header: the window opens wide enough to show them
// whole where the screen allows.
void frmOutput::WidenForHeader() {
    const QFontMetrics metrics(txtHeader->font());
    int widest = 0;
    for (const QString& line : txtHeader->toPlainText().split(u'\n')) {
        widest = std::max(widest, metrics.horizontalAdvance(line));
    }
    const QMargins around = layout()->contentsMargins();
    const int margins = around.left() + around.right() + 2 * txtHeader->frameWidth() +
                        2 * static_cast<int>(txtHeader->document()->documentMargin()) +
                        metrics.averageCharWidth();
    const int wanted = FittedToScreen({widest + margins, height()}).width();
    if (wanted > width()) {
        resize(wanted, height());
    }
}

void frmOutput::SetButtonsEnabled(bool enabled) {
    cmdSave->setEnabled(enabled);
    cmdPrint->setEnabled(enabled);
    cmdClose->setEnabled(enabled);
}

void frmOutput::ShowWhileCalculating() {
    txtDataColumns->setPlainText(QStringLiteral("CALCULATING ..."));
    show();
    raise();
    activateWindow();
    // The run blocks the program: let the window system map the window first,
    // so "CALCULATING ..." is on the screen while the model runs. Input is held
    // back until the run is over.
    QElapsedTimer waited;
    waited.start();
    while (!(windowHandle() && windowHandle()->isExposed()) && waited.elapsed() < 1000) {
        QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
        QThread::msleep(5);
    }
    repaint();
}

bool frmOutput::Form_Load() {
    input_.hide();
    saved_ = false;
    SetButtonsEnabled(false);
    reportHeader_ = ReportHeader(calc_.Inputs);
    txtHeader->setPlainText(
        ScreenText(std::string(kVersionLine) + std::string(kCrLf) + reportHeader_));
    WidenForHeader();

    running_ = true;
    ShowWhileCalculating();
    QApplication::setOverrideCursor(Qt::WaitCursor);
    const SmokeFillOutcome outcome = SmokeFillRun(calc_);
    QApplication::restoreOverrideCursor();
    running_ = false;

    if (outcome.FireError) {
        // Nothing to report: back to the form, where another fire file can be
        // chosen, and only then the reason.
        Unload();
        services_.ShowMessage({DescribeFireFileError(*outcome.FireError), "SKEVA-XW",
                               ui::MessageIcon::Exclamation, ui::MessageButtons::Ok});
        input_.txtRunTitle->setFocus();
        return false;
    }

    lastRow_ = outcome.LastRow;
    endMessage_ = std::string(outcome.EndMessage);
    rowInterval_ = vorla::RowInterval(lastRow_);
    reportRows_ = ReportRows(calc_, lastRow_);
    txtDataColumns->setPlainText(
        ScreenText(DataColumnsText(ScreenTable(calc_, lastRow_), endMessage_)));
    SetButtonsEnabled(true);
    cmdClose->setFocus();
    return true;
}

void frmOutput::Unload() {
    unloading_ = true;
    // The input form first: the program never has no window on the screen.
    input_.ShowAfterReport();
    close();
}

void frmOutput::reject() {
    if (!running_ && !unloading_) {
        cmdClose_Click();
    }
}

void frmOutput::closeEvent(QCloseEvent* event) {
    // The frame's close button is Close: it may ask to save, and Yes keeps the
    // window open.
    if (!unloading_ && !running_) {
        cmdClose_Click();
    }
    if (unloading_) {
        event->accept();
    } else {
        event->ignore();
    }
}

} // namespace vorla::smoke
