#include "smoke_filling/ui/input_form.h"

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
#include "smoke_filling/model/input_checks.h"
#include "smoke_filling/model/input_entry.h"
#include "smoke_filling/model/saved_report_reader.h"
#include "smoke_filling/model/saved_run.h"
#include "smoke_filling/ui/explore_model.h"
#include "smoke_filling/ui/output_form.h"
#include "smoke_filling/ui/report_file_filter.h"

#include <QAction>
#include <QButtonGroup>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QFontMetrics>
#include <QFrame>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QRadioButton>
#include <QSettings>
#include <QSignalBlocker>
#include <QVBoxLayout>
#include <cmath>
#include <memory>
#include <optional>

namespace vorla::smoke {
namespace {

constexpr const char* kDataFilter = "SKEVA-XW Data Files (*.sof)|*.sof";
constexpr const char* kFireFilter = "SKEVA-XW Fire Files (*.fir)|*.fir|All files (*)|*";
constexpr const char* kProgramName = "SKEVA-XW";

// Wide enough for the longest converted value, "10764.264" ft², and no wider
// whatever the row's room; the digits line up on the right.
const ui::NumberBoxWidth kNumberBox{
    .AtLeastDigits = 12, .KeepsItsWidth = true, .RightAligned = true};
// Room for "ft²" as well as "m²", so the form does not move on a unit change.
const QString kWidestUnit = QStringLiteral("ft²  ");

constexpr InputBox kDimensionBoxes[] = {InputBox::txtFloorArea, InputBox::txtRoomHeight,
                                        InputBox::txtFireHeight};

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

frmInput::frmInput(Calculations& calc, ui::PlatformServices& services,
                   std::function<void()> endProgram, QWidget* parent)
    : ui::ZoneInputForm(services,
                        {.ProgramTitle = kProgramName,
                         .OpenReportFilter = kOpenReportFilter,
                         .RunRefusedWhileReportOpen = true,
                         .WrongFormatIcon = ui::MessageIcon::Exclamation},
                        std::move(endProgram), parent),
      calc_(calc) {
    setObjectName("frmInput");
    setWindowTitle("SKEVA-XW: Input Data");
    BuildControls();
    BuildMenus();
    LayOutControls();
    SetTabOrder();
    ConnectEvents();
    new ui::FileDropTarget(*this, [this](const std::string& path) {
        OpenFile(path);
        txtRunTitle->setFocus();
    });
    Form_Load();
}

frmInput::~frmInput() = default;

void frmInput::BuildControls() {
    auto* form = new QWidget(this);
    form->setObjectName("frmInputControls");
    setCentralWidget(form);

    linBelowMenu = ui::LineBelowMenu(form);

    lblRunTitle = ui::MakeLabel("lblRunTitle", "Run Title", form);
    txtRunTitle = ui::MakeTextBox("txtRunTitle", "Short description to identify this run", form);
    txtRunTitle->setValidator(new ui::OneLineValidator(txtRunTitle));

    lblOutputFile = ui::MakeLabel("lblOutputFile", "Output Data File", form);
    txtOutputFile = ui::MakeFileBox("txtOutputFile",
                                    "Name of file where the results of this run will be "
                                    "stored - Click Mouse to open dialog box",
                                    form);

    fraUnits = ui::MakeFrame("fraUnits", "Units", form);
    optUnits[0] = ui::MakeOption("optUnits(0)", "S.I. Units", fraUnits, "m, m², kg, °C, kW");
    optUnits[0]->setChecked(true);
    optUnits[1] =
        ui::MakeOption("optUnits(1)", "U.S. Engineering Units", fraUnits, "ft, ft², lb, °F, Btu");
    unitsGroup_ = new QButtonGroup(this);
    unitsGroup_->addButton(optUnits[0], 0);
    unitsGroup_->addButton(optUnits[1], 1);

    lblFloorArea = ui::MakeLabel("lblFloorArea", "Room Floor Area", form);
    txtFloorArea =
        ui::MakeNumberBox("txtFloorArea", "Must not exceed 1000 m² or 10000 ft²", form, kNumberBox);
    lblFloorAreaUnits = ui::MakeUnitLabel("lblFloorAreaUnits", "m²", form, kWidestUnit);

    lblRoomHeight = ui::MakeLabel("lblRoomHeight", "Room Ceiling Height", form);
    txtRoomHeight =
        ui::MakeNumberBox("txtRoomHeight", "Must not exceed 30 m or 100 ft", form, kNumberBox);
    lblRoomHeightUnits = ui::MakeUnitLabel("lblRoomHeightUnits", "m", form, kWidestUnit);

    lblFireHeight = ui::MakeLabel("lblFireHeight", "Fire Base Height", form,
                                  "Must be between floor and ceiling");
    txtFireHeight =
        ui::MakeNumberBox("txtFireHeight", "Can not exceed ceiling height", form, kNumberBox);
    lblFireHeightUnits = ui::MakeUnitLabel("lblFireHeightUnits", "m", form, kWidestUnit);

    lblLossFraction = ui::MakeLabel("lblLossFraction", "Heat Loss Fraction", form);
    txtLossFraction =
        ui::MakeNumberBox("txtLossFraction", "Must be between 0 and 1", form, kNumberBox, "0.6");

    lblRunTime = ui::MakeLabel("lblRunTime", "Maximum Run Time", form, "Must not exceed 9000 s");
    txtRunTime = ui::MakeNumberBox("txtRunTime", "Must not exceed 9000 s", form, kNumberBox);
    lblRunTimeUnits = ui::MakeUnitLabel("lblRunTimeUnits", "s", form, kWidestUnit);

    lblFireFile = ui::MakeLabel("lblFireFile", "Input Fire File", form);
    txtFireFile = ui::MakeFileBox(
        "txtFireFile",
        "Heat release rate data file name for this run - Click mouse to open dialog box", form);

    // Screen readers name each box after its caption.
    const std::pair<QLabel*, QWidget*> buddies[] = {
        {lblRunTitle, txtRunTitle},     {lblOutputFile, txtOutputFile},
        {lblFloorArea, txtFloorArea},   {lblRoomHeight, txtRoomHeight},
        {lblFireHeight, txtFireHeight}, {lblLossFraction, txtLossFraction},
        {lblRunTime, txtRunTime},       {lblFireFile, txtFireFile},
    };
    for (const auto& [label, box] : buddies) {
        label->setBuddy(box);
        box->setAccessibleName(label->text());
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

void frmInput::LayOutControls() {
    auto* units = new QHBoxLayout(fraUnits);
    units->addWidget(optUnits[0]);
    units->addSpacing(24);
    units->addWidget(optUnits[1]);
    units->addStretch(1);

    // Three columns: the captions, the boxes, the units. The long boxes span the
    // boxes and units columns.
    auto* grid = new QGridLayout;
    grid->setHorizontalSpacing(10);
    grid->setVerticalSpacing(8);
    int row = 0;
    ui::AddRow(grid, row++, lblRunTitle, txtRunTitle, nullptr, 3);
    ui::AddRow(grid, row++, lblOutputFile, txtOutputFile, nullptr, 3);
    grid->addWidget(fraUnits, row++, 0, 1, 4);
    ui::AddRow(grid, row++, lblFloorArea, txtFloorArea, lblFloorAreaUnits);
    ui::AddRow(grid, row++, lblRoomHeight, txtRoomHeight, lblRoomHeightUnits);
    ui::AddRow(grid, row++, lblFireHeight, txtFireHeight, lblFireHeightUnits);
    ui::AddRow(grid, row++, lblLossFraction, txtLossFraction);
    ui::AddRow(grid, row++, lblRunTime, txtRunTime, lblRunTimeUnits);
    ui::AddRow(grid, row++, lblFireFile, txtFireFile, nullptr, 3);
    grid->setColumnStretch(3, 1);
    // Room for a whole title of 60 characters, and for a usual path.
    txtRunTitle->setMinimumWidth(QFontMetrics(txtRunTitle->font()).averageCharWidth() * 60);

    auto* layout = new QVBoxLayout(centralWidget());
    layout->setContentsMargins(12, 0, 12, 12);
    layout->addWidget(linBelowMenu);
    layout->addSpacing(6);
    layout->addLayout(grid);
    layout->addStretch(1);
}

void frmInput::SetTabOrder() {
    ui::SetTabOrder({txtRunTitle, txtOutputFile, optUnits[0], optUnits[1], txtFloorArea,
                     txtRoomHeight, txtFireHeight, txtLossFraction, txtRunTime, txtFireFile});
    txtRunTitle->setFocus();
}

void frmInput::ConnectEvents() {
    connect(mnuFileNew, &QAction::triggered, this, &frmInput::mnuFileNew_Click);
    connect(mnuFileOpen, &QAction::triggered, this, &frmInput::mnuFileOpen_Click);
    connect(mnuFileExit, &QAction::triggered, this, &frmInput::mnuFileExit_Click);
    connect(mnuRun, &QAction::triggered, this, &frmInput::mnuRun_Click);
    connect(unitsGroup_, &QButtonGroup::idToggled, this, [this](int, bool checked) {
        if (checked) {
            optUnits_Click();
        }
    });
    connect(txtFireFile, &ui::FileNameBox::Clicked, this, &frmInput::txtFireFile_Click);
    connect(txtFireFile, &ui::FileNameBox::GotFocus, this, &frmInput::txtFireFile_GotFocus);
    connect(txtOutputFile, &ui::FileNameBox::Clicked, this, &frmInput::txtOutputFile_Click);
    connect(txtOutputFile, &ui::FileNameBox::GotFocus, this, &frmInput::txtOutputFile_GotFocus);
    // Sees the dimension boxes losing the focus.
    for (QLineEdit* box : {txtFloorArea, txtRoomHeight, txtFireHeight}) {
        box->installEventFilter(this);
    }
    // Only what the user types replaces a value kept over a unit change.
    const std::pair<QLineEdit*, InputBox> dimensions[] = {{txtFloorArea, InputBox::txtFloorArea},
                                                          {txtRoomHeight, InputBox::txtRoomHeight},
                                                          {txtFireHeight, InputBox::txtFireHeight}};
    for (const auto& [edit, box] : dimensions) {
        connect(edit, &QLineEdit::textEdited, this, [this, box] { kept_.Forget(box); });
    }
}

void frmInput::Dimension_LostFocus(InputBox box) {
    const InputBoxes texts = Boxes();
    if (!kept_.Of(box, texts.Text(box))) {
        LeaveInputBox(box, texts, calc_.Units, calc_.Inputs);
    }
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

InputBoxes frmInput::Boxes() const {
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

void frmInput::ShowBoxes(const InputBoxes& texts) {
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
    auto texts = Boxes();
    ChangeUnits(system, calc_.Units, texts, kept_);
    ShowBoxes(texts);
    ShowUnitLabels();
}

bool frmInput::OpenResults(const std::string& path) {
    return OpenResultsOf<InputBoxes, frmOutput>(path, calc_);
}

void frmInput::mnuFileNew_Click() {
    calc_.OpenedReport.clear();
    ForgetDevicesAndTenability();
    SelectSIUnits();
    kept_.Clear(); // after the switch to S.I. units, which keeps what it converts
    auto texts = Boxes();
    NewInputs(texts, calc_.Units, calc_.Inputs);
    ShowBoxes(texts);
    ShowUnitLabels();
    txtRunTitle->setFocus();
}

void frmInput::mnuFileOpen_Click() {
    ChooseDataFileToOpen();
    txtRunTitle->setFocus();
    txtRunTitle->selectAll();
}

void frmInput::ChooseDataFileToOpen() {
    const auto path = services_.ChooseFile(ui::OpenDialog(
        "Specify Data File", kOpenReportFilter, services_.DataDirectory(), TextOf(txtOutputFile)));
    if (!path) {
        return;
    }
    OpenFile(*path);
}

bool frmInput::OpenFile(const std::string& path) {
    const InputBoxes shownBefore = Boxes();
    const UnitTables unitsBefore = calc_.Units;
    const RunInputs inputsBefore = calc_.Inputs;
    const KeptDimensions keptBefore = kept_;
    const bool wasUS = optUnits[1]->isChecked();
    SelectSIUnits();
    auto texts = Boxes();
    const auto problem = ReadSavedReport(path, texts, calc_.Units, calc_.Inputs);
    // A file not of this program leaves the form as it was; one that cannot be
    // read leaves no output file name behind.
    const bool wrongFormat = problem && problem->kind == FileProblem::Kind::WrongFormat;
    if (wrongFormat) {
        {
            const QSignalBlocker blockSI(optUnits[0]);
            const QSignalBlocker blockUS(optUnits[1]);
            optUnits[wasUS ? 1 : 0]->setChecked(true);
        }
        calc_.Units = unitsBefore;
        calc_.Inputs = inputsBefore;
        kept_ = keptBefore;
        texts = shownBefore;
    } else if (problem) {
        texts.txtOutputFile.clear();
    } else {
        kept_.Clear();
        calc_.OpenedReport = path;
        TakeReportSettings(path, calc_.Inputs.RoomHeight);
    }
    ShowBoxes(texts);
    ShowUnitLabels();
    if (problem) {
        // A short file is the program's "Wrong file format."; one that cannot be
        // read is named with the system's reason.
        ShowFileMessage(DescribeFileProblem(*problem),
                        wrongFormat ? traits_.WrongFormatIcon : ui::MessageIcon::Critical);
    }
    return !problem;
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
    delete OpenReport();
    EndProgram();
}

void frmInput::txtFireFile_Click() {
    ChooseFireFile();
    txtRunTitle->setFocus();
    txtRunTitle->selectAll(); // typing replaces the title, as after Tab
}

void frmInput::txtFireFile_GotFocus() {
    ChooseFireFile();
    txtRunTitle->setFocus();
    txtRunTitle->selectAll(); // typing replaces the title, as after Tab
}

void frmInput::txtOutputFile_Click() {
    ChooseDataFileToSave();
    txtFloorArea->setFocus();
    txtFloorArea->selectAll(); // typing replaces the area, as after Tab
}

void frmInput::txtOutputFile_GotFocus() {
    ChooseDataFileToSave();
    txtFloorArea->setFocus();
    txtFloorArea->selectAll(); // typing replaces the area, as after Tab
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
        ui::kSaveDialogTitle, kDataFilter, services_.DataDirectory(), TextOf(txtOutputFile)));
    if (path) {
        txtOutputFile->setText(QString::fromStdString(*path));
    }
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

void frmInput::mnuRun_Click() {
    if (!RunMayOpenReport()) {
        return; // a run is on screen already
    }
    txtRunTitle->setFocus();
    if (!ui::AcceptTypedNumbers(
            services_, *this,
            {{txtFloorArea}, {txtRoomHeight}, {txtFireHeight}, {txtLossFraction}, {txtRunTime}},
            kInputErrorTitle)) {
        return;
    }
    calc_.Inputs = ReadKeptInputBoxes(Boxes(), calc_.Units, kept_);
    if (const auto rejected = CheckRunInputs(calc_.Inputs)) {
        // The wrong value is selected, so typing replaces it.
        ui::ShowRejectedInput(services_, *rejected, *this);
        return;
    }
    if (!DevicesAndTenabilityFitRoom(calc_.Inputs.RoomHeight, calc_.Units.System)) {
        return;
    }
    // The model options live in their dialog, not in the boxes.
    calc_.Inputs.FirePlace = modelOptions_.Position;
    calc_.Inputs.Plume = modelOptions_.Plume;
    if (!ModelOptionsUsable({ModelKind::Smoke, calc_.Inputs.FirePlace, calc_.Inputs.Plume, false,
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
    auto model =
        std::make_unique<SmokeExplore>(boxes, calc_.Units, std::move(fire), std::move(fireProblem),
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

} // namespace vorla::smoke
