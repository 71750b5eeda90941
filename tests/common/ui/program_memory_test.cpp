// What the programs remember, round-tripped through a settings file in a
// temporary folder: the user's own settings are never read or written.
#include "common/ui/fake_platform.h"
#include "common/ui/program_memory.h"
#include "tests/support/window_controls.h"

#include <QApplication>
#include <QDir>
#include <QHBoxLayout>
#include <QMenu>
#include <QRadioButton>
#include <QSettings>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QVBoxLayout>
#include <QtTest>

using namespace vorla::ui;
using vorla::UnitSystem;

class ProgramMemoryTest : public QObject {
    Q_OBJECT

    QTemporaryDir settingsFolder_;
    QTemporaryDir files_;

    QString File(const QString& name) const {
        const QString path = files_.filePath(name);
        QFile file(path);
        if (!file.open(QIODevice::WriteOnly)) {
            qWarning("cannot write %s", qPrintable(path));
        }
        return path;
    }

  private slots:
    void initTestCase() {
        QStandardPaths::setTestModeEnabled(true);
        QSettings::setDefaultFormat(QSettings::IniFormat);
        QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, settingsFolder_.path());
        QCoreApplication::setOrganizationName("VORLA");
        QCoreApplication::setApplicationName("memory-test");
    }
    void init() { QSettings().clear(); }

    void EverySettingReadsBackAsKept() {
        ProgramSettings settings;
        QCOMPARE(settings.Units(), std::nullopt);
        QCOMPARE(settings.WindowFrame("frmInput"), std::nullopt);
        QCOMPARE(settings.WindowGeometry("frmInput"), std::nullopt);
        QCOMPARE(settings.LastFolder("Open/Specify Fire File"), std::nullopt);
        QCOMPARE(settings.RecentFiles(), QStringList());

        settings.SetUnits(UnitSystem::US);
        settings.SetWindowFrame("frmInput", QRect(10, 20, 300, 200));
        settings.SetWindowGeometry("frmInput", QByteArray("\x01\xd9\xd0\xcb\x00", 5));
        settings.SetLastFolder("Open/Specify Fire File", files_.path());
        settings.AddRecentFile("/a.vof");
        settings.AddRecentFile("/b.vof");

        // A second object reads the file anew, as the next run does.
        const ProgramSettings nextRun;
        QCOMPARE(nextRun.Units(), UnitSystem::US);
        QCOMPARE(nextRun.WindowFrame("frmInput"), QRect(10, 20, 300, 200));
        QCOMPARE(nextRun.WindowFrame("frmGraph"), std::nullopt);
        QCOMPARE(nextRun.WindowGeometry("frmInput"), QByteArray("\x01\xd9\xd0\xcb\x00", 5));
        QCOMPARE(nextRun.WindowGeometry("frmGraph"), std::nullopt);
        QCOMPARE(nextRun.LastFolder("Open/Specify Fire File"), files_.path());
        QCOMPARE(nextRun.RecentFiles(), QStringList({"/b.vof", "/a.vof"}));
        QVERIFY(QFile::exists(settingsFolder_.filePath("VORLA/memory-test.ini")));

        settings.SetUnits(UnitSystem::SI);
        QCOMPARE(nextRun.Units(), UnitSystem::SI);
        // A folder deleted since is not offered.
        settings.SetLastFolder("Open/Specify Fire File", files_.filePath("gone"));
        QCOMPARE(nextRun.LastFolder("Open/Specify Fire File"), std::nullopt);
    }

    void PreferencesDefaultToTodaysBehaviourAndIgnoreHandEditedValues() {
        const ProgramSettings settings;
        QCOMPARE(settings.FlashoverAnswerPreference(), FlashoverAnswer::Ask);
        QCOMPARE(settings.GraphThemePreference(), GraphTheme::Dark);
        QCOMPARE(settings.TimeAxisUnitPreference(), TimeAxisUnit::Minutes);

        // value in the file -> what the program takes
        const struct {
            const char* Key;
            const char* Value;
            int Expected;
        } rows[] = {
            {"preferences/flashoverAnswer", "stop", int(FlashoverAnswer::Stop)},
            {"preferences/flashoverAnswer", "continue", int(FlashoverAnswer::Continue)},
            {"preferences/flashoverAnswer", "ask", int(FlashoverAnswer::Ask)},
            {"preferences/flashoverAnswer", "Stop", int(FlashoverAnswer::Ask)},
            {"preferences/flashoverAnswer", "", int(FlashoverAnswer::Ask)},
            {"preferences/graphTheme", "light", int(GraphTheme::Light)},
            {"preferences/graphTheme", "dark", int(GraphTheme::Dark)},
            {"preferences/graphTheme", "sepia", int(GraphTheme::Dark)},
            {"preferences/timeAxisUnit", "s", int(TimeAxisUnit::Seconds)},
            {"preferences/timeAxisUnit", "min", int(TimeAxisUnit::Minutes)},
            {"preferences/timeAxisUnit", "h", int(TimeAxisUnit::Minutes)},
        };
        for (const auto& row : rows) {
            QSettings().setValue(row.Key, row.Value);
            const int read = QString(row.Key).endsWith("flashoverAnswer")
                                 ? int(settings.FlashoverAnswerPreference())
                             : QString(row.Key).endsWith("graphTheme")
                                 ? int(settings.GraphThemePreference())
                                 : int(settings.TimeAxisUnitPreference());
            QVERIFY2(read == row.Expected, qPrintable(QString("%1=%2").arg(row.Key, row.Value)));
        }

        ProgramSettings writer;
        writer.SetFlashoverAnswerPreference(FlashoverAnswer::Continue);
        writer.SetGraphThemePreference(GraphTheme::Light);
        writer.SetTimeAxisUnitPreference(TimeAxisUnit::Seconds);
        QCOMPARE(QSettings().value("preferences/flashoverAnswer").toString(), "continue");
        QCOMPARE(QSettings().value("preferences/graphTheme").toString(), "light");
        QCOMPARE(QSettings().value("preferences/timeAxisUnit").toString(), "s");
    }

    void TheRecentListKeepsEightMostRecentFirstWithoutRepeats() {
        const struct {
            QStringList before;
            QString opened;
            QStringList after;
        } cases[] = {
            {{}, "a", {"a"}},
            {{"a", "b", "c"}, "c", {"c", "a", "b"}},
            {{"a", "b"}, "b", {"b", "a"}},
            {{"1", "2", "3", "4", "5", "6", "7", "8"},
             "9",
             {"9", "1", "2", "3", "4", "5", "6", "7"}},
            {{"1", "2", "3", "4", "5", "6", "7", "8"},
             "8",
             {"8", "1", "2", "3", "4", "5", "6", "7"}},
        };
        for (const auto& c : cases) {
            QCOMPARE(WithRecentFile(c.before, c.opened), c.after);
        }
    }

    void AWindowIsRestoredOnlyWhereItFits() {
        const QList<QRect> oneScreen = {QRect(0, 0, 1920, 1040)};
        const QList<QRect> twoScreens = {QRect(0, 0, 1920, 1040), QRect(1920, 0, 1280, 1000)};
        const struct {
            QRect frame;
            QList<QRect> screens;
            bool fits;
        } cases[] = {
            {QRect(100, 100, 800, 600), oneScreen, true},
            {QRect(0, 0, 1920, 1040), oneScreen, true},      // exactly the area
            {QRect(1500, 100, 800, 600), oneScreen, false},  // runs off the right
            {QRect(2000, 100, 800, 600), oneScreen, false},  // on a screen now gone
            {QRect(2000, 100, 800, 600), twoScreens, true},  // on the second screen
            {QRect(1800, 100, 800, 600), twoScreens, false}, // across the two
            {QRect(100, -20, 800, 600), oneScreen, false},   // title bar above the top
            {QRect(0, 0, 1921, 1040), oneScreen, false},     // a pixel wider than the screen
            {QRect(0, 0, 2560, 1400), oneScreen, false},     // kept from a larger screen
            {QRect(0, 0, 3200, 1000), twoScreens, false},    // as wide as both together
            {QRect(-900, 100, 800, 600), oneScreen, false},  // on a screen left of it, gone
            {QRect(), oneScreen, false},
        };
        for (const auto& c : cases) {
            QCOMPARE(FitsOnScreens(c.frame, c.screens), c.fits);
        }
    }

    void AWindowComesBackWhereItWasLeft() {
        ProgramSettings settings;
        const QRect area = QGuiApplication::primaryScreen()->availableGeometry();
        QRect left;
        {
            RememberedWindows watcher(settings);
            QWidget window;
            window.setObjectName("frmTest");
            window.setGeometry(area.left() + 30, area.top() + 40, 220, 160);
            window.show();
            QVERIFY(QTest::qWaitForWindowExposed(&window));
            left = window.frameGeometry();
            window.hide();
        }
        QCOMPARE(settings.WindowFrame("frmTest"), left);
        RememberedWindows nextRun(settings);
        QWidget window;
        window.setObjectName("frmTest");
        window.resize(100, 100);
        window.show();
        QCOMPARE(window.frameGeometry(), left);

        // One kept off every screen, or larger than the screen, stays where
        // the program puts it.
        const struct {
            const char* name;
            QRect frame;
        } notRestored[] = {
            {"frmOffEveryScreen", area.translated(area.width(), 0)},
            {"frmLargerThanTheScreen", area.adjusted(0, 0, 400, 300)},
        };
        for (const auto& kept : notRestored) {
            settings.SetWindowFrame(kept.name, kept.frame);
            QWidget other;
            other.setObjectName(kept.name);
            other.setGeometry(area.left() + 5, area.top() + 5, 100, 80);
            const QRect placed = other.geometry();
            other.show();
            QVERIFY(QTest::qWaitForWindowExposed(&other));
            QCOMPARE(other.geometry(), placed);
        }
    }

    void AFrameKeptByAnEarlierVersionGivesThePlaceButNotTheSize() {
        // Earlier versions kept only the frame, grown by the border at each
        // start: its corner is where the user left the window, its size is not
        // the window's.
        ProgramSettings settings;
        const QRect area = QGuiApplication::primaryScreen()->availableGeometry();
        const QRect grown(area.left() + 70, area.top() + 50, 400, 420);
        settings.SetWindowFrame("frmEarlier", grown);
        RememberedWindows watcher(settings);
        QWidget window;
        window.setObjectName("frmEarlier");
        window.setGeometry(area.left() + 5, area.top() + 5, 240, 180);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        QCOMPARE(window.frameGeometry().topLeft(), grown.topLeft());
        QCOMPARE(window.size(), QSize(240, 180));
        // Left again, it is kept as this version keeps it.
        window.hide();
        QVERIFY(settings.WindowGeometry("frmEarlier").has_value());
        QCOMPARE(settings.WindowFrame("frmEarlier"), window.frameGeometry());
    }

    void TheUnitOptionStartsAsLastChosen() {
        ProgramSettings settings;
        settings.SetUnits(UnitSystem::US);
        QWidget form;
        auto* si = new QRadioButton("S.I. Units", &form);
        si->setObjectName("optUnits(0)");
        auto* us = new QRadioButton("U.S. Engineering Units", &form);
        us->setObjectName("optUnits(1)");
        si->setChecked(true);
        int conversions = 0;
        connect(us, &QRadioButton::clicked, &form, [&conversions] { ++conversions; });
        RememberUnitOption(form, settings);
        QVERIFY(us->isChecked());
        QCOMPARE(conversions, 1); // as the user's click, so the form converts
        si->click();
        QCOMPARE(ProgramSettings().Units(), UnitSystem::SI);
        // The form's own switch (File New, File Open show S.I.) is not the
        // user's choice; the arrow keys in the group are.
        us->setChecked(true);
        QCOMPARE(ProgramSettings().Units(), UnitSystem::SI);
        si->setChecked(true);
        auto* row = new QHBoxLayout(&form);
        row->addWidget(si);
        row->addWidget(us);
        form.show();
        QApplication::setActiveWindow(&form);
        QVERIFY(QTest::qWaitForWindowActive(&form));
        si->setFocus();
        QTest::keyClick(si, Qt::Key_Right);
        QVERIFY(us->isChecked());
        QCOMPARE(ProgramSettings().Units(), UnitSystem::US);
    }

    void EachDialogStartsInItsLastFolder() {
        ProgramSettings settings;
        FakePlatform platform(files_.filePath("DATA").toStdString());
        RememberingFileDialogs dialogs(platform, settings);
        const std::string data = platform.DataDirectory();
        QVERIFY(QDir().mkpath(files_.filePath("fires")));
        const QString fire = File("fires/a.fir");

        platform.ChooseInNextDialog(fire.toStdString());
        dialogs.ChooseFile(OpenDialog("Specify Fire File", "", data, ""));
        platform.CancelNextDialog();
        dialogs.ChooseFile(OpenDialog("Specify Fire File", "", data, ""));
        platform.CancelNextDialog();
        dialogs.ChooseFile(OpenDialog("Specify Data File", "", data, ""));
        platform.CancelNextDialog();
        dialogs.ChooseFile(SaveAsDialog("Specify Fire File", "", data, ""));
        platform.CancelNextDialog();
        dialogs.ChooseFile(OpenDialog("Specify Fire File", "", "/elsewhere", ""));

        const auto& shown = platform.FileDialogs();
        QCOMPARE(shown.size(), std::size_t{5});
        QCOMPARE(shown[0].Request.InitialDirectory, data);
        QCOMPARE(shown[1].Request.InitialDirectory, files_.filePath("fires").toStdString());
        QCOMPARE(shown[2].Request.InitialDirectory, data); // another dialog
        QCOMPARE(shown[3].Request.InitialDirectory, data); // saving, not opening
        QCOMPARE(shown[4].Request.InitialDirectory, std::string("/elsewhere"));
    }

    void RecentFilesOpenAndForgetWhatIsGone() {
        ProgramSettings settings;
        FakePlatform platform(files_.filePath("DATA").toStdString());
        QMenu fileMenu;
        auto* exit = fileMenu.addAction("&Exit");
        QStringList opened;
        RecentFilesMenu recent(fileMenu, exit, settings, platform, "VORLA-XW",
                               [&opened](const std::string& path) {
                                   opened << QString::fromStdString(path);
                                   return true;
                               });
        QCOMPARE(fileMenu.actions().indexOf(recent.Menu()->menuAction()), 0);
        QVERIFY(!recent.Menu()->isEnabled()); // nothing yet

        const QString kept = File("kept.vof");
        const QString moved = File("moved.vof");
        recent.Opened(kept.toStdString());
        recent.Opened(moved.toStdString());
        const auto entries = recent.Menu()->actions();
        QCOMPARE(entries.size(), 2);
        QCOMPARE(entries[0]->text(), "&1 " + QDir::toNativeSeparators(moved));
        QCOMPARE(entries[1]->text(), "&2 " + QDir::toNativeSeparators(kept));

        QVERIFY(QFile::rename(moved, files_.filePath("elsewhere.vof")));
        entries[0]->trigger();
        QCOMPARE(opened, QStringList());
        QCOMPARE(platform.Messages().size(), std::size_t{1});
        QCOMPARE(QString::fromStdString(platform.Messages()[0].Request.Text),
                 "The file " + moved +
                     " is no longer there; it is taken off the Recent Files list.");
        QCOMPARE(settings.RecentFiles(), QStringList({kept}));

        recent.Menu()->actions().at(0)->trigger();
        QCOMPARE(opened, QStringList({kept}));

        // A file saved goes to the top as one opened does, once, by its full
        // path however it was named.
        const QString saved = File("saved.vof");
        QVERIFY(QDir::setCurrent(files_.path()));
        recent.Saved("saved.vof");
        recent.Saved(kept.toStdString());
        QCOMPARE(settings.RecentFiles(), QStringList({kept, saved}));
        QCOMPARE(recent.Menu()->actions().size(), 2);
    }

    // Recent Results lists the same files after Recent Files and opens each
    // as Open Results does; a report opened either way tops both lists, and
    // one that is gone leaves both.
    void RecentResultsOffersEachFileTheOtherWay() {
        ProgramSettings settings;
        FakePlatform platform(files_.filePath("DATA").toStdString());
        QMenu fileMenu;
        auto* exit = fileMenu.addAction("&Exit");
        QStringList asForm;
        QStringList asResults;
        RecentFilesMenu recent(fileMenu, exit, settings, platform, "SKEVA-XW",
                               [&asForm](const std::string& path) {
                                   asForm << QString::fromStdString(path);
                                   return true;
                               });
        recent.AddResultsMenu([&asResults](const std::string& path) {
            asResults << QString::fromStdString(path);
            return path.find("refused") == std::string::npos;
        });
        QCOMPARE(fileMenu.actions().indexOf(recent.ResultsMenu()->menuAction()), 1);
        QCOMPARE(recent.ResultsMenu()->title(), QString("Recent Res&ults"));
        QVERIFY(!recent.ResultsMenu()->isEnabled());

        const QString form = File("form.vof");
        const QString results = File("results.vof");
        const QString refused = File("refused.vof");
        recent.Opened(form.toStdString());    // File Open
        recent.Opened(results.toStdString()); // Open Results
        for (QMenu* menu : {recent.Menu(), recent.ResultsMenu()}) {
            const auto entries = menu->actions();
            QCOMPARE(entries.size(), 2);
            QCOMPARE(entries[0]->text(), "&1 " + QDir::toNativeSeparators(results));
            QCOMPARE(entries[1]->text(), "&2 " + QDir::toNativeSeparators(form));
        }
        QCOMPARE(recent.ResultsMenu()->actions()[0]->objectName(),
                 QString("mnuFileRecentResults(0)"));

        // The file opened as a form is offered as results, and the other way.
        recent.ResultsMenu()->actions()[1]->trigger();
        QCOMPARE(asResults, QStringList({form}));
        QCOMPARE(settings.RecentFiles(), QStringList({form, results}));
        recent.Menu()->actions()[1]->trigger();
        QCOMPARE(asForm, QStringList({results}));
        QCOMPARE(recent.ResultsMenu()->actions()[0]->text(),
                 "&1 " + QDir::toNativeSeparators(results));

        // A file the results routine refuses stays where it was.
        recent.Saved(refused.toStdString());
        recent.Saved(form.toStdString());
        recent.ResultsMenu()->actions()[1]->trigger();
        QCOMPARE(asResults.last(), refused);
        QCOMPARE(settings.RecentFiles().first(), form);

        QVERIFY(QFile::remove(results));
        recent.ResultsMenu()->actions()[2]->trigger();
        QCOMPARE(asResults.size(), 2); // not called
        QCOMPARE(platform.Messages().size(), std::size_t{1});
        QCOMPARE(recent.Menu()->actions().size(), 2);
        QCOMPARE(recent.ResultsMenu()->actions().size(), 2);
    }
};

QTEST_MAIN(ProgramMemoryTest)
#include "program_memory_test.moc"
