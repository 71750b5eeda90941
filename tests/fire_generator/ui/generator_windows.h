// QDOT-XW's windows as the program has them, for the window tests: a
// generator state, the scripted platform writing into a temporary folder, and
// the main form on screen (offscreen). Helpers find controls by their object
// names, fill the main form and open a curve form the way a user would.
#pragma once

#include "common/ui/fake_platform.h"
#include "common/ui/graph_picture.h"
#include "fire_generator/curves/curve_command.h"
#include "fire_generator/curves/design_fire_state.h"
#include "fire_generator/ui/input_form.h"
#include "tests/common/ui/window_conventions.h"
#include "tests/support/window_controls.h"

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QtTest>
#include <memory>
#include <string>

namespace vorla::generator::testing {

using namespace vorla::test_support;
using vorla::ui::FakePlatform;
using vorla::ui::MessageButton;
using vorla::ui::MessageButtons;
using vorla::ui::MessageIcon;

inline QLineEdit* Box(const QWidget* window, const QString& name) {
    return Control<QLineEdit>(window, name);
}
inline QPushButton* Button(const QWidget* window, const QString& name) {
    return Control<QPushButton>(window, name);
}
inline QLabel* Label(const QWidget* window, const QString& name) {
    return Control<QLabel>(window, name);
}

// The object name of the control that has (or will have, once its window is
// active) the focus of `window`.
inline QString FocusIn(const QWidget* window) {
    const QWidget* focus = window->focusWidget();
    return focus == nullptr ? QString("(none)") : focus->objectName();
}

inline void WaitUntilActive(QWidget* window) {
    window->activateWindow();
    if (!QTest::qWaitForWindowActive(window)) {
        qWarning("%s was not activated", qPrintable(window->objectName()));
    }
}

// The texts of a message box as a test compares them.
inline QString Shown(const FakePlatform::ShownMessage& message) {
    return QString::fromStdString(message.Request.Title + " | " + message.Request.Text);
}

class Generator {
  public:
    Generator()
        : module_(std::make_unique<DesignFireState>()),
          platform(folder_.filePath("VORLA/DATA").toStdString()),
          input(*module_, platform, [this] { ++ProgramEnded; }) {
        input.ShowAgain();
        WaitUntilActive(&input);
    }

    DesignFireState& Module() { return *module_; }
    QString FolderPath(const QString& name) const { return folder_.filePath(name); }

    // The main form filled as a user would: each box typed, the file chosen in
    // its dialog (so the box holds a full path).
    void FillMainForm(const QString& description, const QString& fireFile,
                      const QString& heatOfCombustion = "12000", const QString& delay = "0") {
        Control<QLineEdit>(input, "txtDescription")->setText(description);
        Control<QLineEdit>(input, "txtFireFile")->setText(fireFile);
        Control<QLineEdit>(input, "txtHoC")->setText(heatOfCombustion);
        Control<QLineEdit>(input, "txtDelayTime")->setText(delay);
    }

    // Presses a curve button with the main form filled in; answers Yes to the
    // zero delay question when the delay is 0. Returns the curve form opened.
    QWidget* Open(CurveKind kind, const QString& delay = "0",
                  const QString& heatOfCombustion = "12000") {
        FillMainForm("Test fire", FolderPath("TEST.FIR"), heatOfCombustion, delay);
        if (delay.toDouble() == 0) {
            platform.AnswerNextQuestion(MessageButton::Yes);
        }
        CurveButton(kind)->click();
        // The questions asked on the way are the main form's; a test of the
        // curve form starts with no messages recorded.
        if (CurveForm() != nullptr && platform.Problems().empty()) {
            platform.ClearRecords();
        }
        return CurveForm();
    }

    QPushButton* CurveButton(CurveKind kind) const {
        switch (kind) {
        case CurveKind::TSquared:
            return Button(&input, "cmdTSquared");
        case CurveKind::SemiUniversal:
            return Button(&input, "cmdSemiUniversal");
        case CurveKind::Pool:
            return Button(&input, "cmdPool");
        case CurveKind::Furniture:
            return Button(&input, "cmdFurniture");
        case CurveKind::Custom:
            break;
        }
        return Button(&input, "cmdCustom");
    }

    // The graph's curve has been written: Save is off.
    static bool Saved() { return !Button(&Graph(), "cmdSave")->isEnabled(); }

    // The curve form on screen, if any.
    static QWidget* CurveForm() {
        for (const char* name :
             {"frmTSquared", "frmUniversal", "frmPool", "frmFurniture", "frmCustom"}) {
            if (auto* form = VisibleWindow(name)) {
                return form;
            }
        }
        return nullptr;
    }

    // The graph window, made with the main form and only ever hidden.
    static QWidget& Graph() { return *AnyWindow("frmGraph"); }

    void SwitchToUSUnits() { Control<QRadioButton>(input, "optUnits(1)")->click(); }

  private:
    QTemporaryDir folder_;
    std::unique_ptr<DesignFireState> module_;

  public:
    FakePlatform platform;
    int ProgramEnded = 0;
    frmInput input;
};

} // namespace vorla::generator::testing

namespace vorla::generator::testing {

// Types each "txtName=text" entry into its box of `form`.
inline bool TypeInto(QWidget* form, const QStringList& entries) {
    for (const auto& entry : entries) {
        const auto name = entry.section(u'=', 0, 0);
        auto* box = Box(form, name);
        if (box == nullptr) {
            return false;
        }
        box->setText(entry.section(u'=', 1));
    }
    return true;
}

// The captions of a graph window's tick labels, index 0 to 5.
inline QStringList TickLabels(const QWidget* graph, const char* array) {
    QStringList texts;
    for (int a = 0; a < 6; ++a) {
        auto* label = Label(graph, QStringLiteral("%1(%2)").arg(array).arg(a));
        texts << (label ? label->text() : QString("?"));
    }
    return texts;
}

// The value of point `i` as the graph draws it, in the unit of its value axis:
// the full scale, the caption of the last tick, stands 3135 above the 0 line.
inline double PlottedValue(const QWidget& graph, int i) {
    const double fullScale = Label(&graph, "lblYLabel(5)")->text().toDouble();
    const auto& series = Control<vorla::ui::GraphPicture>(graph, "picGraph")->Series();
    return (3135 - series.at(std::size_t(i)).y()) * fullScale / 3135;
}

// Points 0 to LastPoint of the fire table as "time:rate" with the rate to one
// decimal, as the fire file shows it.
inline QStringList TablePoints(const DesignFireState& module) {
    QStringList points;
    for (int i = 0; i <= module.LastPoint; ++i) {
        points
            << QStringLiteral("%1:%2").arg(module.FireTime[i]).arg(module.FireRate[i], 0, 'f', 1);
    }
    return points;
}

} // namespace vorla::generator::testing
