// Bringing an existing fire file back into QDOT-XW (File > Open Fire File…,
// the command line, a drop), and the t-squared form's growth classes.
#include "cli/fire_command.h"
#include "fire_generator/curves/fire_file_writer.h"
#include "common/ui/program_memory.h"
#include "generator_windows.h"
#include "tests/support/file_bytes.h"
#include "tests/support/file_drop_events.h"

#include <QAction>
#include <QComboBox>
#include <QFileInfo>
#include <QSettings>
#include <QStandardPaths>
#include <sstream>

using namespace vorla::generator;
using namespace vorla::generator::testing;

namespace {

const std::string kExamples = VORLA_EXAMPLES_DIR;

// The armchair example: four points, its name line and its description
// "Wood-frame armchair, cotton padding, 30 kg".
const std::string kArmchair = kExamples + "/armchair-wood-frame-30kg.fir";

} // namespace

class OpenFireTest : public QObject {
    Q_OBJECT

    QTemporaryDir settingsFolder_;

  private slots:
    void initTestCase() {
        // Settings go to a folder of the test, never the user's.
        QStandardPaths::setTestModeEnabled(true);
        QSettings::setDefaultFormat(QSettings::IniFormat);
        QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, settingsFolder_.path());
    }

    void OpenFireFileShowsTheCurveAndNamesTheFile() {
        Generator generator;
        generator.platform.ChooseInNextDialog(kArmchair);
        auto* open = Control<QAction>(generator.input, "mnuFileOpenFire");
        QCOMPARE(open->shortcut(), QKeySequence(QKeySequence::Open));
        open->trigger();

        const auto& dialog = generator.platform.FileDialogs().at(0).Request;
        QCOMPARE(dialog.Kind, vorla::ui::FileDialogKind::Open);
        QCOMPARE(dialog.Filter, std::string("QDOT-XW Files (*.fir)|*.fir|All files (*)|*"));
        QVERIFY(dialog.FileMustExist);

        QVERIFY(generator.Graph().isVisible());
        QVERIFY(!generator.input.isVisible());
        QCOMPARE(Label(&generator.Graph(), "lblPlotTitle")->text(),
                 QString("Wood-frame armchair, cotton padding, 30 kg"));
        QCOMPARE(TablePoints(generator.Module()),
                 QStringList({"0:0.0", "10:0.0", "784:302.4", "1558:0.0"}));
        // The highest point is drawn at 302.4 kW.
        QVERIFY(qAbs(PlottedValue(generator.Graph(), 2) - 302.4) < 0.5);
        QCOMPARE(Box(&generator.input, "txtFireFile")->text(), QString::fromStdString(kArmchair));
        QCOMPARE(Box(&generator.input, "txtDescription")->text(),
                 QString("Wood-frame armchair, cotton padding, 30 kg"));

        // The file is on disk as it is: Close asks nothing and goes back.
        Button(&generator.Graph(), "cmdClose")->click();
        QVERIFY(generator.platform.Messages().empty());
        QVERIFY(generator.input.isVisible());
    }

    void ItsPointsWaitInTheCustomForm() {
        Generator generator;
        QVERIFY(generator.input.OpenFile(kArmchair));
        Button(&generator.Graph(), "cmdClose")->click();
        generator.platform.AnswerNextQuestion(MessageButton::Yes); // the delay of 0 s
        Control<QLineEdit>(generator.input, "txtDelayTime")->setText("0");
        generator.CurveButton(CurveKind::Custom)->click();
        QWidget* form = Generator::CurveForm();
        QVERIFY(form);
        const QStringList times = {"0", "10", "784", "1558", ""};
        const QStringList rates = {"0", "0", "302.4", "0", ""};
        for (int i = 0; i < times.size(); ++i) {
            QCOMPARE(Box(form, QString("txtTime(%1)").arg(i))->text(), times[i]);
            QCOMPARE(Box(form, QString("txtQDOT(%1)").arg(i))->text(), rates[i]);
        }
        // Edited and kept: the peak raised to 400 kW.
        Box(form, "txtQDOT(2)")->setText("400");
        Button(form, "cmdOK")->click();
        QCOMPARE(TablePoints(generator.Module()),
                 QStringList({"0:0.0", "10:0.0", "784:400.0", "1558:0.0"}));
    }

    void EveryWayInOpensAGoodFileAndRefusesABadOne_data() {
        QTest::addColumn<QString>("how");
        QTest::addColumn<bool>("good");
        for (const QString how : {"command line", "drop on the form", "drop on a box"}) {
            QTest::addRow("%s, good", qPrintable(how)) << how << true;
            QTest::addRow("%s, bad", qPrintable(how)) << how << false;
        }
    }
    void EveryWayInOpensAGoodFileAndRefusesABadOne() {
        QFETCH(QString, how);
        QFETCH(bool, good);
        Generator generator;
        const QString bad = generator.FolderPath("bad.fir");
        QVERIFY(vorla::test_support::WriteFile(bad.toStdString(), "0 0 0\r\n10 ten 0\r\n"));
        const QString path = good ? QString::fromStdString(kArmchair) : bad;
        if (how == "command line") {
            QCOMPARE(generator.input.OpenFile(path.toStdString()), good);
        } else {
            QWidget* target = how == "drop on the form" ? static_cast<QWidget*>(&generator.input)
                                                        : Box(&generator.input, "txtHoC");
            const auto dropped = DropFile(target, path);
            QVERIFY(dropped.enterAccepted && dropped.dropAccepted);
        }
        if (good) {
            QVERIFY(generator.platform.Messages().empty());
            QVERIFY(generator.Graph().isVisible());
            QCOMPARE(generator.Module().LastPoint, 3);
            QCOMPARE(Box(&generator.input, "txtHoC")->text(), QString("12000")); // not the name
            return;
        }
        QCOMPARE(generator.platform.Messages().size(), std::size_t{1});
        QCOMPARE(Shown(generator.platform.Messages()[0]),
                 "QDOT-XW | The fire file " + bad + " is not valid: line 2 is not three numbers.");
        QCOMPARE(generator.platform.Messages()[0].Request.Icon, MessageIcon::Critical);
        QVERIFY(generator.input.isVisible());
        QVERIFY(!generator.Graph().isVisible());
        QCOMPARE(Box(&generator.input, "txtFireFile")->text(), QString());
    }

    // With the program's memory as main() attaches it: a fire file opened and
    // one saved from the graph both go to the top of Recent Files.
    void FilesOpenedAndSavedGoToRecentFiles() {
        QSettings().clear();
        Generator generator;
        vorla::ui::ProgramMemory memory(generator.platform);
        memory.Attach(
            generator.input, "QDOT-XW",
            [&generator](const std::string& path) { return generator.input.OpenFile(path); },
            generator.input.WhenFileOpened, generator.input.WhenFileSaved);
        QVERIFY(generator.input.OpenFile(kArmchair));
        QCOMPARE(vorla::ui::ProgramSettings().RecentFiles(),
                 QStringList({QFileInfo(QString::fromStdString(kArmchair)).absoluteFilePath()}));
        Button(&generator.Graph(), "cmdClose")->click();

        QWidget* form = generator.Open(CurveKind::TSquared, "10");
        QVERIFY(TypeInto(form, {"txtAlpha=0.0111", "txtTMax=300", "txtTEnd=600"}));
        Button(form, "cmdOK")->click();
        Button(&generator.Graph(), "cmdSave")->click();
        const QString saved = generator.FolderPath("TEST.FIR");
        QVERIFY(QFile::exists(saved));
        QCOMPARE(vorla::ui::ProgramSettings().RecentFiles().value(0), saved);
        QCOMPARE(vorla::ui::ProgramSettings().RecentFiles().size(), 2);
    }

    // Each kind of curve as `vorla fire` writes it, opened, taken through the
    // custom form unchanged and saved under the same name in another folder:
    // the very same bytes, whatever units the form shows.
    void AFireFileOpenedAndSavedUnchangedIsTheSameFile_data() {
        QTest::addColumn<QStringList>("options");
        QTest::addColumn<bool>("usForm");
        const QStringList tsquared = {"tsquared", "--heat-of-combustion",
                                      "20000",    "--delay",
                                      "30",       "--alpha",
                                      "0.0111",   "--t-max",
                                      "300",      "--t-end",
                                      "900"};
        QTest::newRow("t-squared") << tsquared << false;
        QTest::newRow("t-squared, U.S. form") << tsquared << true;
        QTest::newRow("semi-universal")
            << QStringList{"universal", "--heat-of-combustion", "25100", "--t-end", "600"} << false;
        QTest::newRow("pool")
            << QStringList{"pool", "--mass-loss-rate",     "0.039", "--k-beta", "0.7", "--diameter",
                           "1",    "--heat-of-combustion", "43700", "--t-end",  "600"}
            << false;
        QTest::newRow("furniture, U.S.")
            << QStringList{"furniture", "--units", "us", "--mass", "20"} << false;
        QTest::newRow("custom, U.S.")
            << QStringList{"custom", "--units",  "us",    "--heat-of-combustion",
                           "18000",  "--points", "POINTS"}
            << true;
    }
    void AFireFileOpenedAndSavedUnchangedIsTheSameFile() {
        QFETCH(QStringList, options);
        QFETCH(bool, usForm);
        Generator generator;
        QVERIFY(QDir().mkpath(generator.FolderPath("batch")));
        QVERIFY(QDir().mkpath(generator.FolderPath("again")));
        const std::string points = generator.FolderPath("points.txt").toStdString();
        QVERIFY(vorla::test_support::WriteFile(points, "0 0\n60 37.3\n300 998.77\n600 0\n"));
        std::vector<std::string> args;
        for (const QString& option : options) {
            args.push_back(option == "POINTS" ? points : option.toStdString());
        }
        const QString batch = generator.FolderPath("batch/CURVE.FIR");
        args.insert(args.end(), {"--description", "Round trip", "--date", vorla::TodayShortDate(),
                                 "-o", batch.toStdString()});
        std::ostringstream out, err;
        QCOMPARE(vorla::cli::RunFireCommand(args, out, err), 0);

        if (usForm) {
            generator.SwitchToUSUnits();
        }
        QVERIFY(generator.input.OpenFile(batch.toStdString()));
        Button(&generator.Graph(), "cmdClose")->click();
        const QString again = generator.FolderPath("again/CURVE.FIR");
        Box(&generator.input, "txtFireFile")->setText(again);
        Box(&generator.input, "txtDelayTime")->setText("0");
        generator.platform.AnswerNextQuestion(MessageButton::Yes); // the delay of 0 s
        generator.CurveButton(CurveKind::Custom)->click();
        QWidget* form = Generator::CurveForm();
        QVERIFY(form);
        Button(form, "cmdOK")->click();
        QVERIFY(generator.Graph().isVisible());
        Button(&generator.Graph(), "cmdSave")->click();
        QVERIFY(generator.platform.Problems().empty());
        QCOMPARE(vorla::test_support::ReadFile(again.toStdString()),
                 vorla::test_support::ReadFile(batch.toStdString()));
    }

    void AFileWithMorePointsThanTheTableIsRefusedByName() {
        Generator generator;
        std::string text;
        for (int i = 0; i < 1900; ++i) {
            text += std::to_string(i) + " 10 0\r\n";
        }
        const QString path = generator.FolderPath("long.fir");
        QVERIFY(vorla::test_support::WriteFile(path.toStdString(), text + "-9 -9 -9\r\n"));
        QVERIFY(!generator.input.OpenFile(path.toStdString()));
        QCOMPARE(generator.platform.Messages().size(), std::size_t{1});
        QCOMPARE(Shown(generator.platform.Messages()[0]),
                 "QDOT-XW | The fire file " + path +
                     " has 1900 points; QDOT-XW holds at most 1801, so it is not opened.");
        QVERIFY(generator.input.isVisible());
        QVERIFY(!generator.Graph().isVisible());
        QCOMPARE(Box(&generator.input, "txtFireFile")->text(), QString());
    }

    void AGrowthClassFillsAlphaAndTypingGoesBackToCustom_data() {
        QTest::addColumn<bool>("us");
        QTest::addColumn<QStringList>("alphas"); // slow, medium, fast, ultra-fast
        // 1055 kW / t² for 600, 300, 150 and 75 s, to four figures; in the
        // forms' Btu/s (1.055 kW) 1000 / t².
        QTest::newRow("S.I.") << false << QStringList{"0.002931", "0.01172", "0.04689", "0.1876"};
        QTest::newRow("U.S.") << true << QStringList{"0.002778", "0.01111", "0.04444", "0.1778"};
    }
    void AGrowthClassFillsAlphaAndTypingGoesBackToCustom() {
        QFETCH(bool, us);
        QFETCH(QStringList, alphas);
        Generator generator;
        if (us) {
            generator.SwitchToUSUnits();
        }
        QWidget* form = generator.Open(CurveKind::TSquared, "10");
        QVERIFY(form);
        auto* growth = Control<QComboBox>(form, "cboGrowthClass");
        QCOMPARE(growth->currentText(), QString("Custom"));
        QCOMPARE(growth->count(), 5);
        for (int k = 0; k < 4; ++k) {
            growth->setCurrentIndex(k + 1);
            emit growth->activated(k + 1);
            QCOMPARE(Box(form, "txtAlpha")->text(), alphas[k]);
        }
        // Typing a value of one's own leaves the classes.
        QTest::keyClick(Box(form, "txtAlpha"), Qt::Key_Backspace);
        QCOMPARE(growth->currentText(), QString("Custom"));
        // The growth factor chosen builds the curve: fast reaches 1055 kW
        // (1000 Btu/s) at 150 s.
        growth->setCurrentIndex(3);
        emit growth->activated(3);
        QVERIFY(TypeInto(form, {"txtTMax=150", "txtTEnd=300"}));
        Button(form, "cmdOK")->click();
        QVERIFY(generator.Graph().isVisible());
        int at150 = 0;
        while (at150 < generator.Module().LastPoint && generator.Module().FireTime[at150] < 160) {
            ++at150;
        }
        // Ignition after the 10 s delay: 150 s of growth ends at 160 s.
        QCOMPARE(generator.Module().FireTime[at150], std::int16_t{160});
        QVERIFY(qAbs(generator.Module().FireRate[at150] - 1055.0) < 1.0);
    }
};

QTEST_MAIN(OpenFireTest)
#include "open_fire_test.moc"
