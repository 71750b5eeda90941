// The controls of frmInput and their layout: captions, tool tips, defaults,
// the menus and the tab order, which follows the form from top to bottom.
#include "common/ui/file_run_menus.h"
#include "compartment/ui/input_form.h"

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

namespace vorla::compartment {
namespace {

QLabel* Label(const char* name, const QString& caption, QWidget* parent,
              const QString& toolTip = {}) {
    auto* label = new QLabel(caption, parent);
    label->setObjectName(name);
    if (!toolTip.isEmpty()) {
        label->setToolTip(toolTip);
    }
    return label;
}

QLineEdit* TextBox(const char* name, const QString& toolTip, QWidget* parent,
                   const QString& text = {}) {
    auto* box = new QLineEdit(text, parent);
    box->setObjectName(name);
    box->setToolTip(toolTip);
    return box;
}

ui::FileNameBox* FileBox(const char* name, const QString& toolTip, QWidget* parent) {
    auto* box = new ui::FileNameBox(parent);
    box->setObjectName(name);
    box->setToolTip(toolTip);
    return box;
}

// A number box is wide enough for "######.00#" and a little more, and no wider
// than it needs to be however the frame stretches.
void SizeAsNumberBox(QLineEdit* box) {
    const int width = box->fontMetrics().horizontalAdvance(QStringLiteral("00000000.000")) + 16;
    box->setMinimumWidth(width);
    box->setMaximumWidth(width * 2);
}

// One row of a frame: caption, box and (when there is one) unit label.
void AddRow(QGridLayout* grid, QLabel* caption, QLineEdit* box, QLabel* units = nullptr) {
    const int row = grid->rowCount();
    caption->setBuddy(box);
    grid->addWidget(caption, row, 0);
    grid->addWidget(box, row, 1);
    if (units) {
        grid->addWidget(units, row, 2);
    }
}

QGroupBox* Frame(const char* name, const QString& caption, QWidget* parent) {
    auto* frame = new QGroupBox(caption, parent);
    frame->setObjectName(name);
    return frame;
}

QGridLayout* FrameGrid(QGroupBox* frame) {
    auto* grid = new QGridLayout(frame);
    grid->setColumnStretch(1, 1);
    grid->setColumnMinimumWidth(2, frame->fontMetrics().horizontalAdvance(QStringLiteral("ft²")));
    return grid;
}

} // namespace

void frmInput::BuildControls() {
    auto* form = new QWidget(this);
    form->setObjectName("frmInputClientArea");
    setCentralWidget(form);

    linBelowMenu = ui::LineBelowMenu(form);

    const QString fractionTip = "Must be between 0 and 1";
    const QString heightTip = "Must not exceed 30 m or 100 ft";

    // Run title and output file, at the top.
    txtRunTitle = TextBox("txtRunTitle", "Short description to identify this run", form);
    txtOutputFile = FileBox("txtOutputFile",
                            "Name of file where the results of this run will be stored - Click "
                            "Mouse to open dialog box",
                            form);
    auto* lblRunTitle = Label("lblRunTitle", "Run Title", form);
    auto* lblOutputFile = Label("lblOutputFile", "Output Data File", form);
    lblRunTitle->setBuddy(txtRunTitle);
    lblOutputFile->setBuddy(txtOutputFile);
    auto* top = new QFormLayout;
    top->setFieldGrowthPolicy(QFormLayout::AllNonFixedFieldsGrow);
    top->addRow(lblRunTitle, txtRunTitle);
    top->addRow(lblOutputFile, txtOutputFile);

    // Room properties, with the estimator of the heat loss fraction.
    fraRoomProperties = Frame("fraRoomProperties", "Room Properties", form);
    txtFloorArea = TextBox("txtFloorArea", "Must not exceed 1000 m² or 10000 ft²", form);
    txtRoomHeight = TextBox("txtRoomHeight", heightTip, form);
    txtTotalLossFraction = TextBox("txtTotalLossFraction", fractionTip, form, "0.6");
    lblFloorAreaUnits = Label("lblFloorAreaUnits", "m²", form);
    lblRoomHeightUnits = Label("lblRoomHeightUnits", "m", form);
    cmdEstimateLc = new QPushButton("Let Program Estimate Heat Loss Fraction", form);
    cmdEstimateLc->setObjectName("cmdEstimateLc");
    cmdEstimateLc->setToolTip("Specify all properties and dimensions before pressing this button");
    cmdEstimateLc->setAutoDefault(true); // Enter presses it when it has the focus
    {
        auto* grid = FrameGrid(fraRoomProperties);
        AddRow(grid, Label("lblFloorArea", "Floor Area", form), txtFloorArea, lblFloorAreaUnits);
        AddRow(grid, Label("lblRoomHeight", "Ceiling Height", form), txtRoomHeight,
               lblRoomHeightUnits);
        AddRow(grid, Label("lblTotalLossFraction", "Heat Loss Fraction", form),
               txtTotalLossFraction);
        grid->addWidget(cmdEstimateLc, grid->rowCount(), 0, 1, 3);
        grid->setRowStretch(grid->rowCount(), 1);
    }

    // Vent dimensions.
    fraVentDimensions = Frame("fraVentDimensions", "Vent Dimensions", form);
    txtVentWidth = TextBox("txtVentWidth", heightTip, form);
    txtSillHeight = TextBox("txtSillHeight", "Must be below the soffit", form);
    txtSoffitHeight = TextBox("txtSoffitHeight", "Must be between the sill and the ceiling", form);
    lblVentWidthUnits = Label("lblVentWidthUnits", "m", form);
    lblSillHeightUnits = Label("lblSillHeightUnits", "m", form);
    lblSoffitHeightUnits = Label("lblSoffitHeightUnits", "m", form);
    {
        auto* grid = FrameGrid(fraVentDimensions);
        AddRow(grid, Label("lblVentWidth", "Width", form), txtVentWidth, lblVentWidthUnits);
        AddRow(grid,
               Label("lblSillHeight", "Sill Height", form, "Must be between floor and ceiling"),
               txtSillHeight, lblSillHeightUnits);
        AddRow(grid,
               Label("lblSoffitHeight", "Soffit Height", form,
                     "Must be between sill height and ceiling"),
               txtSoffitHeight, lblSoffitHeightUnits);
        grid->setRowStretch(grid->rowCount(), 1);
    }

    // Fire properties.
    fraHeatLossFractions = Frame("fraHeatLossFractions", "Fire Properties", form);
    txtFireHeight = TextBox("txtFireHeight", "Must not exceed the ceiling height", form);
    txtRadiativeLossFraction = TextBox("txtRadiativeLossFraction", fractionTip, form, "0.35");
    lblFireHeightUnits = Label("lblFireHeightUnits", "m", form);
    {
        auto* grid = FrameGrid(fraHeatLossFractions);
        AddRow(grid, Label("lblFireHeight", "Fire Base Height", form), txtFireHeight,
               lblFireHeightUnits);
        AddRow(grid, Label("lblRadiativeLossFraction", "Radiative Loss Fraction", form),
               txtRadiativeLossFraction);
        grid->setRowStretch(grid->rowCount(), 1);
    }

    // Units.
    fraUnits = Frame("fraUnits", "Units", form);
    optUnits[0] = new QRadioButton("S.I. Units", form);
    optUnits[0]->setObjectName("optUnits(0)");
    optUnits[0]->setToolTip("m, m², kg, °C, kW");
    optUnits[0]->setChecked(true);
    optUnits[1] = new QRadioButton("U.S. Engineering Units", form);
    optUnits[1]->setObjectName("optUnits(1)");
    optUnits[1]->setToolTip("ft, ft², lb, °F, Btu");
    {
        auto* column = new QVBoxLayout(fraUnits);
        column->addWidget(optUnits[0]);
        column->addWidget(optUnits[1]);
        column->addStretch(1);
    }

    for (auto* box : {txtFloorArea, txtRoomHeight, txtTotalLossFraction, txtVentWidth,
                      txtSillHeight, txtSoffitHeight, txtFireHeight, txtRadiativeLossFraction}) {
        SizeAsNumberBox(box);
    }

    auto* frames = new QGridLayout;
    frames->addWidget(fraRoomProperties, 0, 0);
    frames->addWidget(fraVentDimensions, 0, 1);
    frames->addWidget(fraHeatLossFractions, 1, 0);
    frames->addWidget(fraUnits, 1, 1);
    frames->setColumnStretch(0, 1);
    frames->setColumnStretch(1, 1);

    // Run time and fire file, at the bottom.
    txtRunTime = TextBox("txtRunTime", "Must not exceed 9000 s", form);
    SizeAsNumberBox(txtRunTime);
    lblRunTimeUnits = Label("lblRunTimeUnits", "s", form);
    txtFireFile = FileBox("txtFireFile",
                          "Heat release rate data file name for this run - Click mouse to open "
                          "dialog box",
                          form);
    auto* lblRunTime = Label("lblRunTime", "Maximum Run Time", form, "Must not exceed 9000 s");
    auto* lblFireFile = Label("lblFireFile", "Input Fire File", form);
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
}

} // namespace vorla::compartment
