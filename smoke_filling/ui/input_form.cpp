#include "smoke_filling/ui/input_form.h"

#include "common/ui/file_name_box.h"
#include "common/ui/file_run_menus.h"
#include "common/ui/form_builders.h"
#include "common/ui/one_line_validator.h"
#include "smoke_filling/model/input_checks.h"
#include "smoke_filling/model/input_entry.h"
#include "smoke_filling/model/saved_report_reader.h"
#include "smoke_filling/model/saved_run.h"
#include "smoke_filling/ui/explore_model.h"
#include "smoke_filling/ui/output_form.h"
#include "smoke_filling/ui/report_file_filter.h"

#include <QButtonGroup>
#include <QFontMetrics>
#include <QFrame>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QVBoxLayout>

template class vorla::ui::ZoneInputFormOf<vorla::smoke::InputFormModel>;

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

} // namespace

frmInput::frmInput(Calculations& calc, ui::PlatformServices& services,
                   std::function<void()> endProgram, QWidget* parent)
    : ui::ZoneInputFormOf<InputFormModel>(calc, services,
                                          {.ProgramTitle = kProgramName,
                                           .OpenReportFilter = kOpenReportFilter,
                                           .SaveReportFilter = kDataFilter,
                                           .FireFileFilter = kFireFilter,
                                           .RunRefusedWhileReportOpen = true,
                                           .WrongFormatIcon = ui::MessageIcon::Exclamation},
                                          std::move(endProgram), parent) {
    setObjectName("frmInput");
    setWindowTitle("SKEVA-XW: Input Data");
    BuildControls();
    BuildZoneMenus();
    LayOutControls();
    SetTabOrder();
    ConnectZoneBoxes();
}

frmInput::~frmInput() = default;

void frmInput::BuildControls() {
    auto* form = new QWidget(this);
    form->setObjectName("frmInputControls");
    setCentralWidget(form);

    linBelowMenu = ui::LineBelowMenu(form);

    lblRunTitle = MakeCaption(InputBox::txtRunTitle, form);
    txtRunTitle = ui::MakeTextBox("txtRunTitle", "Short description to identify this run", form);
    txtRunTitle->setValidator(new ui::OneLineValidator(txtRunTitle));

    lblOutputFile = MakeCaption(InputBox::txtOutputFile, form);
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

    lblFloorArea = MakeCaption(InputBox::txtFloorArea, form);
    txtFloorArea =
        ui::MakeNumberBox("txtFloorArea", "Must not exceed 1000 m² or 10000 ft²", form, kNumberBox);
    lblFloorAreaUnits = ui::MakeUnitLabel("lblFloorAreaUnits", "m²", form, kWidestUnit);

    lblRoomHeight = MakeCaption(InputBox::txtRoomHeight, form);
    txtRoomHeight =
        ui::MakeNumberBox("txtRoomHeight", "Must not exceed 30 m or 100 ft", form, kNumberBox);
    lblRoomHeightUnits = ui::MakeUnitLabel("lblRoomHeightUnits", "m", form, kWidestUnit);

    lblFireHeight = MakeCaption(InputBox::txtFireHeight, form, "Must be between floor and ceiling");
    txtFireHeight =
        ui::MakeNumberBox("txtFireHeight", "Can not exceed ceiling height", form, kNumberBox);
    lblFireHeightUnits = ui::MakeUnitLabel("lblFireHeightUnits", "m", form, kWidestUnit);

    lblLossFraction = MakeCaption(InputBox::txtLossFraction, form);
    txtLossFraction =
        ui::MakeNumberBox("txtLossFraction", "Must be between 0 and 1", form, kNumberBox, "0.6");

    lblRunTime = MakeCaption(InputBox::txtRunTime, form, "Must not exceed 9000 s");
    txtRunTime = ui::MakeNumberBox("txtRunTime", "Must not exceed 9000 s", form, kNumberBox);
    lblRunTimeUnits = ui::MakeUnitLabel("lblRunTimeUnits", "s", form, kWidestUnit);

    lblFireFile = MakeCaption(InputBox::txtFireFile, form);
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

} // namespace vorla::smoke
