#include "compartment/ui/input_form.h"

#include "common/fire_file_lookup.h"
#include "common/text_file.h"
#include "common/ui/criteria_settings.h"
#include "common/ui/devices_dialog.h"
#include "common/ui/explore_window.h"
#include "common/ui/file_drop.h"
#include "common/ui/file_name_box.h"
#include "common/ui/file_run_menus.h"
#include "common/ui/form_builders.h"
#include "common/ui/message_texts.h"
#include "common/ui/one_line_validator.h"
#include "common/ui/platform_services.h"
#include "common/ui/rejected_input_message.h"
#include "common/ui/tenability_dialog.h"
#include "common/ui/typed_number_boxes.h"
#include "compartment/model/input_checks.h"
#include "compartment/model/input_entry.h"
#include "compartment/model/loss_fraction_estimator.h"
#include "compartment/model/saved_report_reader.h"
#include "compartment/model/saved_run.h"
#include "compartment/ui/estimator_form.h"
#include "compartment/ui/explore_model.h"
#include "compartment/ui/output_form.h"
#include "compartment/ui/report_file_filter.h"

#include <QAction>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QFormLayout>
#include <QFrame>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QRadioButton>
#include <QSettings>
#include <QSignalBlocker>
#include <QVBoxLayout>
#include <cmath>
#include <memory>
#include <optional>

namespace vorla::compartment {
namespace {

constexpr const char* kProgramTitle = "VORLA-XW";
constexpr const char* kFireFileFilter = "VORLA-XW Fire Files (*.fir)|*.fir|All files (*)|*";
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

// A number box is wide enough for "######.00#" and a little more, and no wider
// than twice that however the frame stretches.
const ui::NumberBoxWidth kNumberBox{
    .AtLeast = QStringLiteral("00000000.000"), .Padding = 16, .AtMostTwiceAtLeast = true};

// A frame's rows: caption, box and unit label, the boxes taking the room left.
QGridLayout* FrameGrid(QGroupBox* frame) {
    auto* grid = new QGridLayout(frame);
    grid->setColumnStretch(1, 1);
    grid->setColumnMinimumWidth(2, frame->fontMetrics().horizontalAdvance(QStringLiteral("ft²")));
    return grid;
}

QString FromUtf8(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

} // namespace

frmInput::frmInput(Calculations& calc, ui::PlatformServices& services,
                   std::function<void()> endProgram, QWidget* parent)
    : ui::ZoneInputForm(services,
                        {.ProgramTitle = kProgramTitle,
                         .OpenReportFilter = kOpenReportFilter,
                         .RunRefusedWhileReportOpen = false,
                         .WrongFormatIcon = ui::MessageIcon::Critical},
                        std::move(endProgram), parent),
      calc_(calc) {
    setObjectName("frmInput");
    setWindowTitle("VORLA-XW: Input Data");
    BuildControls();
    BuildMenus();
    ConnectEvents();
    new ui::FileDropTarget(*this, [this](const std::string& path) {
        OpenFile(path);
        txtRunTitle->setFocus();
    });
    Form_Load();
    txtRunTitle->setFocus();
}

frmInput::~frmInput() = default;

void frmInput::BuildControls() {
    auto* form = new QWidget(this);
    form->setObjectName("frmInputClientArea");
    setCentralWidget(form);

    linBelowMenu = ui::LineBelowMenu(form);

    const QString fractionTip = "Must be between 0 and 1";
    const QString heightTip = "Must not exceed 30 m or 100 ft";

    // Run title and output file, at the top.
    txtRunTitle = ui::MakeTextBox("txtRunTitle", "Short description to identify this run", form);
    txtRunTitle->setValidator(new ui::OneLineValidator(txtRunTitle));
    txtOutputFile =
        ui::MakeFileBox("txtOutputFile",
                        "Name of file where the results of this run will be stored - Click "
                        "Mouse to open dialog box",
                        form);
    auto* lblRunTitle = ui::MakeLabel("lblRunTitle", "Run Title", form);
    auto* lblOutputFile = ui::MakeLabel("lblOutputFile", "Output Data File", form);
    lblRunTitle->setBuddy(txtRunTitle);
    lblOutputFile->setBuddy(txtOutputFile);
    auto* top = new QFormLayout;
    top->setFieldGrowthPolicy(QFormLayout::AllNonFixedFieldsGrow);
    top->addRow(lblRunTitle, txtRunTitle);
    top->addRow(lblOutputFile, txtOutputFile);

    // Room properties, with the estimator of the heat loss fraction.
    fraRoomProperties = ui::MakeFrame("fraRoomProperties", "Room Properties", form);
    txtFloorArea =
        ui::MakeNumberBox("txtFloorArea", "Must not exceed 1000 m² or 10000 ft²", form, kNumberBox);
    txtRoomHeight = ui::MakeNumberBox("txtRoomHeight", heightTip, form, kNumberBox);
    txtTotalLossFraction =
        ui::MakeNumberBox("txtTotalLossFraction", fractionTip, form, kNumberBox, "0.6");
    lblFloorAreaUnits = ui::MakeLabel("lblFloorAreaUnits", "m²", form);
    lblRoomHeightUnits = ui::MakeLabel("lblRoomHeightUnits", "m", form);
    // Enter presses it when it has the focus.
    cmdEstimateLc =
        ui::MakeButton("cmdEstimateLc", "Let Program Estimate Heat Loss Fraction", form, true);
    cmdEstimateLc->setToolTip("Specify all properties and dimensions before pressing this button");
    {
        auto* grid = FrameGrid(fraRoomProperties);
        ui::AddRow(grid, grid->rowCount(), ui::MakeLabel("lblFloorArea", "Floor Area", form),
                   txtFloorArea, lblFloorAreaUnits);
        ui::AddRow(grid, grid->rowCount(), ui::MakeLabel("lblRoomHeight", "Ceiling Height", form),
                   txtRoomHeight, lblRoomHeightUnits);
        ui::AddRow(grid, grid->rowCount(),
                   ui::MakeLabel("lblTotalLossFraction", "Heat Loss Fraction", form),
                   txtTotalLossFraction);
        grid->addWidget(cmdEstimateLc, grid->rowCount(), 0, 1, 3);
        grid->setRowStretch(grid->rowCount(), 1);
    }

    // Vent dimensions.
    fraVentDimensions = ui::MakeFrame("fraVentDimensions", "Vent Dimensions", form);
    txtVentWidth = ui::MakeNumberBox("txtVentWidth", heightTip, form, kNumberBox);
    txtSillHeight =
        ui::MakeNumberBox("txtSillHeight", "Must be below the soffit", form, kNumberBox);
    txtSoffitHeight = ui::MakeNumberBox(
        "txtSoffitHeight", "Must be between the sill and the ceiling", form, kNumberBox);
    lblVentWidthUnits = ui::MakeLabel("lblVentWidthUnits", "m", form);
    lblSillHeightUnits = ui::MakeLabel("lblSillHeightUnits", "m", form);
    lblSoffitHeightUnits = ui::MakeLabel("lblSoffitHeightUnits", "m", form);
    {
        auto* grid = FrameGrid(fraVentDimensions);
        ui::AddRow(grid, grid->rowCount(), ui::MakeLabel("lblVentWidth", "Width", form),
                   txtVentWidth, lblVentWidthUnits);
        ui::AddRow(grid, grid->rowCount(),
                   ui::MakeLabel("lblSillHeight", "Sill Height", form,
                                 "Must be between floor and ceiling"),
                   txtSillHeight, lblSillHeightUnits);
        ui::AddRow(grid, grid->rowCount(),
                   ui::MakeLabel("lblSoffitHeight", "Soffit Height", form,
                                 "Must be between sill height and ceiling"),
                   txtSoffitHeight, lblSoffitHeightUnits);
        grid->setRowStretch(grid->rowCount(), 1);
    }

    // Fire properties.
    fraHeatLossFractions = ui::MakeFrame("fraHeatLossFractions", "Fire Properties", form);
    txtFireHeight =
        ui::MakeNumberBox("txtFireHeight", "Must not exceed the ceiling height", form, kNumberBox);
    txtRadiativeLossFraction =
        ui::MakeNumberBox("txtRadiativeLossFraction", fractionTip, form, kNumberBox, "0.35");
    lblFireHeightUnits = ui::MakeLabel("lblFireHeightUnits", "m", form);
    {
        auto* grid = FrameGrid(fraHeatLossFractions);
        ui::AddRow(grid, grid->rowCount(), ui::MakeLabel("lblFireHeight", "Fire Base Height", form),
                   txtFireHeight, lblFireHeightUnits);
        ui::AddRow(grid, grid->rowCount(),
                   ui::MakeLabel("lblRadiativeLossFraction", "Radiative Loss Fraction", form),
                   txtRadiativeLossFraction);
        grid->setRowStretch(grid->rowCount(), 1);
    }

    // Units.
    fraUnits = ui::MakeFrame("fraUnits", "Units", form);
    optUnits[0] = ui::MakeOption("optUnits(0)", "S.I. Units", form, "m, m², kg, °C, kW");
    optUnits[0]->setChecked(true);
    optUnits[1] =
        ui::MakeOption("optUnits(1)", "U.S. Engineering Units", form, "ft, ft², lb, °F, Btu");
    {
        auto* column = new QVBoxLayout(fraUnits);
        column->addWidget(optUnits[0]);
        column->addWidget(optUnits[1]);
        column->addStretch(1);
    }

    auto* frames = new QGridLayout;
    frames->addWidget(fraRoomProperties, 0, 0);
    frames->addWidget(fraVentDimensions, 0, 1);
    frames->addWidget(fraHeatLossFractions, 1, 0);
    frames->addWidget(fraUnits, 1, 1);
    frames->setColumnStretch(0, 1);
    frames->setColumnStretch(1, 1);

    // Run time and fire file, at the bottom.
    txtRunTime = ui::MakeNumberBox("txtRunTime", "Must not exceed 9000 s", form, kNumberBox);
    lblRunTimeUnits = ui::MakeLabel("lblRunTimeUnits", "s", form);
    txtFireFile =
        ui::MakeFileBox("txtFireFile",
                        "Heat release rate data file name for this run - Click mouse to open "
                        "dialog box",
                        form);
    auto* lblRunTime =
        ui::MakeLabel("lblRunTime", "Maximum Run Time", form, "Must not exceed 9000 s");
    auto* lblFireFile = ui::MakeLabel("lblFireFile", "Input Fire File", form);
    lblRunTime->setBuddy(txtRunTime);
    lblFireFile->setBuddy(txtFireFile);
    auto* runTimeRow = new QHBoxLayout;
    runTimeRow->addWidget(txtRunTime);
    runTimeRow->addWidget(lblRunTimeUnits);
    runTimeRow->addStretch(1);
    auto* bottom = new QFormLayout;
    bottom->setFieldGrowthPolicy(QFormLayout::AllNonFixedFieldsGrow);
    bottom->addRow(lblRunTime, runTimeRow);
    bottom->addRow(lblFireFile, txtFireFile);

    // The loose rows line their captions up with each other.
    const int captionWidth =
        std::max({lblRunTitle->sizeHint().width(), lblOutputFile->sizeHint().width(),
                  lblRunTime->sizeHint().width(), lblFireFile->sizeHint().width()});
    for (auto* caption : {lblRunTitle, lblOutputFile, lblRunTime, lblFireFile}) {
        caption->setMinimumWidth(captionWidth);
    }

    auto* layout = new QVBoxLayout(form);
    layout->addWidget(linBelowMenu);
    layout->addLayout(top);
    layout->addSpacing(6);
    layout->addLayout(frames);
    layout->addSpacing(6);
    layout->addLayout(bottom);
    layout->addStretch(1); // a taller window keeps the form together at the top

    // Top to bottom, each frame left to right and top to bottom.
    QWidget* order[] = {txtRunTitle,
                        txtOutputFile,
                        txtFloorArea,
                        txtRoomHeight,
                        txtTotalLossFraction,
                        cmdEstimateLc,
                        txtVentWidth,
                        txtSillHeight,
                        txtSoffitHeight,
                        txtFireHeight,
                        txtRadiativeLossFraction,
                        optUnits[0],
                        optUnits[1],
                        txtRunTime,
                        txtFireFile};
    for (std::size_t k = 1; k < std::size(order); ++k) {
        setTabOrder(order[k - 1], order[k]);
    }
}

void frmInput::BuildMenus() {
    const ui::FileRunMenus menus = ui::BuildFileRunMenus(*this);
    mnuFile = menus.mnuFile;
    mnuFileNew = menus.mnuFileNew;
    mnuFileOpen = menus.mnuFileOpen;
    mnuFileBar1 = menus.mnuFileBar1;
    mnuFileExit = menus.mnuFileExit;
    mnuRun = menus.mnuRun;
    AddZoneFileActions(mnuFile, mnuFileBar1);
}

void frmInput::ConnectEvents() {
    // Sees the dimension boxes losing the focus.
    for (const InputBox box : kDimensionBoxes) {
        Box(box)->installEventFilter(this);
        // Only what the user types replaces a value kept over a unit change.
        connect(Box(box), &QLineEdit::textEdited, this, [this, box] { kept_.Forget(box); });
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
    if (!kept_.Of(box, Box(box)->text().toStdString())) {
        LeaveInputBox(box, Boxes(), calc_.Units, calc_.Inputs);
    }
}

void frmInput::optUnits_Click(int index) {
    InputBoxes boxes = Boxes();
    ChangeUnits(index == 1 ? UnitSystem::US : UnitSystem::SI, calc_.Units, boxes, kept_);
    ShowBoxes(boxes);
    ShowUnitLabels();
}

void frmInput::txtFireFile_Click() {
    ChooseFireFile();
    txtRunTitle->setFocus();
    txtRunTitle->selectAll(); // typing replaces the title, as after Tab
}

void frmInput::txtFireFile_GotFocus() {
    txtFireFile_Click();
}

void frmInput::txtOutputFile_Click() {
    ChooseDataFile(false);
    txtFloorArea->setFocus();
    txtFloorArea->selectAll(); // typing replaces the area, as after Tab
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
        open ? services_.ChooseFile(ui::OpenDialog("Specify Data File", kOpenReportFilter,
                                                   services_.DataDirectory(), initialName))
             : services_.ChooseFile(ui::SaveAsDialog(ui::kSaveDialogTitle, kDataFileFilter,
                                                     services_.DataDirectory(), initialName));
    if (!path) {
        return;
    }
    if (!open) {
        // Only the name: the report writes the file when the user saves it.
        txtOutputFile->setText(QString::fromStdString(*path));
        return;
    }
    OpenFile(*path);
}

bool frmInput::OpenFile(const std::string& path) {
    InputBoxes boxes = Boxes();
    const InputBoxes shownBefore = boxes;
    const UnitTables unitsBefore = calc_.Units;
    const RunInputs inputsBefore = calc_.Inputs;
    const bool wasSI = calc_.Units.System == UnitSystem::SI;
    const auto problem = ReadSavedReport(path, boxes, calc_.Units, calc_.Inputs);
    if (problem && problem->kind == FileProblem::Kind::WrongFormat) {
        // Not a report of this program: what the user typed stays as it was.
        calc_.Units = unitsBefore;
        calc_.Inputs = inputsBefore;
        ShowFileMessage(DescribeFileProblem(*problem), traits_.WrongFormatIcon);
        return false;
    }
    SelectUnitsOption(0);
    ShowUnitLabels();
    if (problem) {
        ShowFileMessage(DescribeFileProblem(*problem));
        // The boxes keep what they held, shown in S.I. units now.
        boxes = shownBefore;
        if (!wasSI) {
            calc_.Units = unitsBefore;
            ChangeUnits(UnitSystem::SI, calc_.Units, boxes, kept_);
        }
        boxes.txtOutputFile.clear();
    } else {
        kept_.Clear();
        calc_.OpenedReport = path;
        TakeReportSettings(path, calc_.Inputs.RoomHeight);
    }
    ShowBoxes(boxes);
    return !problem;
}

bool frmInput::OpenResults(const std::string& path) {
    return OpenResultsOf<InputBoxes, frmOutput>(path, calc_);
}

void frmInput::mnuFileNew_Click() {
    calc_.OpenedReport.clear();
    ForgetDevicesAndTenability();
    kept_.Clear();
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
    txtRunTitle->selectAll();
}

void frmInput::mnuFileExit_Click() {
    UnloadAllForms();
    EndProgram();
}

void frmInput::UnloadAllForms() {
    if (estimator_) {
        estimator_->reject();
    }
    UnloadReport();
    unloading_ = true;
    close();
    unloading_ = false;
}

void frmInput::closeEvent(QCloseEvent* event) {
    event->accept();
    if (!unloading_) {
        // The frame's close button: File Exit.
        if (estimator_) {
            estimator_->reject();
        }
        UnloadReport();
        EndProgram();
    }
}

void frmInput::mnuRun_Click() {
    if (!RunMayOpenReport()) {
        return;
    }
    txtRunTitle->setFocus();
    if (!ui::AcceptTypedNumbers(services_, *this,
                                {{txtFloorArea},
                                 {txtRoomHeight},
                                 {txtTotalLossFraction},
                                 {txtVentWidth},
                                 {txtSillHeight},
                                 {txtSoffitHeight},
                                 {txtFireHeight},
                                 {txtRadiativeLossFraction},
                                 {txtRunTime}},
                                kInputErrorTitle)) {
        return;
    }
    calc_.Inputs = ReadKeptInputBoxes(Boxes(), calc_.Units, kept_);
    if (const auto rejected = CheckRunInputs(calc_.Inputs)) {
        ui::ShowRejectedInput(services_, *rejected, *this);
        return;
    }
    if (!DevicesAndTenabilityFitRoom(calc_.Inputs.RoomHeight, calc_.Units.System)) {
        return;
    }
    // The model options live in their dialog, not in the boxes.
    calc_.Inputs.FirePlace = modelOptions_.Position;
    calc_.Inputs.Plume = modelOptions_.Plume;
    if (!ModelOptionsUsable({ModelKind::Compartment, calc_.Inputs.FirePlace, calc_.Inputs.Plume, false,
                             calc_.Inputs.LossFraction})) {
        return;
    }
    auto* output = new frmOutput(calc_, services_, ReportLinks(), devices_, suppression_, tenability_);
    output->SetModelOptions(modelOptions_);
    ShowReport(output);
}

void frmInput::mnuFileExplore_Click() {
    // No checks and no message boxes here: the window shows what is wrong with
    // the inputs beside the box concerned, and the user mends it there.
    const InputBoxes boxes = Boxes();
    FireTable fire;
    std::string fireProblem;
    std::string readFrom;
    if (const auto problem =
            ReadFireFileOfReport(boxes.txtFireFile, calc_.OpenedReport, fire, readFrom)) {
        fireProblem = DescribeFireFileError(*problem);
    }
    auto model = std::make_unique<CompartmentExplore>(boxes, calc_.Units, std::move(fire),
                                                      std::move(fireProblem),
                                                      ui::LoadCriteria(QSettings()), kept_);
    model->SetFirePath(readFrom);
    ShowExplore(std::move(model));
}

QLineEdit* frmInput::RunTitleBox() const {
    return txtRunTitle;
}

QLineEdit* frmInput::OutputFileBox() const {
    return txtOutputFile;
}

UnitSystem frmInput::ShownUnits() const {
    return calc_.Units.System;
}

double frmInput::TypedRoomHeight() const {
    return ReadKeptInputBoxes(Boxes(), calc_.Units, kept_).RoomHeight;
}

bool frmInput::TypeIntoBox(const std::string& name, const std::string& text) {
    const auto box = InputBoxNamed(name);
    auto* edit = findChild<QLineEdit*>(QString::fromStdString(name));
    if (!box || edit == nullptr) {
        return false;
    }
    edit->setText(QString::fromStdString(text));
    kept_.Forget(*box);
    return true;
}

void frmInput::cmdEstimateLc_Click() {
    if (!ui::AcceptTypedNumbers(services_, *this,
                                {{txtFloorArea},
                                 {txtRoomHeight},
                                 {txtVentWidth},
                                 {txtSoffitHeight},
                                 {txtFireHeight},
                                 {txtRadiativeLossFraction}},
                                kInputErrorTitle)) {
        return;
    }
    RefreshEstimatorInputs(Boxes(), kept_, calc_);
    if (RadiativeFractionNeedsConfirming(calc_.Inputs)) {
        const auto answer = services_.ShowMessage(
            {std::string(kZeroRadiativeFractionQuestion), std::string(kInputDataCheckTitle),
             ui::MessageIcon::Question, ui::MessageButtons::YesNo});
        if (answer != ui::MessageButton::Yes) {
            txtRadiativeLossFraction->setFocus();
            return;
        }
    }
    if (const auto rejected = CheckEstimatorInputs(calc_.Inputs)) {
        ui::ShowRejectedInput(services_, *rejected, *this);
        return;
    }
    estimator_ = new frmEstimateLc(calc_, services_, *txtTotalLossFraction, this);
    estimator_->Form_Load();
}

} // namespace vorla::compartment
