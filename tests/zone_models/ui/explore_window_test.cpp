// The Explore window's own behaviour, on a model whose runs the test controls:
// the keys and the slider move the value by the steps a user expects, the run
// on screen is always the newest change's (an older run that ends late is
// thrown away, and the window answers while it is still going), a refused
// value is shown beside its box with the curves kept and marked stale, and
// the previous and pinned runs are drawn with their names in the legend.
#include "zone_models/ui/explore_number_box.h"
#include "zone_models/ui/explore_window.h"
#include "common/ui/graph_picture.h"

#include <QApplication>
#include <QCheckBox>
#include <QElapsedTimer>
#include <QLabel>
#include <QPushButton>
#include <QSlider>
#include <QtTest>
#include <atomic>
#include <future>
#include <memory>

using vorla::ui::ExploreFollowed;
using vorla::ui::ExploreInput;
using vorla::ui::ExploreModel;
using vorla::ui::ExploreNumberBox;
using vorla::ui::ExploreRun;
using vorla::ui::ExploreWindow;
using vorla::ui::GraphPicture;

namespace {

// One input, "txtSize", from 0 to 100 in steps of 2. A run's curve is the
// value itself at minutes 0 and 1, and its key line "size N"; values below 0
// are refused. The first run can be held until the test lets it go.
class ScriptedModel final : public ExploreModel {
  public:
    std::shared_future<void> holdFirst;
    std::atomic<int> runs{0};

    std::vector<ExploreInput> Inputs() const override {
        return {{"txtSize", "Size", "m", 10, 0, 100, 2, 1, "size"}};
    }
    ExploreRun Run(const std::vector<double>& values, const ExploreFollowed&) const override {
        if (const_cast<std::atomic<int>&>(runs)++ == 0 && holdFirst.valid()) {
            holdFirst.wait();
        }
        ExploreRun run;
        if (values[0] < 0) {
            run.RejectedBox = "txtSize";
            run.Message = "The size must not be negative.";
            return run;
        }
        run.Graph.Minutes = {0, 1};
        run.Graph.Quantities = {{"Size (m)", {values[0], values[0]}},
                                {"Twice the size (m)", {2 * values[0], 2 * values[0]}}};
        run.KeyLines = {"size " + std::to_string(values[0])};
        if (values[0] > 50) {
            run.FlashoverSeconds = 30;
        }
        return run;
    }
};

struct Explored {
    ScriptedModel* model;
    std::unique_ptr<ExploreWindow> window;

    explicit Explored(std::shared_future<void> hold = {}) {
        auto owned = std::make_unique<ScriptedModel>();
        owned->holdFirst = std::move(hold);
        model = owned.get();
        window = std::make_unique<ExploreWindow>(std::move(owned), "TEST");
        window->setAttribute(Qt::WA_DeleteOnClose, false);
        window->show();
    }
    ExploreNumberBox* Box() const { return window->findChild<ExploreNumberBox*>("txtSize"); }
    QSlider* Slider() const { return window->findChild<QSlider*>("sldSize"); }
    QString Message() const { return window->findChild<QLabel*>("lblSizeMessage")->text(); }
    std::string KeyLine() const {
        const auto& lines = window->Shown().KeyLines;
        return lines.empty() ? std::string() : lines.front();
    }
    bool Settled() const { return window->UpToDate(); }
};

} // namespace

class ExploreWindowTest : public QObject {
    Q_OBJECT

  private slots:
    void OpensOnTheInputsAndRunsThem() {
        Explored e;
        QCOMPARE(e.Box()->value(), 10.0);
        QCOMPARE(e.Slider()->value(), 100); // a tenth of the way along 0..100
        QTRY_VERIFY(e.Settled());
        QCOMPARE(e.KeyLine(), std::to_string(10.0).insert(0, "size "));
        QVERIFY(!e.window->Stale());
        QCOMPARE(e.window->LegendTexts(), QStringList()); // one curve needs no legend
    }

    void KeysStepTheValue_data() {
        QTest::addColumn<int>("key");
        QTest::addColumn<int>("modifiers");
        QTest::addColumn<double>("expected");
        // From 10, step 2.
        QTest::newRow("up") << int(Qt::Key_Up) << int(Qt::NoModifier) << 12.0;
        QTest::newRow("down") << int(Qt::Key_Down) << int(Qt::NoModifier) << 8.0;
        QTest::newRow("page up, ten steps") << int(Qt::Key_PageUp) << int(Qt::NoModifier) << 30.0;
        QTest::newRow("page down") << int(Qt::Key_PageDown) << int(Qt::NoModifier) << -10.0;
        QTest::newRow("shift up, a tenth") << int(Qt::Key_Up) << int(Qt::ShiftModifier) << 10.2;
        QTest::newRow("shift down") << int(Qt::Key_Down) << int(Qt::ShiftModifier) << 9.8;
    }
    void KeysStepTheValue() {
        QFETCH(int, key);
        QFETCH(int, modifiers);
        QFETCH(double, expected);
        Explored e;
        e.Box()->setFocus();
        QTest::keyClick(e.Box(), Qt::Key(key), Qt::KeyboardModifiers(modifiers));
        QCOMPARE(e.Box()->value(), expected);
        QTRY_VERIFY(e.Settled());
        if (expected >= 0) {
            QCOMPARE(e.KeyLine(), "size " + std::to_string(expected));
        }
    }

    void TheSliderAndTheBoxFollowEachOther() {
        Explored e;
        e.Slider()->setValue(500);
        QCOMPARE(e.Box()->value(), 50.0);
        e.Box()->setValue(75);
        QCOMPARE(e.Slider()->value(), 750);
        e.Box()->setValue(400); // past the slider's end: the slider stops there
        QCOMPARE(e.Slider()->value(), 1000);
        QTRY_VERIFY(e.Settled());
        QCOMPARE(e.KeyLine(), "size " + std::to_string(400.0));
    }

    // The first run is held while the user changes the value: the window
    // shows the new value's run without waiting for it, and the held run's
    // result, when it comes, is thrown away.
    void AChangeDuringARunDiscardsThatRun() {
        std::promise<void> release;
        Explored e(release.get_future().share());
        QTRY_COMPARE(e.window->RunsStarted(), 1);
        e.Box()->setValue(20);
        QTRY_VERIFY(e.Settled());
        QCOMPARE(e.KeyLine(), "size " + std::to_string(20.0));
        QCOMPARE(e.window->RunsDiscarded(), 0);
        release.set_value();
        QTRY_COMPARE(e.window->RunsDiscarded(), 1);
        QCOMPARE(e.KeyLine(), "size " + std::to_string(20.0));
    }

    // Values changed faster than the pause: fewer runs than changes, and the
    // last value's run on screen (the first change may start one at once).
    void ABurstEndsWithTheLastValue() {
        Explored e;
        QTRY_VERIFY(e.Settled());
        const int before = e.window->RunsStarted();
        for (int v = 11; v <= 40; ++v) {
            e.Box()->setValue(v);
        }
        QTRY_VERIFY(e.Settled());
        QCOMPARE(e.KeyLine(), "size " + std::to_string(40.0));
        QVERIFY(e.window->RunsStarted() - before <= 2);
    }

    // A value held changing for longer than the longest wait (an arrow key
    // held down): runs start while it changes, not only once it stops.
    void AHeldKeyIsFollowedWhileHeld() {
        Explored e;
        QTRY_VERIFY(e.Settled());
        const int before = e.window->RunsStarted();
        e.Box()->setFocus();
        QElapsedTimer held;
        held.start();
        while (held.elapsed() < 4 * ExploreWindow::kLongestWaitMilliseconds) {
            QTest::keyClick(e.Box(), Qt::Key_Up);
            QTest::qWait(ExploreWindow::kPauseMilliseconds / 3);
        }
        QVERIFY(e.window->RunsStarted() - before >= 2);
        QTRY_VERIFY(e.Settled());
        QCOMPARE(e.KeyLine(), "size " + std::to_string(e.Box()->value()));
    }

    void ARefusedValueIsShownBesideItsBoxAndTheCurvesGoStale() {
        Explored e;
        QTRY_VERIFY(e.Settled());
        e.Box()->setValue(20);
        QTRY_VERIFY(e.Settled());
        const auto series = e.window->findChild<vorla::ui::GraphPicture*>("picExplore")->Series();
        e.Box()->setValue(-4);
        QTRY_VERIFY(e.Settled());
        QCOMPARE(e.Message(), QString("The size must not be negative."));
        QVERIFY(e.window->Stale());
        QCOMPARE(e.KeyLine(), "size " + std::to_string(20.0)); // the last accepted run
        QCOMPARE(e.window->findChild<vorla::ui::GraphPicture*>("picExplore")->Series(), series);
        QCOMPARE(e.window->LegendTexts(), QStringList({"This run (stale)", "Previous"}));
        QCOMPARE(e.window->findChild<QLabel*>("lblYTitle")->text(), QString("Size (m) (stale)"));
        QVERIFY(QApplication::activeModalWidget() == nullptr);
        e.Box()->setValue(4); // mended: the message goes, the curves are current
        QTRY_VERIFY(e.Settled());
        QCOMPARE(e.Message(), QString());
        QVERIFY(!e.window->Stale());
    }

    // The form's value to its last digit, not rounded to the box's usual digits.
    void TheBoxKeepsTheFormsDigits() {
        class Precise final : public ExploreModel {
          public:
            std::vector<ExploreInput> Inputs() const override {
                return {{"txtSize", "Size", "m", 12.34567, 0, 100, 2, 1, "size"}};
            }
            ExploreRun Run(const std::vector<double>&, const ExploreFollowed&) const override {
                return {};
            }
        };
        ExploreWindow window(std::make_unique<Precise>(), "TEST");
        QCOMPARE(window.findChild<ExploreNumberBox*>("txtSize")->value(), 12.34567);
    }

    void ThePreviousRunIsGhostedUntilPinned() {
        Explored e;
        QTRY_VERIFY(e.Settled());
        QVERIFY(!e.window->HasGhost());
        e.Box()->setValue(60);
        QTRY_VERIFY(e.Settled());
        QVERIFY(e.window->HasGhost());
        QCOMPARE(e.window->LegendTexts(),
                 QStringList({"This run", "Previous", "Flashover at 30 s"}));
        auto* pin = e.window->findChild<QPushButton*>("cmdPin");
        pin->click();
        QCOMPARE(e.window->PinnedCount(), 1);
        QVERIFY(!e.window->HasGhost());
        QCOMPARE(e.window->LegendTexts(),
                 QStringList({"This run", "Pin 1: Size 60 m", "Flashover at 30 s"}));
    }

    // Stacked: one graph a quantity, each on its own scale, with the ghost.
    void AllQuantitiesStacked() {
        Explored e;
        QTRY_VERIFY(e.Settled());
        e.Box()->setValue(40);
        QTRY_VERIFY(e.Settled());
        e.window->findChild<QCheckBox*>("chkStacked")->setChecked(true);
        for (int k = 0; k < 2; ++k) {
            auto* picture = e.window->findChild<GraphPicture*>(QString("picExplore(%1)").arg(k));
            QVERIFY(picture != nullptr);
            QVERIFY(picture->isVisible());
            QCOMPARE(picture->LegendTexts(), QStringList({"This run", "Previous"}));
            // Each value axis ends at the next multiple of its band's step
            // above its maximum: 40 m on a 45 m axis (steps of 5 below 50),
            // 80 m on a 100 m one (steps of 50 from 50).
            const double fraction = k == 0 ? 40.0 / 45 : 80.0 / 100;
            QCOMPARE(picture->Series().front().y(),
                     GraphPicture::FractionToLogical(0, fraction).y());
        }
        QCOMPARE(e.window->findChild<QLabel*>("lblYTitle(1)")->text(),
                 QString("Twice the size (m)"));
        QVERIFY(!e.window->findChild<GraphPicture*>("picExplore")->isVisible());
    }

    void AtMostFourRunsArePinned() {
        Explored e;
        auto* pin = e.window->findChild<QPushButton*>("cmdPin");
        auto* clear = e.window->findChild<QPushButton*>("cmdClearPins");
        for (int k = 0; k < 6; ++k) {
            e.Box()->setValue(20 + k);
            QTRY_VERIFY(e.Settled());
            pin->click();
        }
        QCOMPARE(e.window->PinnedCount(), 4);
        QVERIFY(!pin->isEnabled());
        // The runs after the fourth pin are seen against the previous one again.
        QCOMPARE(e.window->LegendTexts(),
                 QStringList({"This run", "Previous", "Pin 1: Size 20 m", "Pin 2: Size 21 m",
                              "Pin 3: Size 22 m", "Pin 4: Size 23 m"}));
        clear->click();
        QCOMPARE(e.window->PinnedCount(), 0);
        QVERIFY(pin->isEnabled());
        QCOMPARE(e.window->LegendTexts(), QStringList({"This run", "Previous"}));
    }
};

QTEST_MAIN(ExploreWindowTest)
#include "explore_window_test.moc"
