// VORLA-XW as main() starts it, for the window tests: one Calculations, the
// scripted platform in place of the real one, and the input form on screen
// (offscreen). Files go to a temporary folder of the test.
#pragma once

#include "common/ui/fake_platform.h"
#include "compartment/model/calculations.h"
#include "compartment/ui/input_form.h"
#include "tests/common/ui/window_conventions.h"
#include "tests/support/file_bytes.h"
#include "tests/support/window_controls.h"

#include <QApplication>
#include <QFile>
#include <QLineEdit>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QtTest>
#include <memory>
#include <string>

namespace vorla::compartment::testing {

using namespace vorla::test_support;
using ui::FakePlatform;
using ui::MessageButton;
using ui::MessageButtons;
using ui::MessageIcon;

inline const std::string kExamples = VORLA_EXAMPLES_DIR;

// A fire rising from 0 to 3000 kW in 300 s: in the small room below, the layer
// passes 600 °C at 122 s.
inline constexpr const char* kRampFire = "    0          0.0        0.000\r\n"
                                         "  300       3000.0        0.000\r\n"
                                         "   -9           -9           -9\r\n";
// 100 kW for as long as any run lasts.
inline constexpr const char* kSteadyFire = "    0        100.0        0.000\r\n"
                                           " 9000        100.0        0.000\r\n"
                                           "   -9           -9           -9\r\n";

struct Program {
    QTemporaryDir folder;
    std::unique_ptr<Calculations> calc = std::make_unique<Calculations>();
    FakePlatform platform{folder.filePath("DATA").toStdString()};
    std::unique_ptr<frmInput> input;
    int programEnded = 0;

    Program() {
        input = std::make_unique<frmInput>(*calc, platform, [this] { ++programEnded; });
        input->resize(640, 480);
        input->show();
        input->activateWindow();
        if (!QTest::qWaitForWindowActive(input.get())) {
            qWarning("the input form did not become active");
        }
    }
    ~Program() {
        input.reset();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }

    std::string Path(const QString& name) const { return folder.filePath(name).toStdString(); }

    std::string WriteFile(const QString& name, std::string_view content) const {
        if (!test_support::WriteFile(Path(name), content)) {
            qWarning("cannot write the test file");
        }
        return Path(name);
    }

    QLineEdit* Box(InputBox box) const {
        const std::string_view name = InputBoxName(box);
        return Control<QLineEdit>(input, QString::fromUtf8(name.data(), qsizetype(name.size())));
    }
    void Set(InputBox box, const QString& text) const { Box(box)->setText(text); }

    // The office of the saved example, in S.I. units, with `fire` as its fire
    // file and `runTime` as its run time: every check passes.
    void FillRoom(const std::string& fire, const QString& runTime = "600",
                  const QString& area = "20") {
        Set(InputBox::txtRunTitle, "Office, sofa fire");
        Set(InputBox::txtOutputFile, "OFFICE.VOF");
        Set(InputBox::txtFloorArea, area);
        Set(InputBox::txtRoomHeight, "2.4");
        Set(InputBox::txtVentWidth, "0.9");
        Set(InputBox::txtSillHeight, "0");
        Set(InputBox::txtSoffitHeight, "2");
        Set(InputBox::txtFireHeight, "0");
        Set(InputBox::txtRunTime, runTime);
        Set(InputBox::txtFireFile, QString::fromStdString(fire));
        // Each dimension box is visited and left, as typing them in would.
        for (auto box :
             {InputBox::txtFloorArea, InputBox::txtRoomHeight, InputBox::txtVentWidth,
              InputBox::txtSillHeight, InputBox::txtSoffitHeight, InputBox::txtFireHeight}) {
            Box(box)->setFocus();
        }
        Box(InputBox::txtRunTitle)->setFocus();
    }

    // The windows on screen, if any.
    static QWidget* Report() { return VisibleWindow("frmOutput"); }
    static QWidget* Graph() { return VisibleWindow("frmGraph"); }
    static QWidget* Estimator() { return VisibleWindow("frmEstimateLc"); }

    // The heat loss fraction estimator, opened from the form and used as a
    // user does: the room's length over its width typed, the ceiling's
    // roughness option (0 smooth, 1 moderately rough, 2 irregular) chosen,
    // Estimate. The text it put in the form's box; empty when the window
    // did not open.
    QString EstimateLossFraction(const QString& lengthOverWidth, int roughness = 0) const {
        Click(input, "cmdEstimateLc");
        QWidget* estimator = Estimator();
        if (estimator == nullptr) {
            return {};
        }
        estimator->findChild<QLineEdit*>()->setText(lengthOverWidth);
        Control<QRadioButton>(estimator, QString("OptCeilingRoughness(%1)").arg(roughness))
            ->click();
        Click(estimator, "cmdEstimate");
        Settle();
        return Box(InputBox::txtTotalLossFraction)->text();
    }

    // Run from the menu; the report window that it opened, if any.
    QWidget* Run() const {
        Trigger(input, "mnuRun");
        return Report();
    }

    // Lets closed windows go, as the event loop would.
    static void Settle() {
        QCoreApplication::processEvents();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }

    QWidget* Focus() const { return QApplication::focusWidget(); }
    QString FocusName() const { return Focus() ? Focus()->objectName() : QString("(none)"); }
};

inline QString ReadText(const std::string& path) {
    return QString::fromStdString(test_support::ReadFile(path));
}

} // namespace vorla::compartment::testing
