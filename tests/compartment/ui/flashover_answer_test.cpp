// The flashover question's "Do not ask again": asked by default, remembered as
// stop or continue once checked, and given without asking on the next Runs.
#include "common/ui/program_memory.h"
#include "common/ui/program_settings.h"
#include "program_fixture.h"
#include "tests/support/window_controls.h"

#include <QComboBox>
#include <QPlainTextEdit>
#include <QSettings>
#include <QStandardPaths>
#include <QTemporaryDir>

using namespace vorla::compartment;
using namespace vorla::compartment::testing;
using vorla::ui::FlashoverAnswer;
using vorla::ui::ProgramSettings;

namespace {

QString LastLine(const QWidget& report) {
    return Control<QPlainTextEdit>(report, "txtDataColumns")->toPlainText().split('\n').back();
}

// The small room where the rising fire brings flashover at 122 s; the report's
// last line, once the run is over and its report closed.
QString RunToFlashover(Program& program) {
    program.FillRoom(program.WriteFile("RAMP.FIR", kRampFire), "300", "10");
    QWidget* report = program.Run();
    if (report == nullptr) {
        return "(no report)";
    }
    const QString last = LastLine(*report);
    program.platform.AnswerNextQuestion(MessageButton::No); // close: do not save
    Control<QPushButton>(report, "cmdClose")->click();
    Program::Settle();
    return last;
}

const QString kStopped = "FLASHOVER OCCURRED - RUN TERMINATED BY USER";
const QString kWentOn = "END OF INPUT FIRE";

} // namespace

class FlashoverAnswerTest : public QObject {
    Q_OBJECT

    QTemporaryDir settingsFolder_;

  private slots:
    void initTestCase() {
        vorla::test_support::UseTestSettings("vorla-xw", settingsFolder_.path());
    }
    void init() { QSettings().clear(); }

    void TheQuestionIsAskedByDefaultWithItsCheckBoxLeftUnchecked() {
        Program program;
        program.platform.AnswerNextQuestion(MessageButton::No); // go on
        QCOMPARE(RunToFlashover(program), kWentOn);
        program.platform.AnswerNextQuestion(MessageButton::Yes); // stop, this time
        QCOMPARE(RunToFlashover(program), kStopped);
        const auto& shown = program.platform.Messages();
        QCOMPARE(shown.size(), std::size_t{4}); // two flashover questions, two save questions
        QCOMPARE(shown[0].Request.Text,
                 std::string("Flashover occurred at 122 seconds.  Terminate simulation?"));
        QCOMPARE(shown[0].Request.CheckBoxText, std::string("&Do not ask again"));
        QCOMPARE(shown[2].Request.Title, std::string("VORLA-XW: Flashover"));
        QCOMPARE(ProgramSettings().FlashoverAnswerPreference(), FlashoverAnswer::Ask);
    }

    // One row a remembered answer: checked with Yes (stop) or No (go on), the
    // next Run is not asked and ends as the answer said.
    void ACheckedAnswerIsGivenWithoutAskingNextTime_data() {
        QTest::addColumn<MessageButton>("answer");
        QTest::addColumn<QString>("lastLine");
        QTest::addColumn<FlashoverAnswer>("remembered");
        QTest::newRow("continue") << MessageButton::No << kWentOn << FlashoverAnswer::Continue;
        QTest::newRow("stop") << MessageButton::Yes << kStopped << FlashoverAnswer::Stop;
    }
    void ACheckedAnswerIsGivenWithoutAskingNextTime() {
        QFETCH(MessageButton, answer);
        QFETCH(QString, lastLine);
        QFETCH(FlashoverAnswer, remembered);
        Program program;
        program.platform.AnswerNextQuestion(answer);
        program.platform.CheckNextCheckBox();
        QCOMPARE(RunToFlashover(program), lastLine);
        QCOMPARE(ProgramSettings().FlashoverAnswerPreference(), remembered);
        program.platform.ClearRecords();

        QCOMPARE(RunToFlashover(program), lastLine);
        // Only the save question on closing: no flashover question.
        QCOMPARE(program.platform.Messages().size(), std::size_t{1});
        QCOMPARE(program.platform.Messages()[0].Request.Title, std::string("VORLA-XW: Save Data?"));
        QVERIFY(program.platform.Problems().empty());
    }

    // A remembered answer set back to asking (as Preferences... does) is asked
    // again; one set to stop stops a run the user had let go on.
    void AnAnswerChangedInTheSettingsIsFollowed() {
        Program program;
        program.platform.AnswerNextQuestion(MessageButton::No);
        program.platform.CheckNextCheckBox();
        QCOMPARE(RunToFlashover(program), kWentOn);

        ProgramSettings().SetFlashoverAnswerPreference(FlashoverAnswer::Ask);
        program.platform.ClearRecords();
        program.platform.AnswerNextQuestion(MessageButton::No);
        QCOMPARE(RunToFlashover(program), kWentOn);
        QCOMPARE(program.platform.Messages().size(), std::size_t{2});

        ProgramSettings().SetFlashoverAnswerPreference(FlashoverAnswer::Stop);
        program.platform.ClearRecords();
        QCOMPARE(RunToFlashover(program), kStopped);
        QCOMPARE(program.platform.Messages().size(), std::size_t{1}); // the save question
    }

    // The same through File > Preferences…: "Ask" after a remembered answer
    // asks again, "Always stop" stops without asking.
    void TheAnswerChosenInPreferencesIsFollowed_data() {
        QTest::addColumn<QString>("choice");
        QTest::addColumn<QString>("lastLine");
        QTest::addColumn<int>("questions"); // the flashover question and the save question
        QTest::newRow("ask") << "Ask" << kWentOn << 2;
        QTest::newRow("always stop") << "Always stop" << kStopped << 1;
    }
    void TheAnswerChosenInPreferencesIsFollowed() {
        QFETCH(QString, choice);
        QFETCH(QString, lastLine);
        QFETCH(int, questions);
        Program program;
        vorla::ui::ProgramMemory memory(program.platform);
        memory.AddPreferences(*program.input, "VORLA-XW", true);
        program.platform.AnswerNextQuestion(MessageButton::No);
        program.platform.CheckNextCheckBox();
        QCOMPARE(RunToFlashover(program), kWentOn); // remembered: continue

        Trigger(program.input, "mnuFilePreferences");
        QWidget* dialog = VisibleWindow("dlgPreferences");
        QVERIFY(dialog);
        auto* answer = Control<QComboBox>(dialog, "cboFlashoverAnswer");
        QCOMPARE(answer->currentText(), QString("Always continue"));
        answer->setCurrentIndex(answer->findText(choice));
        Click(dialog, "cmdOK");
        Program::Settle();

        program.platform.ClearRecords();
        program.platform.AnswerNextQuestion(MessageButton::No); // asked: go on
        QCOMPARE(RunToFlashover(program), lastLine);
        QCOMPARE(int(program.platform.Messages().size()), questions);
    }
};

QTEST_MAIN(FlashoverAnswerTest)
#include "flashover_answer_test.moc"
