// File > Preferences… and its dialog, and the Help menu, round-tripped through a settings file in
// a temporary folder: the user's own settings are never read or written.
#include "common/suite_version.h"
#include "common/ui/fake_platform.h"
#include "common/ui/program_memory.h"
#include "tests/support/access_keys.h"
#include "tests/support/window_controls.h"

#include <QApplication>
#include <QComboBox>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QSettings>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QtTest>

using namespace vorla::ui;
using namespace vorla::test_support;

namespace {

// A main window with the models' File menu: New, a line, Exit.
struct Program {
    QTemporaryDir folder;
    FakePlatform platform{folder.filePath("DATA").toStdString()};
    ProgramMemory memory{platform};
    QMainWindow window;
    QAction* preferences = nullptr;

    explicit Program(bool asksFlashover) {
        QMenu* file = window.menuBar()->addMenu("File");
        file->setObjectName("mnuFile");
        file->addAction("&New")->setObjectName("mnuFileNew");
        file->addSeparator()->setObjectName("mnuFileBar1");
        file->addAction("&Exit")->setObjectName("mnuFileExit");
        preferences = memory.AddPreferences(window, "VORLA-XW", asksFlashover);
        window.show();
    }

    QWidget* Open() {
        preferences->trigger();
        return VisibleWindow("dlgPreferences");
    }
};

QString Shown(const QWidget* dialog, const char* box) {
    return Control<QComboBox>(dialog, box)->currentText();
}

void Choose(const QWidget* dialog, const char* box, const QString& text) {
    auto* combo = Control<QComboBox>(dialog, box);
    combo->setCurrentIndex(combo->findText(text));
}

} // namespace

class PreferencesDialogTest : public QObject {
    Q_OBJECT

    QTemporaryDir settingsFolder_;

  private slots:
    void initTestCase() {
        QStandardPaths::setTestModeEnabled(true);
        QSettings::setDefaultFormat(QSettings::IniFormat);
        QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, settingsFolder_.path());
        QCoreApplication::setOrganizationName("VORLA");
        QCoreApplication::setApplicationName("preferences-test");
    }
    void init() { QSettings().clear(); }
    void cleanup() {
        for (QWidget* window : QApplication::topLevelWidgets()) {
            if (window->objectName() == "dlgPreferences") {
                window->close();
            }
        }
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }

    void TheItemStandsAboveExitsLineWithItsShortcutShown() {
        Program program(true);
        QCOMPARE(program.preferences->text(), QString("&Preferences\u2026"));
        QCOMPARE(program.preferences->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_Comma));
        QVERIFY(program.preferences->isShortcutVisibleInContextMenu());
        const auto actions = Control<QMenu>(&program.window, "mnuFile")->actions();
        const auto at = actions.indexOf(program.preferences);
        QVERIFY(at >= 0);
        QCOMPARE(actions[at + 1]->objectName(), QString("mnuFileBar1"));
    }

    void WithNothingSavedTheDialogShowsTheDefaults() {
        Program program(true);
        QWidget* dialog = program.Open();
        QVERIFY(dialog);
        QCOMPARE(dialog->windowTitle(), QString("VORLA-XW: Preferences"));
        QCOMPARE(Shown(dialog, "cboFlashoverAnswer"), QString("Ask"));
        QCOMPARE(Shown(dialog, "cboUnits"), QString("S.I."));
        QCOMPARE(Shown(dialog, "cboGraphTheme"), QString("Dark"));
        QCOMPARE(Shown(dialog, "cboTimeAxisUnit"), QString("min"));
    }

    // One row a set of choices: OK writes them as the settings file spells
    // them, and the dialog opened again shows them.
    void OKKeepsEveryChoice_data() {
        QTest::addColumn<QString>("flashover");
        QTest::addColumn<QString>("units");
        QTest::addColumn<QString>("theme");
        QTest::addColumn<QString>("timeUnit");
        QTest::addColumn<QStringList>("saved"); // flashoverAnswer, units, graphTheme, timeAxisUnit
        QTest::newRow("stop, U.S., light, s") << "Always stop"
                                              << "U.S."
                                              << "Light"
                                              << "s" << QStringList{"stop", "US", "light", "s"};
        QTest::newRow("continue, S.I., dark, min")
            << "Always continue"
            << "S.I."
            << "Dark"
            << "min" << QStringList{"continue", "SI", "dark", "min"};
        QTest::newRow("ask, U.S., dark, s") << "Ask"
                                            << "U.S."
                                            << "Dark"
                                            << "s" << QStringList{"ask", "US", "dark", "s"};
    }
    void OKKeepsEveryChoice() {
        QFETCH(QString, flashover);
        QFETCH(QString, units);
        QFETCH(QString, theme);
        QFETCH(QString, timeUnit);
        QFETCH(QStringList, saved);
        Program program(true);
        QWidget* dialog = program.Open();
        QVERIFY(dialog);
        Choose(dialog, "cboFlashoverAnswer", flashover);
        Choose(dialog, "cboUnits", units);
        Choose(dialog, "cboGraphTheme", theme);
        Choose(dialog, "cboTimeAxisUnit", timeUnit);
        Click(dialog, "cmdOK");
        QVERIFY(!dialog->isVisible());

        const QSettings file;
        QCOMPARE(QStringList({file.value("preferences/flashoverAnswer").toString(),
                              file.value("units").toString(),
                              file.value("preferences/graphTheme").toString(),
                              file.value("preferences/timeAxisUnit").toString()}),
                 saved);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);

        QWidget* again = program.Open();
        QVERIFY(again);
        QCOMPARE(Shown(again, "cboFlashoverAnswer"), flashover);
        QCOMPARE(Shown(again, "cboUnits"), units);
        QCOMPARE(Shown(again, "cboGraphTheme"), theme);
        QCOMPARE(Shown(again, "cboTimeAxisUnit"), timeUnit);
    }

    void CancelLeavesTheSettingsAsTheyWere() {
        Program program(true);
        QWidget* dialog = program.Open();
        QVERIFY(dialog);
        Choose(dialog, "cboFlashoverAnswer", "Always stop");
        Choose(dialog, "cboGraphTheme", "Light");
        Click(dialog, "cmdCancel");
        QVERIFY(!dialog->isVisible());
        QVERIFY(!QSettings().contains("preferences/flashoverAnswer"));
        QVERIFY(!QSettings().contains("preferences/graphTheme"));
    }

    void AProgramWithoutTheFlashoverQuestionDoesNotOfferItsAnswer() {
        Program program(false);
        QWidget* dialog = program.Open();
        QVERIFY(dialog);
        QVERIFY(dialog->findChild<QComboBox*>("cboFlashoverAnswer") == nullptr);
        Choose(dialog, "cboTimeAxisUnit", "s");
        Click(dialog, "cmdOK");
        QVERIFY(!QSettings().contains("preferences/flashoverAnswer"));
        QCOMPARE(QSettings().value("preferences/timeAxisUnit").toString(), QString("s"));
    }

    // F1 opens the installed guide at the program's section, through the
    // platform (no browser starts); Verification and Validation its document.
    void HelpOpensTheInstalledDocuments() {
        Program program(true);
        QTemporaryDir docs;
        QDir(docs.path()).mkpath("docs/verification");
        for (const char* file : {"user-guide.html", "docs/verification/verification.html"}) {
            QFile written(docs.filePath(file));
            QVERIFY(written.open(QIODevice::WriteOnly));
        }
        program.memory.SetDocumentFolder(docs.path().toStdString());
        QMenu* help = program.memory.AddHelp(program.window, "VORLA-XW", "vorla-xw");
        QVERIFY(help);
        auto* guide = Control<QAction>(&program.window, "mnuHelpUserGuide");
        QCOMPARE(guide->shortcut(), QKeySequence(Qt::Key_F1));
        QVERIFY(guide->isShortcutVisibleInContextMenu());
        program.window.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&program.window));
        QTest::keyClick(&program.window, Qt::Key_F1);
        Trigger(&program.window, "mnuHelpVerification");
        const std::vector<std::string> expected{
            docs.filePath("user-guide.html").toStdString() + "#vorla-xw",
            docs.filePath("docs/verification/verification.html").toStdString()};
        QCOMPARE(program.platform.OpenedFiles(), expected);
        QVERIFY(program.platform.Messages().empty());
    }

    // A guide that is not installed, or that nothing opens, is named in a message.
    void AGuideThatCannotBeOpenedIsNamed_data() {
        QTest::addColumn<bool>("installed");
        QTest::addColumn<QString>("sentence");
        QTest::newRow("not installed") << false << "is not installed";
        QTest::newRow("nothing opens it") << true << "has no program to open";
    }
    void AGuideThatCannotBeOpenedIsNamed() {
        QFETCH(bool, installed);
        QFETCH(QString, sentence);
        Program program(true);
        QTemporaryDir docs;
        if (installed) {
            QFile written(docs.filePath("user-guide.html"));
            QVERIFY(written.open(QIODevice::WriteOnly));
        }
        program.platform.OpenLocalFileSucceeds = false;
        program.memory.SetDocumentFolder(docs.path().toStdString());
        program.memory.AddHelp(program.window, "SKEVA-XW", "skeva-xw");
        Trigger(&program.window, "mnuHelpUserGuide");
        QCOMPARE(program.platform.Messages().size(), std::size_t{1});
        const auto& shown = program.platform.Messages()[0].Request;
        QCOMPARE(shown.Title, std::string("SKEVA-XW: Help"));
        QVERIFY(QString::fromStdString(shown.Text).contains(sentence));
        QVERIFY(QString::fromStdString(shown.Text).contains(docs.filePath("user-guide.html")));
    }

    void TheMenusAndTheDialogHaveNoAccessKeyCollisions() {
        Program program(true);
        program.memory.AddHelp(program.window, "VORLA-XW", "vorla-xw");
        QCOMPARE(AccessKeyCollisions(program.window), QStringList());
        QWidget* dialog = program.Open();
        QVERIFY(dialog);
        QCOMPARE(AccessKeyCollisions(*dialog), QStringList());
    }

    void AboutShowsTheVersionAndTheNotices() {
        Program program(false);
        program.memory.AddHelp(program.window, "QDOT-XW", "qdot-xw");
        Trigger(&program.window, "mnuHelpAbout");
        QCOMPARE(program.platform.Messages().size(), std::size_t{1});
        const auto& shown = program.platform.Messages()[0].Request;
        QCOMPARE(shown.Title, std::string("QDOT-XW: About"));
        const QString text = QString::fromStdString(shown.Text);
        QVERIFY(!vorla::kSuiteVersion.empty());
        QVERIFY(text.contains(QString::fromUtf8(vorla::kSuiteVersion.data(),
                                                qsizetype(vorla::kSuiteVersion.size()))));
        QVERIFY(text.contains("licence"));
        QVERIFY(text.contains("LICENSE-NIST.md"));
    }
};

QTEST_MAIN(PreferencesDialogTest)
#include "preferences_dialog_test.moc"
