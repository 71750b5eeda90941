// Editing a fire in QDOT-XW from start to end as a user does: a fire file
// opened, edited in the custom form, left unsaved and taken up again; Save As…
// in the graph window; a new curve after an opened file; the t-squared curve
// that ends before its maximum.
#include "fire_generator/curves/custom_fire.h"
#include "generator_windows.h"
#include "tests/support/file_bytes.h"

#include <QFile>

using namespace vorla::generator;
using namespace vorla::generator::testing;

namespace {

const std::string kExamples = VORLA_EXAMPLES_DIR;

// The rows of the custom form's page as "time:rate".
QStringList PageRows(const QWidget* form) {
    QStringList rows;
    for (int i = 0; i < kCustomRowsPerPage; ++i) {
        rows << Control<QLineEdit>(form, Element("txtTime", i))->text() + ":" +
                    Control<QLineEdit>(form, Element("txtQDOT", i))->text();
    }
    return rows;
}

// The first page of examples/office-workstation.fir, point 10 at `rate10` kW.
QStringList OfficeFirstPage(const QString& rate10) {
    return {"0:0",      "60:50",    "120:150",  "180:400",  "240:1000",
            "300:2000", "360:3500", "420:4800", "480:5600", "540:" + rate10};
}

} // namespace

class EditingTest : public QObject {
    Q_OBJECT

    // A copy of the office example in the test's folder, opened: the graph
    // shows it, closed again to the main form.
    static std::string OpenOffice(Generator& generator) {
        const std::string path = generator.FolderPath("OFFICE.FIR").toStdString();
        if (!QFile::copy(QString::fromStdString(kExamples + "/office-workstation.fir"),
                         QString::fromStdString(path)) ||
            !generator.input.OpenFile(path)) {
            qWarning("the office example was not opened");
        }
        Button(&generator.Graph(), "cmdClose")->click();
        return path;
    }

    // Custom Fire from the main form as it stands; Yes to a zero delay.
    static QWidget* PressCustom(Generator& generator) {
        if (Box(&generator.input, "txtDelayTime")->text() == "0") {
            generator.platform.AnswerNextQuestion(MessageButton::Yes);
        }
        generator.CurveButton(CurveKind::Custom)->click();
        return Generator::CurveForm();
    }

  private slots:
    // The path of issue 21: edit point 10, OK, Save, No to "replace?", Close,
    // No to saving. Nothing is written, and the edits are still there.
    void EditsStayUntilTheUserDiscardsThem() {
        Generator generator;
        const std::string path = OpenOffice(generator);
        const std::string before = vorla::test_support::ReadFile(path);
        QWidget* form = PressCustom(generator);
        QVERIFY(form);
        QCOMPARE(PageRows(form), OfficeFirstPage("5200"));
        Box(form, "txtQDOT(9)")->setText("5300");
        Button(form, "cmdOK")->click();
        QVERIFY(generator.Graph().isVisible());

        generator.platform.AnswerNextQuestion(MessageButton::No);
        Button(&generator.Graph(), "cmdSave")->click();
        QCOMPARE(generator.platform.Messages().back().Request.Text,
                 path + " already exists.\nDo you want to replace it?");
        // No: back on the graph, the curve unsaved and unchanged, the file too.
        QVERIFY(generator.Graph().isVisible());
        QVERIFY(!Generator::Saved());
        QCOMPARE(vorla::test_support::ReadFile(path), before);
        QCOMPARE(TablePoints(generator.Module()).value(9), QString("540:5300.0"));

        generator.platform.AnswerNextQuestion(MessageButton::No);
        Button(&generator.Graph(), "cmdClose")->click();
        QVERIFY(generator.input.isVisible());

        form = PressCustom(generator);
        QVERIFY(form);
        QCOMPARE(PageRows(form), OfficeFirstPage("5300"));
        Button(form, "cmdNextTen")->click();
        QCOMPARE(PageRows(form).mid(0, 5),
                 QStringList({"600:4000", "720:2500", "900:1200", "1200:400", "1500:0"}));
        Button(form, "cmdOK")->click();
        QCOMPARE(generator.Module().LastPoint, 14);
        QVERIFY(generator.platform.Problems().empty());
    }

    // Points typed from empty rows are the custom form's next start as well.
    void TypedPointsAreTheNextStartToo() {
        Generator generator;
        QWidget* form = generator.Open(CurveKind::Custom, "30");
        QVERIFY(TypeInto(form, {"txtTime(2)=90", "txtQDOT(2)=500"}));
        Button(form, "cmdOK")->click();
        generator.platform.AnswerNextQuestion(MessageButton::No);
        Button(&generator.Graph(), "cmdClose")->click();
        form = generator.Open(CurveKind::Custom, "30");
        QCOMPARE(PageRows(form).mid(0, 4), QStringList({"0:0", "30:0", "90:500", ":"}));
        Button(form, "cmdCancel")->click(); // "Do you really want to cancel?": No by default
    }

    // Save As… names the curve anew: the dialog starts from the current name,
    // an existing file is replaced only after Save's own question, and the new
    // name is the main form's and the file's name line.
    void SaveAsWritesUnderANewNameAfterTheSameQuestion_data() {
        QTest::addColumn<bool>("exists");
        QTest::addColumn<QString>("answer"); // to "replace?", when asked
        QTest::addColumn<bool>("written");
        QTest::newRow("a new name") << false << "" << true;
        QTest::newRow("an existing file, Yes") << true << "Yes" << true;
        QTest::newRow("an existing file, No") << true << "No" << false;
    }
    void SaveAsWritesUnderANewNameAfterTheSameQuestion() {
        QFETCH(bool, exists);
        QFETCH(QString, answer);
        QFETCH(bool, written);
        Generator generator;
        QWidget* form = generator.Open(CurveKind::TSquared, "10");
        QVERIFY(TypeInto(form, {"txtAlpha=0.01172", "txtTMax=300", "txtTEnd=600"}));
        Button(form, "cmdOK")->click();
        const QString other = generator.FolderPath("OTHER.FIR");
        if (exists) {
            QVERIFY(vorla::test_support::WriteFile(other.toStdString(), "old"));
        }
        generator.platform.ChooseInNextDialog(other.toStdString());
        if (!answer.isEmpty()) {
            generator.platform.AnswerNextQuestion(answer == "Yes" ? MessageButton::Yes
                                                                  : MessageButton::No);
        }
        Button(&generator.Graph(), "cmdSaveAs")->click();

        const auto& dialog = generator.platform.FileDialogs().back().Request;
        QCOMPARE(dialog.Kind, vorla::ui::FileDialogKind::SaveAs);
        QCOMPARE(QString::fromStdString(dialog.InitialFileName), generator.FolderPath("TEST.FIR"));
        QCOMPARE(generator.platform.Messages().size(), std::size_t(exists ? 1 : 0));
        if (exists) {
            QCOMPARE(QString::fromStdString(generator.platform.Messages()[0].Request.Text),
                     other + " already exists.\nDo you want to replace it?");
        }
        const std::string text = vorla::test_support::ReadFile(other.toStdString());
        QCOMPARE(Generator::Saved(), written);
        QVERIFY(!QFile::exists(generator.FolderPath("TEST.FIR")));
        QVERIFY(generator.Graph().isVisible());
        if (written) {
            QVERIFY(QString::fromStdString(text).contains("\nOTHER.FIR "));
            QCOMPARE(Box(&generator.input, "txtFireFile")->text(), other);
            // The curve's name from then on: the next Save goes there.
            QCOMPARE(QString::fromStdString(generator.Module().FireFileName), other);
        } else {
            QCOMPARE(text, std::string(exists ? "old" : ""));
            QCOMPARE(Box(&generator.input, "txtFireFile")->text(),
                     generator.FolderPath("TEST.FIR"));
        }
        QVERIFY(generator.platform.Problems().empty());
    }

    // A cancelled dialog and a write that fails leave the curve unsaved under
    // its name.
    void SaveAsThatKeepsNothingLeavesTheCurveUnsaved() {
        Generator generator;
        QWidget* form = generator.Open(CurveKind::TSquared, "10");
        QVERIFY(TypeInto(form, {"txtAlpha=0.01172", "txtTMax=300", "txtTEnd=600"}));
        Button(form, "cmdOK")->click();
        generator.platform.CancelNextDialog();
        Button(&generator.Graph(), "cmdSaveAs")->click();
        QVERIFY(!Generator::Saved());
        QVERIFY(generator.platform.Messages().empty());

        const QString nowhere = generator.FolderPath("no such folder/X.FIR");
        generator.platform.ChooseInNextDialog(nowhere.toStdString());
        Button(&generator.Graph(), "cmdSaveAs")->click();
        QVERIFY(!Generator::Saved());
        QCOMPARE(generator.platform.Messages().size(), std::size_t(1));
        QVERIFY(QString::fromStdString(generator.platform.Messages()[0].Request.Text)
                    .contains(nowhere));
        QCOMPARE(QString::fromStdString(generator.Module().FireFileName),
                 generator.FolderPath("TEST.FIR"));
        QCOMPARE(Box(&generator.input, "txtFireFile")->text(), generator.FolderPath("TEST.FIR"));
    }

    // A fire file's description and delay are its own: opening one shows its
    // delay, and a curve of another kind starts without them.
    void ANewCurveStartsFromItsOwnDefaults() {
        Generator generator;
        generator.FillMainForm("Earlier fire", generator.FolderPath("EARLIER.FIR"), "12000", "30");
        QVERIFY(generator.input.OpenFile(kExamples + "/tsquared-slow-1mw-delay-60s.fir"));
        QCOMPARE(Box(&generator.input, "txtDelayTime")->text(), QString("60"));
        Button(&generator.Graph(), "cmdClose")->click();
        const QString opened = Box(&generator.input, "txtDescription")->text();
        QVERIFY(!opened.isEmpty());

        QVERIFY(generator.input.OpenFile(kExamples + "/office-workstation.fir"));
        QCOMPARE(Box(&generator.input, "txtDelayTime")->text(), QString("0"));
        Button(&generator.Graph(), "cmdClose")->click();
        // T-Squared: the file's description is not this curve's, so the
        // description question comes first; Yes goes back to the box.
        generator.platform.AnswerNextQuestion(MessageButton::Yes);
        generator.CurveButton(CurveKind::TSquared)->click();
        QCOMPARE(Shown(generator.platform.Messages().back()),
                 QString("QDOT-XW: Input Data Check | Do you want to provide a description?"));
        QVERIFY(Generator::CurveForm() == nullptr);
        QCOMPARE(Box(&generator.input, "txtDescription")->text(), QString());
        QCOMPARE(FocusIn(&generator.input), QString("txtDescription"));

        // What the user types is theirs from then on.
        Box(&generator.input, "txtDescription")->setText("Ultra-fast to 16.9 MW");
        Box(&generator.input, "txtDelayTime")->setText("30");
        generator.CurveButton(CurveKind::TSquared)->click();
        QWidget* form = Generator::CurveForm();
        QVERIFY(form);
        QVERIFY(TypeInto(form, {"txtAlpha=0.1876", "txtTMax=300", "txtTEnd=600"}));
        Button(form, "cmdOK")->click();
        QCOMPARE(generator.Module().FireDescription, std::string("Ultra-fast to 16.9 MW"));
        QCOMPARE(generator.Module().FireTime[1], std::int16_t(30));
        QVERIFY(generator.platform.Problems().empty());
    }

    // The custom form after an opened file keeps the file's description: it
    // continues that curve.
    void TheCustomFormContinuingAFileKeepsItsDescription() {
        Generator generator;
        OpenOffice(generator);
        QWidget* form = PressCustom(generator);
        QVERIFY(form);
        QCOMPARE(Box(&generator.input, "txtDescription")->text(), QString("Office workstation"));
        Button(form, "cmdOK")->click();
        QCOMPARE(generator.Module().FireDescription, std::string("Office workstation"));
    }

    // A t-squared end before the time to the maximum is said, naming the
    // values; No builds nothing and goes to the end time, Yes builds it.
    void ATSquaredEndBeforeItsMaximumIsSaid_data() {
        QTest::addColumn<QString>("units");
        QTest::addColumn<QString>("alpha");
        QTest::addColumn<QString>("answer");
        // 0.01172 * 200² = 468.8 kW, * 300² = 1054.8 kW; in U.S. units
        // 0.0111085 * 200² = 444.3 Btu/s, * 300² = 999.8 Btu/s.
        QTest::newRow("S.I., No") << "SI"
                                  << "0.01172"
                                  << "No";
        QTest::newRow("S.I., Yes") << "SI"
                                   << "0.01172"
                                   << "Yes";
        QTest::newRow("U.S., No") << "US"
                                  << "0.0111085"
                                  << "No";
    }
    void ATSquaredEndBeforeItsMaximumIsSaid() {
        QFETCH(QString, units);
        QFETCH(QString, alpha);
        QFETCH(QString, answer);
        Generator generator;
        if (units == "US") {
            generator.SwitchToUSUnits();
        }
        QWidget* form = generator.Open(CurveKind::TSquared, "10");
        QVERIFY(TypeInto(form, {"txtAlpha=" + alpha, "txtTMax=300", "txtTEnd=200"}));
        generator.platform.AnswerNextQuestion(answer == "Yes" ? MessageButton::Yes
                                                              : MessageButton::No);
        Button(form, "cmdOK")->click();
        QCOMPARE(generator.platform.Messages().size(), std::size_t(1));
        const QString text = QString::fromStdString(generator.platform.Messages()[0].Request.Text);
        const QString unit = units == "US" ? "Btu/s" : "kW";
        const QString reached = units == "US" ? "444.3" : "468.8";
        const QString maximum = units == "US" ? "999.8" : "1054.8";
        QCOMPARE(text, "The curve ends 200 s after ignition, before the time to maximum QDOT of "
                       "300 s: it rises to no more than " +
                           reached + " " + unit + " and never reaches its maximum of " + maximum +
                           " " + unit + ". Build it anyway?");
        if (answer == "No") {
            QCOMPARE(Generator::CurveForm(), form);
            QCOMPARE(FocusIn(form), QString("txtTEnd"));
            QCOMPARE(generator.Module().LastPoint, 0);
        } else {
            QVERIFY(generator.Graph().isVisible());
            // 10 s of delay, then a point every 5 s to 200 s after ignition.
            QCOMPARE(generator.Module().LastPoint, 41);
        }
    }

    // An end at or after the maximum, or an entry OK refuses anyway, asks
    // nothing more.
    void NoQuestionWhenTheMaximumIsReachedOrAnEntryIsRefused_data() {
        QTest::addColumn<QStringList>("entries");
        QTest::addColumn<int>("messages");
        QTest::newRow("end at the maximum")
            << QStringList{"txtAlpha=0.01", "txtTMax=300", "txtTEnd=300"} << 0;
        QTest::newRow("end after it")
            << QStringList{"txtAlpha=0.01", "txtTMax=300", "txtTEnd=301"} << 0;
        QTest::newRow("alpha refused")
            << QStringList{"txtAlpha=0", "txtTMax=300", "txtTEnd=200"} << 1;
        QTest::newRow("end refused")
            << QStringList{"txtAlpha=0.01", "txtTMax=30000", "txtTEnd=9001"} << 1;
    }
    void NoQuestionWhenTheMaximumIsReachedOrAnEntryIsRefused() {
        QFETCH(QStringList, entries);
        QFETCH(int, messages);
        Generator generator;
        QWidget* form = generator.Open(CurveKind::TSquared, "10");
        QVERIFY(TypeInto(form, entries));
        Button(form, "cmdOK")->click();
        QCOMPARE(int(generator.platform.Messages().size()), messages);
        for (const auto& shown : generator.platform.Messages()) {
            QVERIFY(shown.Request.Buttons == MessageButtons::Ok);
        }
    }
};

QTEST_MAIN(EditingTest)
#include "editing_test.moc"
