#include "fire_generator/ui/input_form.h"

#include "common/ui/file_drop.h"
#include "common/ui/file_name_box.h"
#include "common/ui/form_builders.h"
#include "common/ui/platform_services.h"
#include "common/ui/rejected_input_message.h"
#include "common/ui/typed_number_boxes.h"
#include "fire_generator/curves/opened_fire.h"
#include "fire_generator/ui/custom_form.h"
#include "fire_generator/ui/furniture_form.h"
#include "fire_generator/ui/graph_form.h"
#include "fire_generator/ui/pool_form.h"
#include "fire_generator/ui/qt_text.h"
#include "fire_generator/ui/tsquared_form.h"
#include "fire_generator/ui/universal_form.h"

#include <QAction>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QFocusEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeySequence>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>
#include <QShortcut>
#include <QVBoxLayout>
#include <tuple>
#include <utility>

namespace vorla::generator {
namespace {

using vorla::ui::MessageButton;
using vorla::ui::MessageButtons;
using vorla::ui::MessageIcon;

// A focus change the user or the program made, as opposed to the window being
// activated again (a dialog closed, the user came back from another program) or
// a popup closing: only the former leave a box.
bool MovedByUserOrProgram(Qt::FocusReason reason) {
    return reason == Qt::TabFocusReason || reason == Qt::BacktabFocusReason ||
           reason == Qt::MouseFocusReason || reason == Qt::ShortcutFocusReason ||
           reason == Qt::OtherFocusReason;
}

constexpr const char* kOpenFireFilter = "QDOT-XW Files (*.fir)|*.fir|All files (*)|*";

// A box for a number: wide enough for its digits, not stretched with the form.
const vorla::ui::NumberBoxWidth kNumberBox{.AtMost = QString(14, u'0')};

} // namespace

frmInput::frmInput(DesignFireState& module, vorla::ui::PlatformServices& services,
                   std::function<void()> endProgram)
    : module_(module), services_(services), endProgram_(std::move(endProgram)) {
    setObjectName("frmInput");
    setWindowTitle("QDOT-XW: Input Data");
    if (!endProgram_) {
        endProgram_ = [] { QCoreApplication::quit(); };
    }

    // What the form starts with: S.I. units, 12000 kJ/kg, the graph window hidden.
    module_.Units = UnitTablesFor(UnitSystem::SI);
    module_.HeatOfCombustion = 12000;
    graph_ = std::make_unique<frmGraph>(module_, services_);
    connect(graph_.get(), &frmGraph::Left, this, &frmInput::ShowAgain);
    connect(graph_.get(), &frmGraph::FileNameChanged, this,
            [this](const QString& path) { txtFireFile->setText(path); });
    connect(graph_.get(), &frmGraph::FileSaved, this, [this](const QString& path) {
        if (WhenFileSaved) {
            WhenFileSaved(path.toStdString());
        }
    });

    auto* fields = new QGridLayout;
    fields->setColumnStretch(1, 1);
    fields->setHorizontalSpacing(10);

    auto* lblDescription = vorla::ui::MakeLabel("lblDescription", "Description", this);
    txtDescription =
        vorla::ui::MakeTextBox("txtDescription", "Brief sentence to describe the fire", this);
    lblDescription->setBuddy(txtDescription);
    fields->addWidget(lblDescription, 0, 0);
    fields->addWidget(txtDescription, 0, 1, 1, 2);

    auto* lblFireFile = vorla::ui::MakeLabel("lblFireFile", "Fire File Name", this);
    txtFireFile = vorla::ui::MakeFileBox("txtFireFile",
                                         "Name of file where the results of this run will be "
                                         "stored - Click Mouse to open dialog box",
                                         this);
    txtFireFile->setMinimumWidth(txtFireFile->fontMetrics().horizontalAdvance(QString(56, u'x')));
    lblFireFile->setBuddy(txtFireFile);
    fields->addWidget(lblFireFile, 1, 0);
    fields->addWidget(txtFireFile, 1, 1, 1, 2);

    fraUnits = vorla::ui::MakeFrame("fraUnits", "Units", this);
    optUnits[0] = vorla::ui::MakeOption("optUnits(0)", "S.I. Units", fraUnits, "m, m², kg, °C, kW");
    optUnits[1] = vorla::ui::MakeOption("optUnits(1)", "U.S. Engineering Units", fraUnits,
                                        "ft, ft², lb, °F, Btu");
    auto* unitRow = new QHBoxLayout(fraUnits);
    for (auto* option : optUnits) {
        unitRow->addWidget(option);
    }
    unitRow->addStretch(1);
    optUnits[0]->setChecked(true);
    fields->addWidget(fraUnits, 2, 0, 1, 3);

    const auto numberRow = [&](int row, const QString& name, const QString& caption,
                               const QString& text, const QString& toolTip, const QString& units) {
        auto* label = vorla::ui::MakeLabel("lbl" + name, caption, this);
        auto* box = vorla::ui::MakeNumberBox("txt" + name, toolTip, this, kNumberBox, text);
        label->setBuddy(box);
        auto* unitLabel = vorla::ui::MakeUnitLabel("lbl" + name + "Units", units, this);
        auto* boxAndUnits = new QHBoxLayout;
        boxAndUnits->addWidget(box);
        boxAndUnits->addSpacing(4);
        boxAndUnits->addWidget(unitLabel);
        boxAndUnits->addStretch(1);
        fields->addWidget(label, row, 0);
        fields->addLayout(boxAndUnits, row, 1, 1, 2);
        return std::pair{box, unitLabel};
    };
    std::tie(txtHoC, lblHoCUnits) = numberRow(
        3, "HoC", "Heat Of Combustion", QString::fromStdString(HeatOfCombustionText(module_)),
        "Must not exceed 120,000 kJ/kg or 51,500 Btu/lb", "kJ/kg");
    txtDelayTime = numberRow(4, "DelayTime", "Delay Time", "0", {}, "s").first;

    cmdTSquared = vorla::ui::MakeButton("cmdTSquared", "T-&Squared Fire", this);
    cmdSemiUniversal = vorla::ui::MakeButton("cmdSemiUniversal", "Semi-&Universal", this);
    cmdPool = vorla::ui::MakeButton("cmdPool", "&Pool Fire", this);
    // R, not F: Alt+F opens the File menu.
    cmdFurniture = vorla::ui::MakeButton("cmdFurniture", "Fu&rniture Fire", this);
    cmdCustom = vorla::ui::MakeButton("cmdCustom", "&Custom Fire", this);
    cmdExit = vorla::ui::MakeButton("cmdExit", "&Exit", this);

    const std::array<QPushButton*, 5> curveButtons = {cmdTSquared, cmdSemiUniversal, cmdPool,
                                                      cmdFurniture, cmdCustom};
    auto* curves = new QGridLayout;
    for (int kind = 0; kind < 5; ++kind) {
        curves->addWidget(curveButtons[kind], 0, kind);
        curves->setColumnStretch(kind, 1);
        connect(curveButtons[kind], &QPushButton::clicked, this,
                [this, kind] { OpenCurveForm(static_cast<CurveKind>(kind)); });
    }
    auto* exitRow = new QHBoxLayout;
    exitRow->addStretch(1);
    exitRow->addWidget(cmdExit);

    auto* layout = new QVBoxLayout(this);
    // "File" carries no access key of its own, as in the models' input forms:
    // F10 or Alt+F opens it, and its items (Recent Files too) answer to their
    // letters.
    mnuBar = new QMenuBar(this);
    mnuBar->setObjectName("mnuBar");
    mnuFile = mnuBar->addMenu("File");
    mnuFile->setObjectName("mnuFile");
    mnuFileOpenFire = mnuFile->addAction("&Open Fire File…");
    mnuFileOpenFire->setObjectName("mnuFileOpenFire");
    mnuFileOpenFire->setShortcut(QKeySequence::Open);
    mnuFileOpenFire->setToolTip(
        "Open an existing fire file to see and edit its curve (" +
        QKeySequence(QKeySequence::Open).toString(QKeySequence::NativeText) + ")");
    addAction(mnuFileOpenFire); // Ctrl+O works with the menu closed
    for (const auto& keys : {QKeySequence(Qt::Key_F10), QKeySequence(Qt::ALT | Qt::Key_F)}) {
        auto* shortcut = new QShortcut(keys, this);
        connect(shortcut, &QShortcut::activated, mnuBar,
                [this] { mnuBar->setActiveAction(mnuFile->menuAction()); });
    }
    layout->setMenuBar(mnuBar);
    layout->addLayout(fields);
    layout->addSpacing(12);
    layout->addLayout(curves);
    layout->addStretch(1);
    layout->addSpacing(6);
    layout->addLayout(exitRow);

    vorla::ui::SetTabOrder({txtDescription, txtFireFile, optUnits[0], optUnits[1], txtHoC,
                            txtDelayTime, cmdTSquared, cmdSemiUniversal, cmdPool, cmdFurniture,
                            cmdCustom, cmdExit});
    txtDescription->setFocus(Qt::OtherFocusReason);

    connect(optUnits[1], &QRadioButton::toggled, this, [this] { optUnits_Click(); });
    connect(cmdExit, &QPushButton::clicked, this, &frmInput::cmdExit_Click);
    connect(txtFireFile, &vorla::ui::FileNameBox::Clicked, this, &frmInput::txtFireFile_Click);
    connect(txtFireFile, &vorla::ui::FileNameBox::GotFocus, this, &frmInput::txtFireFile_GotFocus);
    txtHoC->installEventFilter(this);
    connect(mnuFileOpenFire, &QAction::triggered, this, &frmInput::mnuFileOpenFire_Click);
    new vorla::ui::FileDropTarget(*this, [this](const std::string& path) { OpenFile(path); });
}

frmInput::~frmInput() {
    delete openForm_.data();
}

bool frmInput::eventFilter(QObject* watched, QEvent* event) {
    if (watched == txtHoC && event->type() == QEvent::FocusOut &&
        MovedByUserOrProgram(static_cast<QFocusEvent*>(event)->reason())) {
        txtHoC_LostFocus();
    }
    return QWidget::eventFilter(watched, event);
}

void frmInput::optUnits_Click() {
    const auto texts =
        ChooseUnits(module_, optUnits[1]->isChecked() ? UnitSystem::US : UnitSystem::SI);
    txtHoC->setText(QString::fromStdString(texts.HeatOfCombustion));
    lblHoCUnits->setText(QString::fromStdString(texts.HeatOfCombustionUnits));
}

void frmInput::txtHoC_LostFocus() {
    StoreHeatOfCombustion(module_, txtHoC->text().toStdString());
}

void frmInput::txtFireFile_Click() {
    ChooseFireFileAndMoveOn();
}

void frmInput::txtFireFile_GotFocus() {
    ChooseFireFileAndMoveOn();
}

void frmInput::ChooseFireFileAndMoveOn() {
    ChooseFireFile();
    // The focus leaves the box at once: when the window is activated again it
    // comes back to the heat of combustion, never to the file name, with its
    // text selected so typing a value replaces the one shown.
    txtHoC->setFocus(Qt::OtherFocusReason);
    txtHoC->selectAll();
}

void frmInput::ChooseFireFile() {
    const auto path = services_.ChooseFile(
        vorla::ui::SaveAsDialog("Specify Fire File", "QDOT-XW Files (*.fir)|*.fir",
                                services_.DataDirectory(), txtFireFile->text().toStdString()));
    if (path) {
        txtFireFile->setText(QString::fromStdString(*path));
        graph_->FileNameConfirmed(*path);
    }
}

bool frmInput::AskToGoOn(const MainFormQuestion& question) {
    const auto answer =
        services_.ShowMessage({std::string(question.Text), std::string(question.Title),
                               MessageIcon::Exclamation, MessageButtons::YesNo});
    return (answer == MessageButton::Yes) == question.ContinueOnYes;
}

void frmInput::LeaveOpenedValuesBehind(CurveKind kind) {
    if (!openedValuesShown_ || (kind == CurveKind::Custom && module_.CustomStartsFromCurve)) {
        return;
    }
    if (txtDescription->text() == openedDescription_) {
        txtDescription->clear();
    }
    if (txtDelayTime->text() == openedDelay_) {
        txtDelayTime->setText("0");
    }
    openedValuesShown_ = false;
}

void frmInput::OpenCurveForm(CurveKind kind) {
    LeaveOpenedValuesBehind(kind);
    if (!vorla::ui::AcceptTypedNumbers(services_, *this, {{txtHoC}, {txtDelayTime}},
                                       kInputDataErrorTitle)) {
        return;
    }
    const auto description = txtDescription->text().toStdString();
    const auto fireFile = txtFireFile->text().toStdString();
    const auto heatOfCombustion = txtHoC->text().toStdString();
    const auto delay = txtDelayTime->text().toStdString();
    const MainFormEntries entries{description, fireFile, heatOfCombustion, delay};

    // At most the two questions are asked before the checks pass or stop.
    MainFormAnswers answers;
    bool checked = false;
    for (int step = 0; step < 3 && !checked; ++step) {
        const auto outcome = CheckCurveCommand(module_, entries, answers);
        if (const auto* question = std::get_if<MainFormQuestion>(&outcome)) {
            if (!AskToGoOn(*question)) {
                if (auto* box = findChild<QWidget*>(Text(question->FocusWhenStopped))) {
                    box->setFocus(Qt::OtherFocusReason);
                }
                return;
            }
            if (question->About == MainFormQuestion::Subject::Description) {
                answers.KeepEmptyDescription = true;
            } else {
                answers.DelayTimeIsZero = true;
            }
            continue;
        }
        if (const auto* rejected = std::get_if<RejectedInput>(&outcome)) {
            vorla::ui::ShowRejectedInput(services_, *rejected, *this);
            return;
        }
        checked = true;
    }
    if (!checked) {
        return;
    }

    CurveForm* form = nullptr;
    switch (kind) {
    case CurveKind::TSquared:
        form = new frmTSquared(module_, services_);
        break;
    case CurveKind::SemiUniversal:
        form = new frmUniversal(module_, services_);
        break;
    case CurveKind::Pool:
        form = new frmPool(module_, services_);
        break;
    case CurveKind::Furniture:
        form = new frmFurniture(module_, services_);
        break;
    default:
        form = new frmCustom(module_, services_);
        break;
    }
    connect(form, &CurveForm::CurveBuilt, this, &frmInput::ShowGraph);
    connect(form, &CurveForm::Cancelled, this, &frmInput::ShowAgain);
    openForm_ = form;
    // The curve form is on screen before this one goes, so the program never
    // has a moment without a window.
    form->show();
    hide();
    form->raise();
    form->activateWindow();
    form->Form_Activate();
}

void frmInput::mnuFileOpenFire_Click() {
    const auto path = services_.ChooseFile(
        vorla::ui::OpenDialog("Open Fire File", kOpenFireFilter, services_.DataDirectory(),
                              txtFireFile->text().toStdString()));
    if (path) {
        OpenFile(*path);
    }
}

bool frmInput::OpenFile(const std::string& path) {
    auto read = ReadFireFileForEditing(path);
    if (const auto* error = std::get_if<FireFileError>(&read)) {
        services_.ShowMessage(
            {DescribeFireFileError(*error), "QDOT-XW", MessageIcon::Critical, MessageButtons::Ok});
        return false;
    }
    if (const auto* tooMany = std::get_if<TooManyFirePoints>(&read)) {
        services_.ShowMessage({DescribeTooManyFirePoints(*tooMany), "QDOT-XW",
                               MessageIcon::Critical, MessageButtons::Ok});
        return false;
    }
    const auto& fire = std::get<OpenedFire>(read);
    const float heatOfCombustionBefore = module_.HeatOfCombustion;
    UseOpenedFire(fire, module_);
    // The value the file was written with, in a text the curve command reads
    // back as that very value.
    if (module_.HeatOfCombustion != heatOfCombustionBefore) {
        txtHoC->setText(QString::fromStdString(
            HeatOfCombustionBoxText(module_.HeatOfCombustion, module_.Units)));
    }
    // Saving again goes to the same file unless the user names another.
    txtFireFile->setText(QString::fromStdString(fire.Path));
    txtDescription->setText(QString::fromStdString(fire.Description));
    txtDelayTime->setText(QString::number(module_.DelayTime));
    openedValuesShown_ = true;
    openedDescription_ = txtDescription->text();
    openedDelay_ = txtDelayTime->text();
    graph_->show();
    hide();
    graph_->raise();
    graph_->activateWindow();
    graph_->ShowOpenedFire();
    if (WhenFileOpened) {
        WhenFileOpened(path);
    }
    return true;
}

void frmInput::ShowGraph() {
    graph_->show();
    graph_->raise();
    graph_->activateWindow();
    graph_->Form_Activate();
}

void frmInput::ShowAgain() {
    show();
    raise();
    activateWindow();
    txtDescription->setFocus(Qt::OtherFocusReason);
}

void frmInput::cmdExit_Click() {
    close();
}

void frmInput::closeEvent(QCloseEvent* event) {
    // Exit and the frame's close button alike: every window goes, then the
    // program ends. The graph window is only ever hidden while this one shows.
    graph_->hide();
    if (openForm_) {
        openForm_->hide();
    }
    event->accept();
    endProgram_();
}

} // namespace vorla::generator
