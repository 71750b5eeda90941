// What frmInput does: its menu commands, the unit change, the file dialogs of
// its two file boxes, the conversion of a dimension when its box is left, and
// Run.
#include "smoke_filling/model/input_checks.h"
#include "smoke_filling/model/input_entry.h"
#include "smoke_filling/model/saved_report_reader.h"
#include "smoke_filling/ui/input_form.h"
#include "smoke_filling/ui/output_form.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>

namespace vorla::smoke {
namespace {

constexpr const char* kProgramName = "SKEVA-XW";
constexpr const char* kDataFilter = "SKEVA-XW Data Files (*.sof)|*.sof";
constexpr const char* kFireFilter = "SKEVA-XW Fire Files (*.fir)|*.fir";

std::string TextOf(const QLineEdit* box) {
    return box->text().toStdString();
}

// Only a box whose text changes is rewritten, so the others keep their cursor
// and their undo history.
void ShowText(QLineEdit* box, const std::string& text) {
    const QString shown = QString::fromStdString(text);
    if (box->text() != shown) {
        box->setText(shown);
    }
}

QString LabelText(std::string_view label) {
    return QString::fromUtf8(label.data(), static_cast<qsizetype>(label.size()));
}

} // namespace

void frmInput::LeaveBox(InputBox box, const QLineEdit* widget) {
    InputBoxes boxes;
    boxes.Text(box) = TextOf(widget);
    LeaveInputBox(box, boxes, calc_.Units, calc_.Inputs);
}

void frmInput::Form_Load() {
    // The unit captions are written in S.I. already.
    SetSIUnits();
}

void frmInput::SetSIUnits() {
    calc_.Units = UnitTablesFor(UnitSystem::SI);
}

void frmInput::ShowUnitLabels() {
    lblFloorAreaUnits->setText(LabelText(calc_.Units.Area.Label));
    lblRoomHeightUnits->setText(LabelText(calc_.Units.Length.Label));
    lblFireHeightUnits->setText(LabelText(calc_.Units.Length.Label));
}

InputBoxes frmInput::FormTexts() const {
    InputBoxes texts;
    texts.txtRunTitle = TextOf(txtRunTitle);
    texts.txtOutputFile = TextOf(txtOutputFile);
    texts.txtFloorArea = TextOf(txtFloorArea);
    texts.txtRoomHeight = TextOf(txtRoomHeight);
    texts.txtFireHeight = TextOf(txtFireHeight);
    texts.txtLossFraction = TextOf(txtLossFraction);
    texts.txtRunTime = TextOf(txtRunTime);
    texts.txtFireFile = TextOf(txtFireFile);
    return texts;
}

void frmInput::ShowFormTexts(const InputBoxes& texts) {
    ShowText(txtRunTitle, texts.txtRunTitle);
    ShowText(txtOutputFile, texts.txtOutputFile);
    ShowText(txtFloorArea, texts.txtFloorArea);
    ShowText(txtRoomHeight, texts.txtRoomHeight);
    ShowText(txtFireHeight, texts.txtFireHeight);
    ShowText(txtLossFraction, texts.txtLossFraction);
    ShowText(txtRunTime, texts.txtRunTime);
    ShowText(txtFireFile, texts.txtFireFile);
}

// Selecting "S.I. Units" runs optUnits_Click when it changes the selection.
void frmInput::SelectSIUnits() {
    optUnits[0]->setChecked(true);
}

void frmInput::optUnits_Click() {
    const UnitSystem system = optUnits[1]->isChecked() ? UnitSystem::US : UnitSystem::SI;
    auto texts = FormTexts();
    ChangeUnits(system, calc_.Inputs, calc_.Units, texts);
    ShowFormTexts(texts);
    ShowUnitLabels();
}

void frmInput::mnuFileNew_Click() {
    SelectSIUnits();
    auto texts = FormTexts();
    NewInputs(texts, calc_.Units, calc_.Inputs);
    ShowFormTexts(texts);
    ShowUnitLabels();
    txtRunTitle->setFocus();
}

void frmInput::mnuFileOpen_Click() {
    ChooseDataFileToOpen();
    txtRunTitle->setFocus();
}

void frmInput::ChooseDataFileToOpen() {
    const auto path = services_.ChooseFile(ui::OpenDialog(
        "Specify Data File", kDataFilter, services_.DataDirectory(), TextOf(txtOutputFile)));
    if (!path) {
        return;
    }
    SelectSIUnits();
    auto texts = FormTexts();
    const auto problem = ReadSavedReport(*path, texts, calc_.Units, calc_.Inputs);
    // A short file leaves the form as File New does; one that cannot be read
    // leaves no output file name behind.
    const bool wrongFormat = problem && problem->kind == FileProblem::Kind::WrongFormat;
    if (wrongFormat) {
        NewInputs(texts, calc_.Units, calc_.Inputs);
    } else if (problem) {
        texts.txtOutputFile.clear();
    }
    ShowFormTexts(texts);
    ShowUnitLabels();
    if (problem) {
        // A short file is the program's "Wrong file format."; one that cannot be
        // read is named with the system's reason.
        services_.ShowMessage(
            {DescribeFileProblem(*problem), kProgramName,
             wrongFormat ? ui::MessageIcon::Exclamation : ui::MessageIcon::Critical,
             ui::MessageButtons::Ok});
    }
}

void frmInput::mnuFileExit_Click() {
    UnloadAllForms();
}

void frmInput::UnloadAllForms() {
    close();
}

void frmInput::closeEvent(QCloseEvent* event) {
    // File Exit and the frame's close button alike: every window goes, then the
    // program ends.
    event->accept();
    if (exiting_) {
        return;
    }
    exiting_ = true;
    delete report_.data();
    if (quitProgram_) {
        quitProgram_();
    } else {
        QCoreApplication::quit();
    }
}

void frmInput::txtFireFile_Click() {
    ChooseFireFile();
    txtRunTitle->setFocus();
}

void frmInput::txtFireFile_GotFocus() {
    ChooseFireFile();
    txtRunTitle->setFocus();
}

void frmInput::txtOutputFile_Click() {
    ChooseDataFileToSave();
    txtFloorArea->setFocus();
}

void frmInput::txtOutputFile_GotFocus() {
    ChooseDataFileToSave();
    txtFloorArea->setFocus();
}

void frmInput::ChooseFireFile() {
    const auto path = services_.ChooseFile(ui::OpenDialog(
        "Specify Fire File", kFireFilter, services_.DataDirectory(), TextOf(txtFireFile)));
    if (path) {
        txtFireFile->setText(QString::fromStdString(*path));
    }
}

void frmInput::ChooseDataFileToSave() {
    const auto path = services_.ChooseFile(ui::SaveAsDialog(
        "Specify Data Output File", kDataFilter, services_.DataDirectory(), TextOf(txtOutputFile)));
    if (path) {
        txtOutputFile->setText(QString::fromStdString(*path));
    }
}

void frmInput::txtFloorArea_LostFocus() {
    LeaveBox(InputBox::txtFloorArea, txtFloorArea);
}

void frmInput::txtRoomHeight_LostFocus() {
    LeaveBox(InputBox::txtRoomHeight, txtRoomHeight);
}

void frmInput::txtFireHeight_LostFocus() {
    LeaveBox(InputBox::txtFireHeight, txtFireHeight);
}

bool frmInput::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::FocusOut) {
        if (watched == txtFloorArea) {
            txtFloorArea_LostFocus();
        } else if (watched == txtRoomHeight) {
            txtRoomHeight_LostFocus();
        } else if (watched == txtFireHeight) {
            txtFireHeight_LostFocus();
        }
    }
    return QMainWindow::eventFilter(watched, event);
}

void frmInput::FocusBox(InputBox box) {
    switch (box) {
    case InputBox::txtRunTitle:
        txtRunTitle->setFocus();
        return;
    case InputBox::txtOutputFile:
        // Reaching a file box opens its dialog.
        txtOutputFile->MoveFocusHere();
        return;
    case InputBox::txtFireFile:
        txtFireFile->MoveFocusHere();
        return;
    case InputBox::txtFloorArea:
        txtFloorArea->setFocus();
        return;
    case InputBox::txtRoomHeight:
        txtRoomHeight->setFocus();
        return;
    case InputBox::txtFireHeight:
        txtFireHeight->setFocus();
        return;
    case InputBox::txtLossFraction:
        txtLossFraction->setFocus();
        return;
    case InputBox::txtRunTime:
        txtRunTime->setFocus();
        return;
    }
}

void frmInput::mnuRun_Click() {
    if (report_) {
        return; // a run is on screen already
    }
    txtRunTitle->setFocus();
    calc_.Inputs = ReadInputBoxes(FormTexts(), calc_.Units);
    if (const auto rejected = CheckRunInputs(calc_.Inputs)) {
        services_.ShowMessage({rejected->Message, std::string(rejected->Title),
                               ui::MessageIcon::Exclamation, ui::MessageButtons::Ok});
        if (const auto box = InputBoxNamed(rejected->Focus)) {
            FocusBox(*box);
        }
        return;
    }
    report_ = new frmOutput(calc_, services_, *this);
    report_->Form_Load();
}

void frmInput::ShowAfterReport() {
    report_ = nullptr; // the report window deletes itself as it closes
    show();
    raise();
    activateWindow();
    txtRunTitle->setFocus();
}

} // namespace vorla::smoke
