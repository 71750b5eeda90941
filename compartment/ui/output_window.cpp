#include "compartment/ui/output_window.h"

#include "common/ui/platform_services.h"
#include "common/ui/report_printing.h"
#include "compartment/model/compartment_run.h"
#include "compartment/model/report_printing.h"
#include "compartment/model/report_text.h"
#include "compartment/ui/input_window.h"
#include "compartment/ui/report_text_box.h"
#include "compartment/ui/results_graph_window.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QSaveFile>
#include <QShortcut>
#include <QVBoxLayout>
#include <QWindow>

namespace vorla::compartment {
namespace {

constexpr const char* kProgramTitle = "VORLA-XW";
constexpr const char* kReportFilter = "VORLA-XW Data Files (*.sdf)|*.sdf";
constexpr int kReportColumns = 70;         // the 68-character rows and a little air

QPushButton* Button(const char* name, const QString& caption, QWidget* parent) {
    auto* button = new QPushButton(caption, parent);
    button->setObjectName(name);
    button->setAutoDefault(true); // Enter presses the button that has the focus
    return button;
}

// The window is on screen before the run starts, so the user sees
// "CALCULATING ..." while it goes. Waits a moment at most for the window
// system to map it.
void ShowBeforeRunning(QWidget& window) {
    window.show();
    window.raise();
    window.activateWindow();
    QElapsedTimer waited;
    waited.start();
    do {
        QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents, 20);
    } while (window.windowHandle() && !window.windowHandle()->isExposed() &&
             waited.elapsed() < 500);
    window.repaint();
}

} // namespace

frmOutput::frmOutput(Calculations& calc, ui::PlatformServices& services, frmInput& input)
    : QWidget(nullptr, Qt::Window), calc_(calc), services_(services), input_(input) {
    setObjectName("frmOutput");
    setWindowTitle("VORLA-XW: Output Data");
    setAttribute(Qt::WA_DeleteOnClose);

    txtHeader = new ReportTextBox(kReportColumns, 17, this);
    txtHeader->setObjectName("txtHeader");
    txtHeader->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    txtDataColumns = new ReportTextBox(kReportColumns, 22, this);
    txtDataColumns->setObjectName("txtDataColumns");
    txtDataColumns->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);

    cmdSave = Button("cmdSave", "&Save", this);
    cmdPrint = Button("cmdPrint", "&Print", this);
    cmdGraph = Button("cmdGraph", "&Graph", this);
    cmdClose = Button("cmdClose", "&Close", this);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    for (auto* button : {cmdSave, cmdPrint, cmdGraph, cmdClose}) {
        buttons->addWidget(button);
    }
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(txtHeader, 0);
    layout->addWidget(txtDataColumns, 1);
    layout->addLayout(buttons);

    txtHeader->setMinimumHeight(txtHeader->fontMetrics().lineSpacing() * 5);
    txtDataColumns->setMinimumHeight(txtDataColumns->fontMetrics().lineSpacing() * 5);

    setTabOrder(txtHeader, txtDataColumns);
    setTabOrder(txtDataColumns, cmdSave);
    setTabOrder(cmdSave, cmdPrint);
    setTabOrder(cmdPrint, cmdGraph);
    setTabOrder(cmdGraph, cmdClose);

    connect(cmdSave, &QPushButton::clicked, this, &frmOutput::cmdSave_Click);
    connect(cmdPrint, &QPushButton::clicked, this, &frmOutput::cmdPrint_Click);
    connect(cmdGraph, &QPushButton::clicked, this, &frmOutput::cmdGraph_Click);
    connect(cmdClose, &QPushButton::clicked, this, &frmOutput::cmdClose_Click);
    auto* escape = new QShortcut(QKeySequence(Qt::Key_Escape), this);
    connect(escape, &QShortcut::activated, this, [this] {
        if (cmdClose->isEnabled()) {
            cmdClose_Click();
        }
    });
}

frmOutput::~frmOutput() {
    delete graph_.data();
}

frmGraph* frmOutput::GraphWindow() const {
    return graph_;
}

void frmOutput::SetButtonsEnabled(bool enabled) {
    for (auto* button : {cmdSave, cmdPrint, cmdGraph, cmdClose}) {
        button->setEnabled(enabled);
    }
}

bool frmOutput::Form_Load() {
    Saved = false;
    running_ = true;
    input_.hide();
    SetButtonsEnabled(false);
    ReportHeader = compartment::ReportHeader(calc_.Inputs);
    txtHeader->SetReportText(HeaderText(ReportHeader));
    txtDataColumns->SetReportText(std::string(kCalculatingText));
    ShowBeforeRunning(*this);

    const FlashoverQuestion ask = [this](const std::string& text, std::string_view title) {
        const auto answer =
            services_.ShowMessage({text, std::string(title), ui::MessageIcon::Question,
                                   ui::MessageButtons::YesNo, ui::MessageButton::Yes});
        return answer == ui::MessageButton::Yes ? Answer::Yes : Answer::No;
    };
    const auto problem = CompartmentRun(calc_, ask, EndMessage);
    running_ = false;

    if (problem) {
        // No half report: the window goes, the input form comes back, and the
        // message says which file and what is wrong with it. The focus goes to
        // the run title rather than the fire file box, whose dialog would open
        // by itself.
        auto& services = services_;
        auto& input = input_;
        ReturnToInput();
        services.ShowMessage({DescribeFireFileError(*problem), kProgramTitle,
                              ui::MessageIcon::Critical, ui::MessageButtons::Ok});
        input.txtRunTitle->setFocus();
        return false;
    }

    ReportRows = compartment::ReportRows(calc_.Inputs, calc_.Results);
    txtDataColumns->SetReportText(ScreenTableText(calc_.Inputs, calc_.Results, EndMessage));
    SetButtonsEnabled(true);
    cmdClose->setFocus();
    return true;
}

bool frmOutput::SaveReportTo(const std::string& path) {
    const std::string text = SavedReportText(ReportHeader, ReportRows, EndMessage);
    QSaveFile file(QString::fromStdString(path));
    // The old file is replaced only once the whole report is written.
    const bool saved = file.open(QIODevice::WriteOnly) &&
                       file.write(text.data(), static_cast<qint64>(text.size())) ==
                           static_cast<qint64>(text.size()) &&
                       file.commit();
    if (!saved) {
        services_.ShowMessage({"The report could not be saved in " + path + ": " +
                                   file.errorString().toStdString() + ".",
                               kProgramTitle, ui::MessageIcon::Critical, ui::MessageButtons::Ok});
    }
    return saved;
}

void frmOutput::cmdSave_Click() {
    calc_.DialogCancelled = false;
    const auto path = services_.ChooseFile(
        ui::SaveAsDialog("Specify Data Output File", kReportFilter, services_.DataDirectory(),
                         input_.txtOutputFile->text().toStdString()));
    if (!path) {
        // A cancelled save counts as done: Close no longer asks.
        calc_.DialogCancelled = true;
    } else if (SaveReportTo(*path)) {
        // Later page headers name the file the report now lives in.
        calc_.Inputs.OutputFile = *path;
    } else {
        cmdClose->setFocus();
        return;
    }
    Saved = true;
    cmdClose->setFocus();
    cmdSave->setEnabled(false);
}

void frmOutput::cmdPrint_Click() {
    QString pdfName = QFileInfo(QString::fromStdString(calc_.Inputs.OutputFile)).completeBaseName();
    pdfName = pdfName.isEmpty() ? QStringLiteral("report.pdf") : pdfName + ".pdf";
    ui::ReportPrintJob job;
    job.Request = {"VORLA-XW: Printer Check", "VORLA-XW report", pdfName.toStdString()};
    job.ErrorTitle = kProgramTitle;
    job.LinesReserved = kPrintLinesReserved;
    job.Paginate = [this](double linesPerPage) {
        return PrintedReport(calc_.Inputs, calc_.Results, EndMessage, linesPerPage);
    };
    ui::PrintReport(services_, job);
    cmdClose->setFocus();
}

void frmOutput::cmdGraph_Click() {
    graph_ = new frmGraph(calc_, *this);
    graph_->Form_Load();
}

void frmOutput::cmdClose_Click() {
    if (!Saved) {
        const auto answer =
            services_.ShowMessage({"Do you want to save the data?", "VORLA-XW: Save Data?",
                                   ui::MessageIcon::Exclamation, ui::MessageButtons::YesNo});
        if (answer == ui::MessageButton::Yes) {
            cmdSave_Click();
            return;
        }
    }
    ReturnToInput();
}

void frmOutput::ReturnToInput() {
    leaving_ = true;
    // The input form shows first, so the program never has no window open.
    input_.ShowAgain();
    if (!inCloseEvent_) {
        close();
    }
}

void frmOutput::Unload() {
    if (graph_) {
        graph_->Unload();
    }
    leaving_ = true;
    close();
}

void frmOutput::ShowAgain() {
    show();
    raise();
    activateWindow();
    cmdClose->setFocus();
}

void frmOutput::closeEvent(QCloseEvent* event) {
    if (leaving_) {
        event->accept();
        return;
    }
    if (running_) {
        event->ignore(); // the run finishes first
        return;
    }
    // The frame's close button: the same as Close, which may keep the window
    // open (Yes to saving the data).
    inCloseEvent_ = true;
    cmdClose_Click();
    inCloseEvent_ = false;
    if (leaving_) {
        event->accept();
    } else {
        event->ignore();
    }
}

} // namespace vorla::compartment
