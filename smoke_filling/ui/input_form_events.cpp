// What frmInput does: its menu commands, the unit change, the file dialogs of
// its two file boxes, the conversion of a dimension when its box is left, and
// Run.
#include "smoke_filling/model/input_checks.h"
#include "smoke_filling/model/results_file_reader.h"
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

void frmInput::Form_Load() {
    // The unit captions are written in S.I. already.
    SetSIUnits();
}

void frmInput::SetSIUnits() {
    smoke::SetSIUnits(calc_.Units);
}

void frmInput::ShowUnitLabels() {
    lblFloorAreaUnits->setText(LabelText(calc_.Units.UnitLabel[kArea]));
    lblRoomHeightUnits->setText(LabelText(calc_.Units.UnitLabel[kLength]));
    lblFireHeightUnits->setText(LabelText(calc_.Units.UnitLabel[kLength]));
}

SmokeFillFormTexts frmInput::FormTexts() const {
    SmokeFillFormTexts texts;
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

void frmInput::ShowFormTexts(const SmokeFillFormTexts& texts) {
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
    FileNew(texts, calc_.Units, calc_.Inputs);
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
    const auto error = OpenResultsFile(*path, texts, calc_.Units, calc_.Inputs);
    ShowFormTexts(texts);
    ShowUnitLabels();
    if (error) {
        // A short file is the program's "Wrong file format."; one that cannot be
        // read is named with the system's reason.
        const bool wrongFormat = error->kind == ResultsFileError::Kind::WrongFormat;
        services_.ShowMessage(
            {DescribeResultsFileError(*error), kProgramName,
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
    StoreFloorArea(TextOf(txtFloorArea), calc_.Units, calc_.Inputs);
}

void frmInput::txtRoomHeight_LostFocus() {
    StoreRoomHeight(TextOf(txtRoomHeight), calc_.Units, calc_.Inputs);
}

void frmInput::txtFireHeight_LostFocus() {
    StoreFireHeight(TextOf(txtFireHeight), calc_.Units, calc_.Inputs);
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

void frmInput::FocusBox(SmokeFillBox box) {
    switch (box) {
    case SmokeFillBox::txtOutputFile:
        // Reaching a file box opens its dialog.
        txtOutputFile->MoveFocusHere();
        return;
    case SmokeFillBox::txtFireFile:
        txtFireFile->MoveFocusHere();
        return;
    case SmokeFillBox::txtFloorArea:
        txtFloorArea->setFocus();
        return;
    case SmokeFillBox::txtRoomHeight:
        txtRoomHeight->setFocus();
        return;
    case SmokeFillBox::txtFireHeight:
        txtFireHeight->setFocus();
        return;
    case SmokeFillBox::txtLossFraction:
        txtLossFraction->setFocus();
        return;
    case SmokeFillBox::txtRunTime:
        txtRunTime->setFocus();
        return;
    }
}

void frmInput::mnuRun_Click() {
    if (report_) {
        return; // a run is on screen already
    }
    txtRunTitle->setFocus();
    ReadForm(FormTexts(), calc_.Units, calc_.Inputs);
    if (const auto failure = CheckSmokeFillInputs(calc_.Inputs)) {
        services_.ShowMessage({std::string(failure->Message), std::string(kInputErrorTitle),
                               ui::MessageIcon::Exclamation, ui::MessageButtons::Ok});
        FocusBox(failure->Focus);
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
