// The graph window's axes as the user chooses them: the time axis in s or min
// (Preferences…), box zoom, Zoom In / Out, Reset Zoom and the Axes… dialog.
#include "common/ui/fake_platform.h"
#include "common/ui/graph_picture.h"
#include "common/ui/graph_window.h"
#include "common/ui/preferences_dialog.h"
#include "common/ui/program_settings.h"
#include "tests/common/ui/window_conventions.h"
#include "tests/support/access_keys.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QDialog>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSettings>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QtTest>

using vorla::ui::GraphPicture;
using vorla::ui::GraphWindow;

namespace {

struct WithPlatform {
    vorla::ui::FakePlatform platform{QDir::tempPath().toStdString()};
};

// A window with a straight line from (0 min, 0) to (9.5 min, 96): axes 0 to
// 10 min and 0 to 100.
class LineGraph final : private WithPlatform, public GraphWindow {
  public:
    using WithPlatform::platform;
    LineGraph() : GraphWindow(platform) {
        setWindowTitle("VORLA-XW: Graph");
        lblYTitle->setText("Rate of Heat Release (kW)");
        for (int i = 0; i <= 19; ++i) {
            PlotX[i] = i * 0.5;
            PlotY[i] = i * 96.0 / 19;
        }
        ScaleTimeAxis(9.5);
        ScaleValueAxis(96);
        PlotSeries(19);
    }
    using GraphWindow::picGraph;
};

QStringList Shown(const GraphWindow& window, const char* name) {
    QStringList texts;
    for (int a = 0;; ++a) {
        const auto* label = window.findChild<QLabel*>(QString("%1(%2)").arg(name).arg(a));
        if (label == nullptr) {
            break;
        }
        if (!label->isHidden()) {
            texts << label->text();
        }
    }
    return texts;
}

// The widget point of (minutes, value) on the automatic 10 min x 100 axes,
// worked from the picture's logical space: the frame spans 4740 of 4800
// across and 3135 of 3200 down, from the top left.
QPoint At(const GraphPicture& picture, double minutes, double value) {
    const double x = minutes / 10 * 4740 * picture.width() / 4800;
    const double y = (3135 - value / 100 * 3135) * picture.height() / 3200;
    return {static_cast<int>(std::lround(x)), static_cast<int>(std::lround(y))};
}

void Drag(QWidget* picture, QPoint from, QPoint to) {
    QTest::mousePress(picture, Qt::LeftButton, Qt::NoModifier, from);
    QTest::mouseMove(picture, (from + to) / 2);
    QTest::mouseMove(picture, to);
    QTest::mouseRelease(picture, Qt::LeftButton, Qt::NoModifier, to);
}

} // namespace

class GraphZoomTest : public QObject {
    Q_OBJECT

    QTemporaryDir settingsFolder_;

    static void Show(GraphWindow& window) {
        window.resize(760, 520);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
    }

    static QDialog* OpenAxes(LineGraph& window) {
        window.mnuAxes_Click();
        return window.findChild<QDialog*>("dlgAxes");
    }

  private slots:
    void initTestCase() {
        QStandardPaths::setTestModeEnabled(true);
        QSettings::setDefaultFormat(QSettings::IniFormat);
        QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, settingsFolder_.path());
        QCoreApplication::setOrganizationName("VORLA");
        QCoreApplication::setApplicationName("graph-zoom-test");
    }
    void init() { QSettings().clear(); }

    // min is the default and the window as it always was: no range of its
    // own for the exports, the fifths of the scale.
    void MinutesByDefault() {
        LineGraph window;
        QCOMPARE(window.findChild<QLabel*>("lblXTitle")->text(), QString("Time (min)"));
        QCOMPARE(Shown(window, "lblXLabel"), QStringList({"0", "2", "4", "6", "8", "10"}));
        QVERIFY(!window.CurrentPlot().X.Range);
        QVERIFY(!window.CurrentPlot().Y.Range);
        QVERIFY(!window.Zoomed());
    }

    // 10 min = 600 s: 60 s would give 10 steps, 120 s gives 5.
    void SecondsFollowThePreference() {
        vorla::ui::ProgramSettings().SetTimeAxisUnitPreference(vorla::ui::TimeAxisUnit::Seconds);
        LineGraph window;
        QCOMPARE(window.findChild<QLabel*>("lblXTitle")->text(), QString("Time (s)"));
        QCOMPARE(Shown(window, "lblXLabel"), QStringList({"0", "120", "240", "360", "480", "600"}));
        const auto plot = window.CurrentPlot();
        QCOMPARE(plot.X.Title, std::string("Time (s)"));
        QVERIFY(plot.X.Range);
        QCOMPARE(plot.X.Range->Max, 600.0);
        QCOMPARE(plot.Series[0].Points[3].X, 90.0); // 1.5 min
        // The series stay in minutes: the crosshair at 1.5 min reads 90 s.
        Show(window);
        QTest::mouseMove(window.picGraph, At(*window.picGraph, 1.5, 50));
        // Within the second a pixel is worth (10 min over some 580 pixels).
        const QStringList readout = window.ReadoutText().split(' ', Qt::SkipEmptyParts);
        QVERIFY2(readout.size() >= 2 && readout[1] == "s", qPrintable(window.ReadoutText()));
        QVERIFY(std::abs(readout[0].toDouble() - 90) <= 1.1);
    }

    // OK in Preferences… redraws the open window in the new unit, and back.
    void APreferenceChangeRedrawsOpenWindows() {
        LineGraph window;
        for (const auto& [choice, title, last] :
             {std::tuple{"s", "Time (s)", "600"}, std::tuple{"min", "Time (min)", "10"}}) {
            vorla::ui::PreferencesDialog dialog("VORLA-XW", false, nullptr);
            auto* box = dialog.findChild<QComboBox*>("cboTimeAxisUnit");
            box->setCurrentIndex(box->findText(choice));
            QTest::mouseClick(dialog.findChild<QPushButton*>("cmdOK"), Qt::LeftButton);
            QCOMPARE(window.findChild<QLabel*>("lblXTitle")->text(), QString(title));
            QCOMPARE(Shown(window, "lblXLabel").last(), QString(last));
        }
    }

    // A drag from (1.8 min, 85) to (6.2 min, 15) shows that box: its ends
    // within a pixel's worth of value (10 min and 100 over the frame's pixels).
    void ABoxDraggedZoomsIntoIt() {
        LineGraph window;
        Show(window);
        const auto& picture = *window.picGraph;
        const double minutePerPixel = 10.0 / (picture.width() * 4740.0 / 4800);
        const double valuePerPixel = 100.0 / (picture.height() * 3135.0 / 3200);
        Drag(window.picGraph, At(picture, 1.8, 85), At(picture, 6.2, 15));
        QVERIFY(window.Zoomed());
        const auto scales = window.ShownScales();
        QVERIFY(std::abs(scales.XMin - 1.8) <= minutePerPixel);
        QVERIFY(std::abs(scales.X - 6.2) <= minutePerPixel);
        QVERIFY(std::abs(scales.YMin - 15) <= valuePerPixel);
        QVERIFY(std::abs(scales.Y - 85) <= valuePerPixel);
        // 4.4 min: 1 min gives 4.4 steps; 70 kW: 20 gives 3.5 (10 would be 7).
        QCOMPARE(Shown(window, "lblXLabel"), QStringList({"2", "3", "4", "5", "6"}));
        QCOMPARE(Shown(window, "lblYLabel"), QStringList({"20", "40", "60", "80"}));
        // Export… and Copy Image draw the same axes.
        const auto plot = window.CurrentPlot();
        QVERIFY(plot.X.Range && plot.Y.Range);
        QCOMPARE(plot.X.Range->Min, scales.XMin);
        QCOMPARE(plot.Y.Range->Ticks.size(), std::size_t{4});
        QCOMPARE(plot.Y.Range->Ticks[0].Label, std::string("20"));
    }

    // A click, and a drag too short in either direction, zoom nothing.
    void AClickIsNotAZoom() {
        LineGraph window;
        Show(window);
        const QPoint at = At(*window.picGraph, 5, 50);
        QTest::mouseClick(window.picGraph, Qt::LeftButton, Qt::NoModifier, at);
        Drag(window.picGraph, at, at + QPoint(60, 2)); // flat
        Drag(window.picGraph, at, at + QPoint(2, 60)); // thin
        QVERIFY(!window.Zoomed());
        QCOMPARE(window.ShownScales().X, 10.0);
    }

    // The Graph menu on the plot names each item's shortcut.
    void TheGraphMenuHoldsTheZoomAndAxes() {
        LineGraph window;
        QStringList items;
        for (const auto* action : window.GraphMenu()->actions()) {
            if (!action->isSeparator()) {
                items << action->text() + " " + action->shortcut().toString();
            }
        }
        QCOMPARE(items, QStringList({"Zoom &In +", "Zoom &Out -", "&Reset Zoom Ctrl+0",
                                     "&Axes… Ctrl+Shift+A"}));
        QCOMPARE(window.picGraph->contextMenuPolicy(), Qt::CustomContextMenu);
        QCOMPARE(vorla::test_support::AccessKeyCollisions(window), QStringList());
    }

    // + halves both ranges about the centre, - doubles them; Ctrl+0, a double
    // click and Escape return to the automatic axes, and Escape then closes.
    void ZoomInOutAndReset() {
        LineGraph window;
        Show(window);
        QTest::keyClick(&window, Qt::Key_Plus);
        auto scales = window.ShownScales();
        QCOMPARE(scales.XMin, 2.5);
        QCOMPARE(scales.X, 7.5);
        QCOMPARE(scales.YMin, 25.0);
        QCOMPARE(scales.Y, 75.0);
        QTest::keyClick(&window, Qt::Key_Minus);
        QTest::keyClick(&window, Qt::Key_Minus);
        scales = window.ShownScales();
        QCOMPARE(scales.XMin, -5.0);
        QCOMPARE(scales.X, 15.0);
        QVERIFY(window.findChild<QAction*>("mnuResetZoom")->isEnabled());
        // Out to ten thousand times the automatic scales and no further
        // (2^13 = 8192, 2^14 past it); in likewise.
        for (int k = 0; k < 20; ++k) {
            QTest::keyClick(&window, Qt::Key_Minus);
        }
        QCOMPARE(window.ShownScales().X - window.ShownScales().XMin, 10.0 * 8192);
        QTest::keyClick(&window, Qt::Key_0, Qt::ControlModifier);
        for (int k = 0; k < 20; ++k) {
            QTest::keyClick(&window, Qt::Key_Plus);
        }
        QVERIFY(std::abs(window.ShownScales().X - window.ShownScales().XMin - 10.0 / 8192) < 1e-12);
        QTest::keyClick(&window, Qt::Key_0, Qt::ControlModifier);
        QVERIFY(!window.Zoomed());
        QCOMPARE(Shown(window, "lblXLabel"), QStringList({"0", "2", "4", "6", "8", "10"}));
        QVERIFY(!window.findChild<QAction*>("mnuResetZoom")->isEnabled());

        QTest::keyClick(&window, Qt::Key_Plus);
        QTest::mouseDClick(window.picGraph, Qt::LeftButton, Qt::NoModifier,
                           At(*window.picGraph, 5, 50));
        QVERIFY(!window.Zoomed());

        QTest::keyClick(&window, Qt::Key_Plus);
        QTest::keyClick(&window, Qt::Key_Escape);
        QVERIFY(!window.Zoomed());
        QVERIFY(window.isVisible());
        QTest::keyClick(&window, Qt::Key_Escape);
        QVERIFY(!window.isVisible());
    }

    // The dialog keeps every window's conventions, and its access keys
    // (From, To, Tick step of each axis) stay apart.
    void AxesDialogKeepsTheConventions() {
        LineGraph window;
        Show(window);
        auto* dialog = OpenAxes(window);
        QVERIFY(dialog);
        QCOMPARE(vorla::test_support::WindowConventionProblems(*dialog), QStringList());
        QCOMPARE(vorla::test_support::AccessKeyCollisions(*dialog), QStringList());
        QCOMPARE(vorla::test_support::TabChain(*dialog),
                 QStringList({"txtAxis(0)", "txtAxis(1)", "txtAxis(2)", "txtAxis(3)", "txtAxis(4)",
                              "txtAxis(5)", "cmdOK", "cmdCancel"}));
        dialog->reject();
    }

    // Each box of Axes… wrong once: the message names it, the dialog stays
    // with that box focused, and the graph keeps its axes.
    void AxesDialogRefusesEachWrongBox_data() {
        QTest::addColumn<int>("box");
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("focus");
        QTest::addColumn<QString>("message");
        QTest::newRow("x from") << 0 << "abc" << 0
                                << "Time (min): From must be a number, or blank for automatic.";
        QTest::newRow("x to") << 1 << "1e999" << 1 << "Time (min): To is too large a number.";
        QTest::newRow("x to at automatic from")
            << 1 << "0" << 1 << "Time (min): From (0) must be less than Time (min): To (0).";
        QTest::newRow("x step 0") << 2 << "0" << 2
                                  << "Time (min): Tick step must be above 0, or blank for "
                                     "automatic.";
        QTest::newRow("x step dense")
            << 2 << "0.1" << 2
            << "Time (min): Tick step 0.1 gives more than 60 ticks from 0 to 10.";
        QTest::newRow("y from past automatic to")
            << 3 << "150" << 3
            << "Rate of Heat Release (kW): From (150) must be less than Rate of Heat Release "
               "(kW): To (100).";
        QTest::newRow("y to") << 4 << "1,5" << 4
                              << "Rate of Heat Release (kW): To must be a number, or blank for "
                                 "automatic.";
        QTest::newRow("y step") << 5 << "-2" << 5
                                << "Rate of Heat Release (kW): Tick step must be above 0, or "
                                   "blank for automatic.";
    }
    void AxesDialogRefusesEachWrongBox() {
        QFETCH(int, box);
        QFETCH(QString, text);
        QFETCH(int, focus);
        QFETCH(QString, message);
        LineGraph window;
        Show(window);
        auto* dialog = OpenAxes(window);
        QVERIFY(dialog);
        dialog->findChild<QLineEdit*>(QString("txtAxis(%1)").arg(box))->setText(text);
        QTest::mouseClick(dialog->findChild<QPushButton*>("cmdOK"), Qt::LeftButton);
        QCOMPARE(window.platform.Messages().size(), std::size_t{1});
        QCOMPARE(QString::fromStdString(window.platform.Messages()[0].Request.Text), message);
        QCOMPARE(window.platform.Messages()[0].Request.Title, std::string("VORLA-XW: Graph: Axes"));
        QVERIFY(dialog->isVisible());
        auto* focused = dialog->findChild<QLineEdit*>(QString("txtAxis(%1)").arg(focus));
        QCOMPARE(dialog->focusWidget(), focused);
        QCOMPARE(focused->selectedText(), focused->text());
        QVERIFY(!window.Zoomed());
        dialog->reject();
    }

    // Ranges typed apply to the graph and its exports; Reset Zoom undoes them.
    void AxesDialogAppliesAndResetReturnsToAutomatic() {
        LineGraph window;
        Show(window);
        auto* dialog = OpenAxes(window);
        QVERIFY(dialog);
        dialog->findChild<QLineEdit*>("txtAxis(0)")->setText("2");
        dialog->findChild<QLineEdit*>("txtAxis(1)")->setText("8");
        dialog->findChild<QLineEdit*>("txtAxis(2)")->setText("1.5");
        dialog->findChild<QLineEdit*>("txtAxis(4)")->setText("50");
        QTest::mouseClick(dialog->findChild<QPushButton*>("cmdOK"), Qt::LeftButton);
        QVERIFY(window.platform.Messages().empty());
        QVERIFY(window.Zoomed());
        QCOMPARE(Shown(window, "lblXLabel"), QStringList({"3.0", "4.5", "6.0", "7.5"}));
        // 0 (automatic From) to 50: 10 gives 5 steps.
        QCOMPARE(Shown(window, "lblYLabel"), QStringList({"0", "10", "20", "30", "40", "50"}));
        QCOMPARE(window.CurrentPlot().X.Range->Step, 1.5);
        // Open again: the boxes show the ranges in force.
        dialog = OpenAxes(window);
        QCOMPARE(dialog->findChild<QLineEdit*>("txtAxis(0)")->text(), QString("2"));
        QCOMPARE(dialog->findChild<QLineEdit*>("txtAxis(2)")->text(), QString("1.5"));
        dialog->reject();
        window.mnuResetZoom_Click();
        QVERIFY(!window.Zoomed());
        QVERIFY(!window.CurrentPlot().X.Range);
        QCOMPARE(Shown(window, "lblYLabel"), QStringList({"0", "20", "40", "60", "80", "100"}));
    }
};

QTEST_MAIN(GraphZoomTest)
#include "graph_zoom_test.moc"
