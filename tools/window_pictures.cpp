// Pictures of every window of the three programs, to compare the windows
// before and after a change to their code:
//
//   QT_QPA_PLATFORM=offscreen build/dev/bin/window_pictures /tmp/before
//   ... change, build ...
//   QT_QPA_PLATFORM=offscreen build/dev/bin/window_pictures /tmp/after
//   cmp /tmp/before/* /tmp/after/*      (or compare the folders with diff -r)
//
// Each window is filled as a user would fill it and grabbed twice: at the size
// it opens with (<program>-<window>.png) and at one fixed size
// (<program>-<window>-fixed.png). Beside each picture, a .txt lists every
// control of the window: its class, name, place, text, tool tip, buddy and
// state, and the order Tab visits the controls in, so a difference in the
// pictures can be read. The windows are reached only through their object
// names and menus, as a user reaches them, so the tool builds against any
// version of the windows' code.
#include "common/ui/fake_platform.h"
#include "compartment/model/calculations.h"
#include "compartment/ui/input_form.h"
#include "fire_generator/curves/design_fire_state.h"
#include "fire_generator/ui/input_form.h"
#include "smoke_filling/model/calculations.h"
#include "smoke_filling/ui/input_form.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTemporaryDir>
#include <QTest>
#include <QTextStream>
#include <iostream>
#include <memory>

namespace {

using vorla::ui::FakePlatform;
using vorla::ui::MessageButton;

QString folder;
// The README's pictures name the examples as a user in the source folder would
// (VORLA_EXAMPLES=examples); comparisons use the built-in absolute folder.
const QString kExamples =
    qEnvironmentVariable("VORLA_EXAMPLES", QStringLiteral(VORLA_EXAMPLES_DIR));

void Settle() {
    for (int i = 0; i < 5; ++i) {
        QCoreApplication::processEvents();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
}

QWidget* TopLevel(const QString& name) {
    for (QWidget* window : QApplication::topLevelWidgets()) {
        if (window->objectName() == name && window->isVisible()) {
            return window;
        }
    }
    return nullptr;
}

template <typename T = QWidget> T* Control(QObject* window, const QString& name) {
    T* control = window ? window->findChild<T*>(name) : nullptr;
    if (control == nullptr) {
        std::cerr << "no control " << name.toStdString() << "\n";
        std::exit(1);
    }
    return control;
}

void Type(QWidget* window, const QString& name, const QString& text) {
    Control<QLineEdit>(window, name)->setText(text);
}

// As a paste does: through the box's validator, unlike setText.
void Paste(QWidget* window, const QString& name, const QString& text) {
    auto* box = Control<QLineEdit>(window, name);
    box->clear();
    box->insert(text);
}

void Trigger(QWidget* window, const QString& action) {
    Control<QAction>(window, action)->trigger();
    Settle();
}

void Click(QWidget* window, const QString& button) {
    Control<QAbstractButton>(window, button)->click();
    Settle();
}

QString Describe(QWidget* widget) {
    QString line = QString("%1 %2 (%3,%4 %5x%6)")
                       .arg(widget->metaObject()->className(), widget->objectName())
                       .arg(widget->x())
                       .arg(widget->y())
                       .arg(widget->width())
                       .arg(widget->height());
    if (auto* label = qobject_cast<QLabel*>(widget)) {
        line += " text=\"" + label->text() + "\"";
        if (label->buddy()) {
            line += " buddy=" + label->buddy()->objectName();
        }
    } else if (auto* box = qobject_cast<QLineEdit*>(widget)) {
        line += " text=\"" + box->text() + "\"";
        line += box->alignment() & Qt::AlignRight ? " right" : "";
        line += box->validator() ? " validator" : "";
        line += QString(" min=%1 max=%2").arg(box->minimumWidth()).arg(box->maximumWidth());
    } else if (auto* button = qobject_cast<QAbstractButton*>(widget)) {
        line += " text=\"" + button->text() + "\"";
        line += button->isChecked() ? " checked" : "";
    }
    if (!widget->toolTip().isEmpty()) {
        line += " tip=\"" + widget->toolTip() + "\"";
    }
    if (!widget->accessibleName().isEmpty()) {
        line += " accessible=\"" + widget->accessibleName() + "\"";
    }
    line += widget->isEnabled() ? "" : " disabled";
    line += widget->isVisible() ? "" : " hidden";
    line += widget->hasFocus() ? " FOCUS" : "";
    return line;
}

void WriteControls(QWidget* window, const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Text)) {
        return;
    }
    QTextStream out(&file);
    out << window->windowTitle() << "\n";
    for (QWidget* widget : window->findChildren<QWidget*>()) {
        if (!widget->objectName().startsWith("qt_")) {
            out << Describe(widget) << "\n";
        }
    }
    for (QAction* action : window->findChildren<QAction*>()) {
        if (!action->objectName().isEmpty()) {
            out << "action " << action->objectName() << " \"" << action->text() << "\" "
                << action->shortcut().toString() << "\n";
        }
    }
    out << "tab:";
    QWidget* start = nullptr;
    for (QWidget* widget = window->nextInFocusChain(); widget != window && widget != start;
         widget = widget->nextInFocusChain()) {
        start = start ? start : widget;
        if ((widget->focusPolicy() & Qt::TabFocus) && widget->isVisibleTo(window) &&
            widget->isEnabled()) {
            out << " " << widget->objectName();
        }
    }
    out << "\n";
}

void Shoot(QWidget* window, const QString& name) {
    Settle();
    const QString base = QDir(folder).filePath(name);
    window->grab().save(base + ".png");
    WriteControls(window, base + ".txt");
    std::cout << name.toStdString() << " " << window->width() << "x" << window->height() << "\n";
    const QSize size = window->size();
    window->resize(900, 640);
    Settle();
    window->grab().save(base + "-fixed.png");
    window->resize(size);
    Settle();
}

void Show(QWidget* window) {
    window->show();
    window->activateWindow();
    Settle();
}

void CompartmentWindows(FakePlatform& platform) {
    auto calc = std::make_unique<vorla::compartment::Calculations>();
    auto input = std::make_unique<vorla::compartment::frmInput>(*calc, platform, [] {});
    QWidget* form = input.get();
    Show(form);
    Shoot(form, "vorla-input-empty");
    Type(form, "txtRunTitle", "Office, sofa fire");
    Type(form, "txtOutputFile", "OFFICE.VOF");
    Type(form, "txtFloorArea", "20");
    Type(form, "txtRoomHeight", "2.4");
    Type(form, "txtVentWidth", "0.9");
    Type(form, "txtSillHeight", "0");
    Type(form, "txtSoffitHeight", "2");
    Type(form, "txtFireHeight", "0");
    Type(form, "txtRunTime", "600");
    Type(form, "txtFireFile", kExamples + "/office-sofa-tsquared.fir");
    for (const char* box : {"txtFloorArea", "txtRoomHeight", "txtVentWidth", "txtSillHeight",
                            "txtSoffitHeight", "txtFireHeight", "txtRunTitle"}) {
        Control(form, box)->setFocus();
        Settle();
    }
    Shoot(form, "vorla-input");
    Click(form, "optUnits(1)");
    Shoot(form, "vorla-input-us");
    Click(form, "optUnits(0)");

    Click(form, "cmdEstimateLc");
    if (QWidget* estimator = TopLevel("frmEstimateLc")) {
        Type(estimator, "txtAspectRatio", "1.5");
        Shoot(estimator, "vorla-estimator");
        Click(estimator, "cmdCancel");
    }

    Type(form, "txtRunTime", "9001");
    Trigger(form, "mnuRun");
    Shoot(form, "vorla-input-after-rejected");
    Type(form, "txtRunTime", "600");
    Paste(form, "txtRunTitle", "Office\nsofa fire");
    Shoot(form, "vorla-input-pasted-title");
    Type(form, "txtRunTitle", "Office, sofa fire");
    Trigger(form, "mnuRun");
    QWidget* report = TopLevel("frmOutput");
    if (report == nullptr) {
        std::cerr << "VORLA-XW opened no report\n";
        return;
    }
    Shoot(report, "vorla-report");
    Click(report, "cmdGraph");
    QWidget* graph = nullptr;
    for (QWidget* window : QApplication::topLevelWidgets()) {
        if (window->isVisible() && window->windowTitle() == "VORLA-XW: Graph") {
            graph = window;
        }
    }
    if (graph != nullptr) {
        Shoot(graph, "vorla-graph");
        for (int k = 1; k < 4; ++k) {
            Click(graph, QString("optPlotVariable(%1)").arg(k));
            Shoot(graph, QString("vorla-graph-%1").arg(k));
        }
        Click(graph, "cmdClose");
    }
    platform.CancelNextDialog();
    Click(report, "cmdSave");
    Shoot(report, "vorla-report-saved");
    Click(report, "cmdClose");
    Shoot(form, "vorla-input-back");
    input.reset();
    Settle();
}

// The office run again with a door twice as wide, compared in its graph with
// the saved example report of the office as first built.
void CompartmentComparison(FakePlatform& platform) {
    auto calc = std::make_unique<vorla::compartment::Calculations>();
    auto input = std::make_unique<vorla::compartment::frmInput>(*calc, platform, [] {});
    QWidget* form = input.get();
    Show(form);
    Type(form, "txtRunTitle", "Office, door 1.8 m wide");
    Type(form, "txtOutputFile", "OFFICE-DOOR.VOF");
    Type(form, "txtFloorArea", "20");
    Type(form, "txtRoomHeight", "2.4");
    Type(form, "txtVentWidth", "1.8");
    Type(form, "txtSillHeight", "0");
    Type(form, "txtSoffitHeight", "2");
    Type(form, "txtFireHeight", "0");
    Type(form, "txtRunTime", "600");
    Type(form, "txtFireFile", kExamples + "/office-sofa-tsquared.fir");
    for (const char* box : {"txtFloorArea", "txtRoomHeight", "txtVentWidth", "txtSillHeight",
                            "txtSoffitHeight", "txtFireHeight", "txtRunTitle"}) {
        Control(form, box)->setFocus();
        Settle();
    }
    Trigger(form, "mnuRun");
    QWidget* report = TopLevel("frmOutput");
    if (report == nullptr) {
        std::cerr << "VORLA-XW opened no report for the comparison\n";
        return;
    }
    Click(report, "cmdGraph");
    if (QWidget* graph = TopLevel("frmGraph")) {
        platform.ChooseInNextDialog((kExamples + "/office-sofa-fire.vof").toStdString());
        Click(graph, "cmdCompare");
        Shoot(graph, "vorla-graph-compare");
        Click(graph, "cmdClose");
    }
    platform.AnswerNextQuestion(MessageButton::No);
    Click(report, "cmdClose");
    input.reset();
    Settle();
}

void SmokeWindows(FakePlatform& platform) {
    auto calc = std::make_unique<vorla::smoke::Calculations>();
    auto input = std::make_unique<vorla::smoke::frmInput>(*calc, platform, [] {});
    QWidget* form = input.get();
    Show(form);
    Shoot(form, "skeva-input-empty");
    Type(form, "txtRunTitle", "Shop, sofa fire");
    Type(form, "txtOutputFile", "SHOP.SOF");
    Type(form, "txtFloorArea", "100");
    Type(form, "txtRoomHeight", "4");
    Type(form, "txtFireHeight", "0");
    Type(form, "txtRunTime", "600");
    Type(form, "txtFireFile", kExamples + "/office-sofa-tsquared.fir");
    for (const char* box : {"txtFloorArea", "txtRoomHeight", "txtFireHeight", "txtRunTitle"}) {
        Control(form, box)->setFocus();
        Settle();
    }
    Shoot(form, "skeva-input");
    Click(form, "optUnits(1)");
    Shoot(form, "skeva-input-us");
    Click(form, "optUnits(0)");
    Type(form, "txtRunTime", "9001");
    Trigger(form, "mnuRun");
    Shoot(form, "skeva-input-after-rejected");
    Type(form, "txtRunTime", "600");
    Paste(form, "txtRunTitle", "Shop\nsofa fire");
    Shoot(form, "skeva-input-pasted-title");
    Type(form, "txtRunTitle", "Shop, sofa fire");
    Trigger(form, "mnuRun");
    QWidget* report = TopLevel("frmOutput");
    if (report == nullptr) {
        std::cerr << "SKEVA-XW opened no report\n";
        return;
    }
    Shoot(report, "skeva-report");
    Click(report, "cmdGraph");
    if (QWidget* graph = TopLevel("frmGraph")) {
        Shoot(graph, "skeva-graph");
        // The crosshair on the interface height, four minutes in (row 48).
        Click(graph, "optPlotVariable(1)");
        QWidget* plot = Control(graph, "picGraph");
        plot->setFocus();
        for (int row = 0; row <= 48; ++row) {
            QTest::keyClick(plot, Qt::Key_Right);
        }
        Shoot(graph, "skeva-graph-readout");
        Click(graph, "cmdClose");
    }
    platform.AnswerNextQuestion(MessageButton::No);
    Click(report, "cmdClose");
    Shoot(form, "skeva-input-back");
    input.reset();
    Settle();
}

void GeneratorWindows(FakePlatform& platform) {
    vorla::generator::DesignFireState module;
    auto input = std::make_unique<vorla::generator::frmInput>(module, platform, [] {});
    QWidget* form = input.get();
    Show(form);
    Shoot(form, "qdot-input-empty");
    Type(form, "txtDescription", "Armchair, medium t-squared growth");
    Type(form, "txtFireFile", "/home/engineer/VORLA/DATA/ARMCHAIR.FIR");
    Type(form, "txtDelayTime", "30");
    Shoot(form, "qdot-input");
    Click(form, "optUnits(1)");
    Shoot(form, "qdot-input-us");
    Click(form, "optUnits(0)");

    const struct {
        const char* button;
        const char* window;
        QStringList entries;
    } forms[] = {
        {"cmdTSquared", "frmTSquared", {"txtAlpha=0.0444", "txtTMax=300", "txtTEnd=600"}},
        {"cmdSemiUniversal", "frmUniversal", {"txtTEnd=600"}},
        {"cmdPool", "frmPool", {"txtMLRInf=0.101", "txtKBeta=1.1", "txtDiameter=1", "txtTEnd=900"}},
        {"cmdFurniture", "frmFurniture", {"txtCombustibleMass=25"}},
        {"cmdCustom",
         "frmCustom",
         {"txtTime(0)=0", "txtQDOT(0)=0", "txtTime(1)=60", "txtQDOT(1)=500", "txtTime(2)=30"}},
    };
    for (const auto& curve : forms) {
        Click(form, curve.button);
        QWidget* window = TopLevel(curve.window);
        if (window == nullptr) {
            std::cerr << "no " << curve.window << "\n";
            continue;
        }
        Shoot(window, QString("qdot-%1").arg(curve.window));
        for (const auto& entry : curve.entries) {
            Type(window, entry.section(u'=', 0, 0), entry.section(u'=', 1));
        }
        Shoot(window, QString("qdot-%1-filled").arg(curve.window));
        Click(window, "cmdOK"); // a built curve closes the form
        if (QWidget* refused = TopLevel(curve.window)) {
            Shoot(refused, QString("qdot-%1-refused").arg(curve.window));
            platform.AnswerNextQuestion(MessageButton::Yes);
            Click(refused, "cmdCancel");
            continue;
        }
        QWidget* graph = TopLevel("frmGraph");
        if (graph == nullptr) {
            std::cerr << "no graph after " << curve.window << "\n";
            continue;
        }
        Shoot(graph, QString("qdot-graph-%1").arg(curve.window));
        if (QString(curve.window) == "frmTSquared") {
            for (const char* fire : {"tsquared-slow-1mw-delay-60s.fir", "office-sofa-tsquared.fir",
                                     "pallets-fast-tsquared.fir"}) {
                platform.ChooseInNextDialog((kExamples + "/" + fire).toStdString());
                Click(graph, "cmdCompare");
            }
            Shoot(graph, "qdot-graph-compare");
            Click(graph, "cmdRemoveComparisons");
        }
        platform.AnswerNextQuestion(MessageButton::No);
        Click(graph, "cmdClose");
    }
    Shoot(form, "qdot-input-back");
    input.reset();
    Settle();
}

} // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    if (argc < 2) {
        std::cerr << "usage: window_pictures FOLDER\n";
        return 2;
    }
    // A caret that blinks would make two pictures of one window differ.
    QApplication::setCursorFlashTime(0);
    folder = QString::fromLocal8Bit(argv[1]);
    QDir().mkpath(folder);
    QTemporaryDir data;
    FakePlatform platform(data.filePath("VORLA/DATA").toStdString());
    CompartmentWindows(platform);
    CompartmentComparison(platform);
    SmokeWindows(platform);
    GeneratorWindows(platform);

    QFile log(QDir(folder).filePath("messages.txt"));
    if (log.open(QIODevice::WriteOnly | QIODevice::Text)) {
        QTextStream out(&log);
        for (const auto& shown : platform.Messages()) {
            out << QString::fromStdString(shown.Request.Title) << " | "
                << QString::fromStdString(shown.Request.Text) << "\n";
        }
        for (const auto& dialog : platform.FileDialogs()) {
            out << "dialog " << QString::fromStdString(dialog.Request.Title) << " | "
                << QString::fromStdString(dialog.Request.Filter) << "\n";
        }
    }
    return 0;
}
