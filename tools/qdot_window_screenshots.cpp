// Pictures of every QDOT-XW window, for the README and for checking the
// layouts at other scales (run it with QT_SCALE_FACTOR=1.5 under xvfb-run):
//
//   xvfb-run build/dev/bin/qdot_window_screenshots docs/screenshots
//
// Each window is filled as a user would fill it, shown, and grabbed to
// <folder>/qdot-<window>.png at its natural size, plus the main form and the
// graph at their smallest sizes. The order in which Tab visits each window's
// controls is printed, so it can be read against the layout.
#include "common/ui/fake_platform.h"
#include "common/ui/splash_window.h"
#include "fire_generator/curves/design_fire_state.h"
#include "fire_generator/ui/input_form.h"

#include <QApplication>
#include <QDir>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTextStream>
#include <iostream>

using namespace vorla::generator;
using vorla::ui::MessageButton;

namespace {

QString folder;

void Settle(QWidget* window) {
    window->activateWindow();
    if (!QTest::qWaitForWindowActive(window, 500)) {
        std::cerr << window->objectName().toStdString() << " was not activated\n";
    }
    QTest::qWait(150);
}

// A control of a window, found by its object name as a user's tools find it.
template <typename T = QWidget> T* Control(QWidget* window, const QString& name) {
    T* control = window->findChild<T*>(name);
    if (control == nullptr) {
        std::cerr << "no control " << name.toStdString() << "\n";
        std::exit(1);
    }
    return control;
}

QWidget* TopLevel(const QString& name) {
    for (QWidget* window : QApplication::topLevelWidgets()) {
        if (window->objectName() == name && window->isVisible()) {
            return window;
        }
    }
    std::cerr << "no window " << name.toStdString() << "\n";
    std::exit(1);
}

void Type(QWidget* window, const QString& name, const QString& text) {
    Control<QLineEdit>(window, name)->setText(text);
}

void Shoot(QWidget* window, const QString& name) {
    Settle(window);
    const QString path = QDir(folder).filePath("qdot-" + name + ".png");
    window->grab().save(path);
    std::cout << path.toStdString() << " " << window->width() << "x" << window->height() << "\n";
}

void ShootSmallest(QWidget* window, const QString& name) {
    const QSize size = window->size();
    window->resize(window->minimumSizeHint());
    Shoot(window, name + "-smallest");
    window->resize(size);
}

// Presses Tab `count` times from the focus the window has now and prints
// where the focus goes.
void PrintTabOrder(QWidget* window, int count) {
    Settle(window);
    std::cout << window->objectName().toStdString() << " tab order:";
    for (int i = 0; i < count; ++i) {
        QWidget* focus = QApplication::focusWidget();
        if (focus == nullptr) {
            std::cout << " (no focus)";
            break;
        }
        std::cout << " " << focus->objectName().toStdString();
        QTest::keyClick(focus, Qt::Key_Tab);
        QTest::qWait(30);
    }
    std::cout << "\n";
}

} // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    if (argc < 2) {
        std::cerr << "usage: qdot_window_screenshots FOLDER\n";
        return 2;
    }
    folder = QString::fromLocal8Bit(argv[1]);
    QDir().mkpath(folder);
    QTemporaryDir data;
    vorla::ui::FakePlatform platform(data.filePath("VORLA/DATA").toStdString());
    const QString fireFile =
        QDir(QString::fromStdString(platform.DataDirectory())).filePath("HEPTANE.FIR");

    auto* splash = vorla::ui::ShowSplash(
        "QDOT-XW", [] {}, [] {});
    Shoot(splash, "splash");
    Control<QPushButton>(splash, "cmdContinue")->click();

    DesignFireState module;
    frmInput input(module, platform, [] {});
    input.ShowAgain();
    // The main form as the README's walk-through fills it.
    Type(&input, "txtDescription", "Armchair, medium t-squared growth");
    Type(&input, "txtFireFile", "/home/engineer/VORLA/DATA/ARMCHAIR.FIR");
    Type(&input, "txtHoC", "20000");
    Type(&input, "txtDelayTime", "30");
    Shoot(&input, "input");
    ShootSmallest(&input, "input");
    Control(&input, "txtDescription")->setFocus();
    platform.ChooseInNextDialog(fireFile.toStdString());
    platform.CancelNextDialog(); // Tab comes round to the file name again
    PrintTabOrder(&input, 10);

    const auto open = [&](const QString& button, const QString& form,
                          const QString& delay) -> QWidget* {
        Type(&input, "txtDelayTime", delay);
        if (delay == "0") {
            platform.AnswerNextQuestion(MessageButton::Yes);
        }
        Control<QPushButton>(&input, button)->click();
        return TopLevel(form);
    };
    const auto shootForm = [&](const QString& button, const QString& formName, const QString& name,
                               const QString& delay, const QStringList& entries, int tabs) {
        auto* form = open(button, formName, delay);
        for (const auto& entry : entries) {
            if (auto* box = form->findChild<QLineEdit*>(entry.section(u'=', 0, 0))) {
                box->setText(entry.section(u'=', 1));
            }
        }
        Shoot(form, name);
        PrintTabOrder(form, tabs);
        return form;
    };

    const auto cancel = [](QWidget* form) { Control<QPushButton>(form, "cmdCancel")->click(); };
    Control<QRadioButton>(&input, "optUnits(1)")->click();
    cancel(shootForm("cmdTSquared", "frmTSquared", "tsquared-us", "0",
                     {"txtAlpha=0.0444", "txtTMax=300", "txtTEnd=600"}, 6));
    Control<QRadioButton>(&input, "optUnits(0)")->click();
    Type(&input, "txtHoC", "43700");
    cancel(shootForm("cmdSemiUniversal", "frmUniversal", "universal", "0", {"txtTEnd=600"}, 4));
    cancel(
        shootForm("cmdFurniture", "frmFurniture", "furniture", "0", {"txtCombustibleMass=25"}, 9));

    auto* custom = shootForm("cmdCustom", "frmCustom", "custom", "30",
                             {"txtTime(2)=60", "txtQDOT(2)=150"}, 24);
    for (int i = 0; i < 10; ++i) {
        Type(custom, QString("txtTime(%1)").arg(i), QString::number(i * 60));
        Type(custom, QString("txtQDOT(%1)").arg(i), QString::number(i * 100));
    }
    Control<QPushButton>(custom, "cmdNextTen")->click();
    Type(custom, "txtTime(0)", "600");
    Type(custom, "txtQDOT(0)", "1000");
    Shoot(custom, "custom-page2");
    platform.AnswerNextQuestion(MessageButton::Yes);
    cancel(custom);

    cancel(shootForm("cmdPool", "frmPool", "pool", "0",
                     {"txtMLRInf=0.101", "txtKBeta=1.1", "txtDiameter=1", "txtTEnd=900"}, 7));

    // The README's curve: an armchair growing as a medium t-squared fire.
    Type(&input, "txtDescription", "Armchair, medium t-squared growth");
    Type(&input, "txtFireFile",
         QDir(QString::fromStdString(platform.DataDirectory())).filePath("ARMCHAIR.FIR"));
    Type(&input, "txtHoC", "20000");
    auto* sofa = open("cmdTSquared", "frmTSquared", "30");
    for (const auto& [name, text] : {std::pair{"txtAlpha", "0.01172"}, std::pair{"txtTMax", "300"},
                                     std::pair{"txtTEnd", "900"}}) {
        Type(sofa, name, text);
    }
    Control<QPushButton>(sofa, "cmdOK")->click();
    auto* graph = TopLevel("frmGraph");
    Shoot(graph, "graph");
    ShootSmallest(graph, "graph");
    PrintTabOrder(graph, 3);
    platform.AnswerNextQuestion(MessageButton::No);
    Control<QPushButton>(graph, "cmdClose")->click();

    for (const auto& problem : platform.Problems()) {
        std::cerr << "problem: " << problem << "\n";
    }
    return 0;
}
