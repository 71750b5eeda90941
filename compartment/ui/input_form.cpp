#include "compartment/ui/input_form.h"

#include "common/ui/platform_services.h"
#include "compartment/model/input_checks.h"
#include "compartment/model/input_entry.h"
#include "compartment/model/loss_fraction_estimator.h"
#include "compartment/model/saved_report_reader.h"
#include "compartment/ui/estimator_form.h"
#include "compartment/ui/output_form.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalBlocker>

namespace vorla::compartment {
namespace {

constexpr const char* kProgramTitle = "VORLA-XW";
constexpr const char* kFireFileFilter = "VORLA-XW Fire Files (*.fir)|*.fir";
constexpr const char* kDataFileFilter = "VORLA-XW Data Files (*.vof)|*.vof";

constexpr InputBox kDimensionBoxes[] = {
    InputBox::txtFloorArea,  InputBox::txtRoomHeight,   InputBox::txtVentWidth,
    InputBox::txtSillHeight, InputBox::txtSoffitHeight, InputBox::txtFireHeight,
};

constexpr InputBox kAllBoxes[] = {
    InputBox::txtRunTitle,          InputBox::txtOutputFile,
    InputBox::txtFireFile,          InputBox::txtFloorArea,
    InputBox::txtRoomHeight,        InputBox::txtVentWidth,
    InputBox::txtSillHeight,        InputBox::txtSoffitHeight,
    InputBox::txtFireHeight,        InputBox::txtRadiativeLossFraction,
    InputBox::txtTotalLossFraction, InputBox::txtRunTime,
};

QString FromUtf8(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

} // namespace

frmInput::frmInput(Calculations& calc, ui::PlatformServices& services,
                   std::function<void()> endProgram, QWidget* parent)
    : QMainWindow(parent), calc_(calc), services_(services), endProgram_(std::move(endProgram)) {
    setObjectName("frmInput");
    setWindowTitle("VORLA-XW: Input Data");
    BuildControls();
    BuildMenus();
    ConnectEvents();
    Form_Load();
    txtRunTitle->setFocus();
}

frmInput::~frmInput() {
    // The report and graph windows are top-level windows of their own; they go
    // with the form that opened them.
    delete output_.data();
}

frmOutput* frmInput::OutputWindow() const {
    return output_;
}

frmEstimateLc* frmInput::EstimatorWindow() const {
    return estimator_;
}

void frmInput::ConnectEvents() {
    // Sees the dimension boxes losing the focus.
    for (const InputBox box : kDimensionBoxes) {
        Box(box)->installEventFilter(this);
    }
    for (int index = 0; index < 2; ++index) {
        connect(optUnits[index], &QRadioButton::toggled, this, [this, index](bool selected) {
            if (selected) {
                optUnits_Click(index);
            }
        });
    }
    connect(txtFireFile, &ui::FileNameBox::Clicked, this, &frmInput::txtFireFile_Click);
    connect(txtFireFile, &ui::FileNameBox::GotFocus, this, &frmInput::txtFireFile_GotFocus);
    connect(txtOutputFile, &ui::FileNameBox::Clicked, this, &frmInput::txtOutputFile_Click);
    connect(txtOutputFile, &ui::FileNameBox::GotFocus, this, &frmInput::txtOutputFile_GotFocus);
    connect(mnuFileNew, &QAction::triggered, this, &frmInput::mnuFileNew_Click);
    connect(mnuFileOpen, &QAction::triggered, this, &frmInput::mnuFileOpen_Click);
    connect(mnuFileExit, &QAction::triggered, this, &frmInput::mnuFileExit_Click);
    connect(mnuRun, &QAction::triggered, this, &frmInput::mnuRun_Click);
    connect(cmdEstimateLc, &QPushButton::clicked, this, &frmInput::cmdEstimateLc_Click);
}

bool frmInput::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::FocusOut) {
        for (const InputBox box : kDimensionBoxes) {
            if (watched->objectName().toStdString() == InputBoxName(box)) {
                Dimension_LostFocus(box);
            }
        }
    }
    return QMainWindow::eventFilter(watched, event);
}

QLineEdit* frmInput::Box(InputBox box) const {
    // Every box carries its control name as its object name.
    const std::string_view name = InputBoxName(box);
    return findChild<QLineEdit*>(
        QString::fromUtf8(name.data(), static_cast<qsizetype>(name.size())));
}

InputBoxes frmInput::Boxes() const {
    InputBoxes boxes;
    for (const InputBox box : kAllBoxes) {
        boxes.Text(box) = Box(box)->text().toStdString();
    }
    return boxes;
}

void frmInput::ShowBoxes(const InputBoxes& boxes) {
    for (const InputBox box : kAllBoxes) {
        const QString text = QString::fromStdString(boxes.Text(box));
        if (Box(box)->text() != text) {
            Box(box)->setText(text);
        }
    }
}

void frmInput::SelectUnitsOption(int index) {
    const QSignalBlocker blockSi(optUnits[0]);
    const QSignalBlocker blockUs(optUnits[1]);
    optUnits[index]->setChecked(true);
}

void frmInput::Form_Load() {
    SetSIUnits();
}

void frmInput::SetSIUnits() {
    calc_.Units = UnitTablesFor(UnitSystem::SI);
}

void frmInput::ShowUnitLabels() {
    const QString area = FromUtf8(calc_.Units.Area.Label);
    const QString length = FromUtf8(calc_.Units.Length.Label);
    lblFloorAreaUnits->setText(area);
    for (auto* label : {lblRoomHeightUnits, lblVentWidthUnits, lblSillHeightUnits,
                        lblSoffitHeightUnits, lblFireHeightUnits}) {
        label->setText(length);
    }
}

void frmInput::Dimension_LostFocus(InputBox box) {
    LeaveInputBox(box, Boxes(), calc_.Units, calc_.Inputs);
}

void frmInput::optUnits_Click(int index) {
    InputBoxes boxes = Boxes();
    ChangeUnits(index == 1 ? UnitSystem::US : UnitSystem::SI, calc_.Inputs, calc_.Units, boxes);
    ShowBoxes(boxes);
    ShowUnitLabels();
}

void frmInput::txtFireFile_Click() {
    ChooseFireFile();
    txtRunTitle->setFocus();
}

void frmInput::txtFireFile_GotFocus() {
    txtFireFile_Click();
}

void frmInput::txtOutputFile_Click() {
    ChooseDataFile(false);
    txtFloorArea->setFocus();
}

void frmInput::txtOutputFile_GotFocus() {
    txtOutputFile_Click();
}

void frmInput::ChooseFireFile() {
    const auto path = services_.ChooseFile(ui::OpenDialog("Specify Fire File", kFireFileFilter,
                                                          services_.DataDirectory(),
                                                          txtFireFile->text().toStdString()));
    if (!path) {
        return;
    }
    txtFireFile->setText(QString::fromStdString(*path));
}

void frmInput::ChooseDataFile(bool open) {
    const std::string initialName = txtOutputFile->text().toStdString();
    const auto path =
        open ? services_.ChooseFile(ui::OpenDialog("Specify Data File", kDataFileFilter,
                                                   services_.DataDirectory(), initialName))
             : services_.ChooseFile(ui::SaveAsDialog("Specify Data Output File", kDataFileFilter,
                                                     services_.DataDirectory(), initialName));
    if (!path) {
        return;
    }
    if (!open) {
        // Only the name: the report writes the file when the user saves it.
        txtOutputFile->setText(QString::fromStdString(*path));
        return;
    }

    InputBoxes boxes = Boxes();
    const InputBoxes shownBefore = boxes;
    const bool wasSI = calc_.Units.System == UnitSystem::SI;
    const auto problem = ReadSavedReport(*path, boxes, calc_.Units, calc_.Inputs);
    SelectUnitsOption(0);
    ShowUnitLabels();
    if (problem) {
        services_.ShowMessage({DescribeFileProblem(*problem), kProgramTitle,
                               ui::MessageIcon::Critical, ui::MessageButtons::Ok});
        if (problem->kind == FileProblem::Kind::WrongFormat) {
            NewInputs(boxes, calc_.Units, calc_.Inputs);
        } else {
            // Already in S.I. units, the boxes keep their texts as typed.
            if (wasSI) {
                boxes = shownBefore;
            }
            boxes.txtOutputFile.clear();
        }
    }
    ShowBoxes(boxes);
}

void frmInput::mnuFileNew_Click() {
    InputBoxes boxes = Boxes();
    NewInputs(boxes, calc_.Units, calc_.Inputs);
    SelectUnitsOption(0);
    ShowUnitLabels();
    ShowBoxes(boxes);
    txtRunTitle->setFocus();
}

void frmInput::mnuFileOpen_Click() {
    ChooseDataFile(true);
    txtRunTitle->setFocus();
}

void frmInput::mnuFileExit_Click() {
    UnloadAllForms();
    EndProgram();
}

void frmInput::UnloadAllForms() {
    if (estimator_) {
        estimator_->cmdCancel_Click();
    }
    if (output_) {
        output_->Unload();
    }
    unloading_ = true;
    close();
    unloading_ = false;
}

void frmInput::EndProgram() {
    if (endProgram_) {
        endProgram_();
    } else {
        QCoreApplication::quit();
    }
}

void frmInput::closeEvent(QCloseEvent* event) {
    event->accept();
    if (!unloading_) {
        // The frame's close button: File Exit.
        if (estimator_) {
            estimator_->cmdCancel_Click();
        }
        if (output_) {
            output_->Unload();
        }
        EndProgram();
    }
}

void frmInput::ShowInputError(const RejectedInput& error) {
    services_.ShowMessage({error.Message, std::string(error.Title), ui::MessageIcon::Exclamation,
                           ui::MessageButtons::Ok});
    if (const auto box = InputBoxNamed(error.Focus)) {
        FocusInputBox(*box);
    }
}

void frmInput::FocusInputBox(InputBox box) {
    // A file box is never typed into: reaching it opens its dialog.
    if (box == InputBox::txtOutputFile) {
        txtOutputFile->MoveFocusHere();
    } else if (box == InputBox::txtFireFile) {
        txtFireFile->MoveFocusHere();
    } else {
        Box(box)->setFocus();
        Box(box)->selectAll();
    }
}

void frmInput::mnuRun_Click() {
    txtRunTitle->setFocus();
    calc_.Inputs = ReadInputBoxes(Boxes(), calc_.Units);
    if (const auto error = CheckRunInputs(calc_.Inputs)) {
        ShowInputError(*error);
        return;
    }
    output_ = new frmOutput(calc_, services_, *this);
    output_->Form_Load();
}

void frmInput::ShowAgain() {
    show();
    raise();
    activateWindow();
    txtRunTitle->setFocus();
}

void frmInput::cmdEstimateLc_Click() {
    RefreshEstimatorInputs(Boxes(), calc_);
    if (RadiativeFractionNeedsConfirming(calc_.Inputs)) {
        const auto answer = services_.ShowMessage(
            {std::string(kZeroRadiativeFractionQuestion), std::string(kInputDataCheckTitle),
             ui::MessageIcon::Question, ui::MessageButtons::YesNo});
        if (answer != ui::MessageButton::Yes) {
            txtRadiativeLossFraction->setFocus();
            return;
        }
    }
    if (const auto error = CheckEstimatorInputs(calc_.Inputs)) {
        ShowInputError(*error);
        return;
    }
    estimator_ = new frmEstimateLc(calc_, services_, *txtTotalLossFraction, this);
    estimator_->Form_Load();
}

} // namespace vorla::compartment
