#include "smoke_filling/ui/input_form.h"

#include "common/ui/file_run_menus.h"
#include "smoke_filling/ui/output_form.h"

#include <QAction>
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
#include <QValidator>

namespace vorla::smoke {
namespace {

// A run title is one line of the results file: a line break pasted into it
// would shift every header line after it and File Open would read them wrongly.
class OneLineValidator final : public QValidator {
  public:
    using QValidator::QValidator;
    State validate(QString& input, int& /*position*/) const override {
        input.replace(QStringLiteral("\r\n"), QStringLiteral(" "));
        input.replace(u'\r', u' ');
        input.replace(u'\n', u' ');
        return Acceptable;
    }
};

QLabel* MakeLabel(const QString& caption, const char* name, QWidget* parent) {
    auto* label = new QLabel(caption, parent);
    label->setObjectName(name);
    return label;
}

template <typename Box> Box* MakeBox(const char* name, const QString& toolTip, QWidget* parent) {
    auto* box = new Box(parent);
    box->setObjectName(name);
    box->setToolTip(toolTip);
    return box;
}

QLineEdit* MakeNumberBox(const char* name, const QString& toolTip, QWidget* parent) {
    auto* box = MakeBox<QLineEdit>(name, toolTip, parent);
    box->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    // Wide enough for the longest converted value, "10764.264" ft².
    box->setMinimumWidth(QFontMetrics(box->font()).horizontalAdvance(QStringLiteral("0")) * 12);
    box->setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
    return box;
}

QLabel* MakeUnitLabel(const QString& caption, const char* name, QWidget* parent) {
    auto* label = MakeLabel(caption, name, parent);
    // Room for "ft²" as well as "m²", so the form does not move on a unit change.
    label->setMinimumWidth(QFontMetrics(label->font()).horizontalAdvance(QStringLiteral("ft²  ")));
    return label;
}

} // namespace

frmInput::frmInput(Calculations& calc, ui::PlatformServices& platform,
                   std::function<void()> quitProgram, QWidget* parent)
    : QMainWindow(parent), calc_(calc), services_(platform), quitProgram_(std::move(quitProgram)) {
    setObjectName("frmInput");
    setWindowTitle("SKEVA-XW: Input Data");
    CreateControls();
    CreateMenu();
    LayOutControls();
    SetTabOrder();
    ConnectEvents();
    Form_Load();
}

frmInput::~frmInput() {
    delete report_.data();
}

frmOutput* frmInput::Report() const {
    return report_.data();
}

void frmInput::CreateControls() {
    auto* form = new QWidget(this);
    form->setObjectName("frmInputControls");
    setCentralWidget(form);

    linBelowMenu = ui::LineBelowMenu(form);

    lblRunTitle = MakeLabel("Run Title", "lblRunTitle", form);
    txtRunTitle = MakeBox<QLineEdit>("txtRunTitle", "Short description to identify this run", form);
    txtRunTitle->setValidator(new OneLineValidator(txtRunTitle));

    lblOutputFile = MakeLabel("Output Data File", "lblOutputFile", form);
    txtOutputFile = MakeBox<ui::FileNameBox>("txtOutputFile",
                                             "Name of file where the results of this run will be "
                                             "stored - Click Mouse to open dialog box",
                                             form);

    fraUnits = new QGroupBox("Units", form);
    fraUnits->setObjectName("fraUnits");
    optUnits[0] = MakeBox<QRadioButton>("optUnits(0)", "m, m², kg, °C, kW", fraUnits);
    optUnits[0]->setText("S.I. Units");
    optUnits[0]->setChecked(true);
    optUnits[1] = MakeBox<QRadioButton>("optUnits(1)", "ft, ft², lb, °F, Btu", fraUnits);
    optUnits[1]->setText("U.S. Engineering Units");
    unitsGroup_ = new QButtonGroup(this);
    unitsGroup_->addButton(optUnits[0], 0);
    unitsGroup_->addButton(optUnits[1], 1);

    lblFloorArea = MakeLabel("Room Floor Area", "lblFloorArea", form);
    txtFloorArea = MakeNumberBox("txtFloorArea", "Must not exceed 1000 m² or 10000 ft²", form);
    lblFloorAreaUnits = MakeUnitLabel("m²", "lblFloorAreaUnits", form);

    lblRoomHeight = MakeLabel("Room Ceiling Height", "lblRoomHeight", form);
    txtRoomHeight = MakeNumberBox("txtRoomHeight", "Must not exceed 30 m or 100 ft", form);
    lblRoomHeightUnits = MakeUnitLabel("m", "lblRoomHeightUnits", form);

    lblFireHeight = MakeLabel("Fire Base Height", "lblFireHeight", form);
    lblFireHeight->setToolTip("Must be between floor and ceiling");
    txtFireHeight = MakeNumberBox("txtFireHeight", "Can not exceed ceiling height", form);
    lblFireHeightUnits = MakeUnitLabel("m", "lblFireHeightUnits", form);

    lblLossFraction = MakeLabel("Heat Loss Fraction", "lblLossFraction", form);
    txtLossFraction = MakeNumberBox("txtLossFraction", "Must be between 0 and 1", form);
    txtLossFraction->setText("0.6");

    lblRunTime = MakeLabel("Maximum Run Time", "lblRunTime", form);
    lblRunTime->setToolTip("Must not exceed 9000 s");
    txtRunTime = MakeNumberBox("txtRunTime", "Must not exceed 9000 s", form);
    lblRunTimeUnits = MakeUnitLabel("s", "lblRunTimeUnits", form);

    lblFireFile = MakeLabel("Input Fire File", "lblFireFile", form);
    txtFireFile = MakeBox<ui::FileNameBox>(
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

void frmInput::CreateMenu() {
    const ui::FileRunMenus menus = ui::BuildFileRunMenus(*this);
    mnuFile = menus.mnuFile;
    mnuFileNew = menus.mnuFileNew;
    mnuFileOpen = menus.mnuFileOpen;
    mnuFileBar1 = menus.mnuFileBar1;
    mnuFileExit = menus.mnuFileExit;
    mnuRun = menus.mnuRun;
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
    auto addLong = [&](QLabel* label, QWidget* box) {
        grid->addWidget(label, row, 0);
        grid->addWidget(box, row, 1, 1, 3);
        ++row;
    };
    auto addNumber = [&](QLabel* label, QWidget* box, QLabel* unitLabel) {
        grid->addWidget(label, row, 0);
        grid->addWidget(box, row, 1);
        if (unitLabel) {
            grid->addWidget(unitLabel, row, 2);
        }
        ++row;
    };
    addLong(lblRunTitle, txtRunTitle);
    addLong(lblOutputFile, txtOutputFile);
    grid->addWidget(fraUnits, row, 0, 1, 4);
    ++row;
    addNumber(lblFloorArea, txtFloorArea, lblFloorAreaUnits);
    addNumber(lblRoomHeight, txtRoomHeight, lblRoomHeightUnits);
    addNumber(lblFireHeight, txtFireHeight, lblFireHeightUnits);
    addNumber(lblLossFraction, txtLossFraction, nullptr);
    addNumber(lblRunTime, txtRunTime, lblRunTimeUnits);
    addLong(lblFireFile, txtFireFile);
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
    QWidget* const order[] = {txtRunTitle,  txtOutputFile, optUnits[0],   optUnits[1],
                              txtFloorArea, txtRoomHeight, txtFireHeight, txtLossFraction,
                              txtRunTime,   txtFireFile};
    for (std::size_t i = 0; i + 1 < std::size(order); ++i) {
        setTabOrder(order[i], order[i + 1]);
    }
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
    for (QWidget* box : {static_cast<QWidget*>(txtFloorArea), static_cast<QWidget*>(txtRoomHeight),
                         static_cast<QWidget*>(txtFireHeight)}) {
        box->installEventFilter(this);
    }
}

} // namespace vorla::smoke
