#include "compartment/ui/input_form.h"

#include "common/ui/file_name_box.h"
#include "common/ui/file_run_menus.h"
#include "common/ui/form_builders.h"
#include "common/ui/message_texts.h"
#include "common/ui/one_line_validator.h"
#include "common/ui/platform_services.h"
#include "common/ui/rejected_input_message.h"
#include "common/ui/typed_number_boxes.h"
#include "compartment/model/input_checks.h"
#include "compartment/model/input_entry.h"
#include "compartment/model/loss_fraction_estimator.h"
#include "compartment/model/run_report.h"
#include "compartment/model/saved_report_reader.h"
#include "compartment/model/saved_run.h"
#include "compartment/ui/estimator_form.h"
#include "compartment/ui/explore_model.h"
#include "compartment/ui/output_form.h"
#include "compartment/ui/report_file_filter.h"

#include <QFormLayout>
#include <QFrame>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

template class vorla::ui::ZoneInputFormOf<vorla::compartment::InputFormModel>;

namespace vorla::compartment {
namespace {

constexpr const char* kProgramTitle = "VORLA-XW";
constexpr const char* kFireFileFilter = "VORLA-XW Fire Files (*.fir)|*.fir|All files (*)|*";
constexpr const char* kDataFileFilter = "VORLA-XW Data Files (*.vof)|*.vof";

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

} // namespace

frmInput::frmInput(Calculations& calc, ui::PlatformServices& services,
                   std::function<void()> endProgram, QWidget* parent)
    : ui::ZoneInputFormOf<InputFormModel>(calc, services,
                                          {.ProgramTitle = kProgramTitle,
                                           .OpenReportFilter = kOpenReportFilter,
                                           .SaveReportFilter = kDataFileFilter,
                                           .FireFileFilter = kFireFileFilter,
                                           .RunRefusedWhileReportOpen = false,
                                           .WrongFormatIcon = ui::MessageIcon::Critical},
                                          std::move(endProgram), parent) {
    setObjectName("frmInput");
    setWindowTitle("VORLA-XW: Input Data");
    BuildControls();
    BuildZoneMenus();
    connect(cmdEstimateLc, &QPushButton::clicked, this, &frmInput::cmdEstimateLc_Click);
    ConnectZoneBoxes();
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
    auto* lblRunTitle = MakeCaption(InputBox::txtRunTitle, form);
    auto* lblOutputFile = MakeCaption(InputBox::txtOutputFile, form);
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
        ui::AddRow(grid, grid->rowCount(), MakeCaption(InputBox::txtFloorArea, form), txtFloorArea,
                   lblFloorAreaUnits);
        ui::AddRow(grid, grid->rowCount(), MakeCaption(InputBox::txtRoomHeight, form),
                   txtRoomHeight, lblRoomHeightUnits);
        ui::AddRow(grid, grid->rowCount(), MakeCaption(InputBox::txtTotalLossFraction, form),
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
        ui::AddRow(grid, grid->rowCount(), MakeCaption(InputBox::txtVentWidth, form), txtVentWidth,
                   lblVentWidthUnits);
        ui::AddRow(grid, grid->rowCount(),
                   MakeCaption(InputBox::txtSillHeight, form, "Must be between floor and ceiling"),
                   txtSillHeight, lblSillHeightUnits);
        ui::AddRow(
            grid, grid->rowCount(),
            MakeCaption(InputBox::txtSoffitHeight, form, "Must be between sill height and ceiling"),
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
        ui::AddRow(grid, grid->rowCount(), MakeCaption(InputBox::txtFireHeight, form),
                   txtFireHeight, lblFireHeightUnits);
        ui::AddRow(grid, grid->rowCount(), MakeCaption(InputBox::txtRadiativeLossFraction, form),
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
    auto* lblRunTime = MakeCaption(InputBox::txtRunTime, form, "Must not exceed 9000 s");
    auto* lblFireFile = MakeCaption(InputBox::txtFireFile, form);
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

void frmInput::CloseOwnWindows() {
    if (estimator_) {
        estimator_->reject();
    }
}

void frmInput::TookOpenedReport(const std::string& path) {
    calc_.LastEstimate.reset();
    const auto estimate = LossFractionEstimateOfReport(services_, kProgramTitle, path);
    if (!estimate) {
        return;
    }
    txtTotalLossFraction->setText(QString::fromStdString(estimate->Text));
    calc_.LastEstimate = *estimate;
    ForgetEstimateWhenRetyped(calc_, *txtTotalLossFraction);
}

void InputFormModel::TellExploreOfEstimate(CompartmentExplore& explore, const Calculations& calc,
                                           double lossFraction) {
    explore.SetLossFractionEstimate(LossFractionFromEstimator(calc, lossFraction)
                                        ? calc.LastEstimate
                                        : std::nullopt);
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
    estimator_->ShowModal();
}

} // namespace vorla::compartment
