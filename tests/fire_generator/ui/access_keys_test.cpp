// The keyboard's way into QDOT-XW: the shared access-key check itself, every
// window and dialog of the program walked with it, and the File menu (with
// Recent Files) reached by F10 and Alt+F.
#include "common/ui/program_memory.h"
#include "common/ui/splash_window.h"
#include "fire_generator/curves/custom_fire.h"
#include "generator_windows.h"
#include "tests/support/access_keys.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QMenu>
#include <QMenuBar>
#include <QPointer>
#include <QSettings>
#include <QShortcut>
#include <QStandardPaths>
#include <QTabWidget>
#include <functional>

using namespace vorla::generator;
using namespace vorla::generator::testing;

namespace {

// A small window for the check: built by `build`, its collisions compared.
using Builder = std::function<void(QWidget&)>;

QPushButton* AddButton(QWidget& window, const char* name, const QString& caption) {
    auto* button = new QPushButton(caption, &window);
    button->setObjectName(name);
    return button;
}

} // namespace

Q_DECLARE_METATYPE(Builder)

class GeneratorAccessKeysTest : public QObject {
    Q_OBJECT

    QTemporaryDir settingsFolder_;

    static QStringList Collisions(const QWidget* window) {
        return window ? AccessKeyCollisions(*window) : QStringList{"(no window)"};
    }

  private slots:
    void initTestCase() {
        QStandardPaths::setTestModeEnabled(true);
        QSettings::setDefaultFormat(QSettings::IniFormat);
        QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, settingsFolder_.path());
    }

    // The check finds what collides, and only that.
    void TheCheckFindsEveryKindOfClaim_data() {
        QTest::addColumn<Builder>("build");
        QTest::addColumn<QStringList>("collisions");
        QTest::newRow("two buttons") << Builder([](QWidget& w) {
            AddButton(w, "cmdFire", "&Fire");
            AddButton(w, "cmdFile", "&File");
        }) << QStringList{"Alt+F: cmdFire, cmdFile"};
        QTest::newRow("letters differ") << Builder([](QWidget& w) {
            AddButton(w, "cmdFire", "&Fire");
            AddButton(w, "cmdFile", "F&ile");
        }) << QStringList{};
        QTest::newRow("upper and lower case are one key") << Builder([](QWidget& w) {
            AddButton(w, "cmdA", "&apply");
            AddButton(w, "cmdB", "&Add");
        }) << QStringList{"Alt+A: cmdA, cmdB"};
        QTest::newRow("a doubled & is no key") << Builder([](QWidget& w) {
            AddButton(w, "cmdA", "Salt && Pepper");
            AddButton(w, "cmdB", "&Pepper");
        }) << QStringList{};
        QTest::newRow("a hidden button claims nothing") << Builder([](QWidget& w) {
            AddButton(w, "cmdA", "&Go");
            AddButton(w, "cmdB", "&Get")->hide();
        }) << QStringList{};
        QTest::newRow("a disabled button still claims") << Builder([](QWidget& w) {
            AddButton(w, "cmdA", "&Go");
            AddButton(w, "cmdB", "&Get")->setEnabled(false);
        }) << QStringList{"Alt+G: cmdA, cmdB"};
        QTest::newRow("a label with a buddy, one without") << Builder([](QWidget& w) {
            auto* box = new QLineEdit(&w);
            auto* label = new QLabel("&Height", &w);
            label->setObjectName("lblHeight");
            label->setBuddy(box);
            (new QLabel("&Hint", &w))->setObjectName("lblHint");
            AddButton(w, "cmdHelp", "&Help");
        }) << QStringList{"Alt+H: cmdHelp, lblHeight"};
        QTest::newRow("a group box and a check box") << Builder([](QWidget& w) {
            auto* group = new QGroupBox("&Units", &w);
            group->setObjectName("fraUnits");
            (new QCheckBox("&Use defaults", &w))->setObjectName("chkDefaults");
        }) << QStringList{"Alt+U: chkDefaults, fraUnits"};
        QTest::newRow("tabs") << Builder([](QWidget& w) {
            auto* tabs = new QTabWidget(&w);
            tabs->setObjectName("tabPages");
            tabs->addTab(new QWidget, "&Room");
            tabs->addTab(new QWidget, "&Results");
        }) << QStringList{"Alt+R: qt_tabwidget_tabbar tab 0, qt_tabwidget_tabbar tab 1"};
        QTest::newRow("a menu title and a button") << Builder([](QWidget& w) {
            auto* bar = new QMenuBar(&w);
            bar->addMenu("&File")->setObjectName("mnuFile");
            AddButton(w, "cmdFurniture", "&Furniture Fire");
        }) << QStringList{"Alt+F: cmdFurniture, mnuFile"};
        QTest::newRow("an Alt shortcut and a button") << Builder([](QWidget& w) {
            auto* shortcut = new QShortcut(QKeySequence(Qt::ALT | Qt::Key_F), &w);
            shortcut->setObjectName("keyFileMenu");
            new QShortcut(QKeySequence(Qt::Key_F10), &w);
            new QShortcut(QKeySequence(Qt::CTRL | Qt::Key_F), &w);
            AddButton(w, "cmdFurniture", "&Furniture Fire");
        }) << QStringList{"Alt+F: cmdFurniture, keyFileMenu"};
        QTest::newRow("items of one menu, and of its submenu")
            << Builder([](QWidget& w) {
                   auto* bar = new QMenuBar(&w);
                   QMenu* file = bar->addMenu("File");
                   file->setObjectName("mnuFile");
                   file->addAction("&Open")->setObjectName("mnuFileOpen");
                   file->addAction("&Options")->setObjectName("mnuFileOptions");
                   QMenu* recent = file->addMenu("&Recent Files");
                   recent->setObjectName("mnuFileRecent");
                   recent->addAction("&1 a.fir")->setObjectName("mnuFileRecent(0)");
                   recent->addAction("&1 b.fir")->setObjectName("mnuFileRecent(1)");
                   // A button with O is no trouble: a menu's letters are its own.
                   AddButton(w, "cmdOK", "&OK");
               })
            << QStringList{"mnuFile: Alt+O: mnuFileOpen, mnuFileOptions",
                           "mnuFileRecent: Alt+1: mnuFileRecent(0), mnuFileRecent(1)"};
        QTest::newRow("a window inside claims in its own") << Builder([](QWidget& w) {
            AddButton(w, "cmdGo", "&Go");
            auto* dialog = new QDialog(&w);
            AddButton(*dialog, "cmdGet", "&Get");
        }) << QStringList{};
    }
    void TheCheckFindsEveryKindOfClaim() {
        QFETCH(Builder, build);
        QFETCH(QStringList, collisions);
        QWidget window;
        window.setLayout(new QHBoxLayout);
        build(window);
        QCOMPARE(AccessKeyCollisions(window), collisions);
    }

    // The main form with its Recent Files, the graph, the five curve forms and
    // the splash window.
    void NoWindowOfTheProgramHasTwoAlike() {
        QSettings().clear();
        Generator generator;
        vorla::ui::ProgramMemory memory(generator.platform);
        memory.Attach(
            generator.input, "QDOT-XW",
            [&generator](const std::string& path) { return generator.input.OpenFile(path); },
            generator.input.WhenFileOpened, generator.input.WhenFileSaved);
        QCOMPARE(Collisions(&generator.input), QStringList());
        QVERIFY(generator.input.findChild<QMenu*>("mnuFileRecent") != nullptr);
        QCOMPARE(Collisions(&Generator::Graph()), QStringList());

        for (auto kind : {CurveKind::TSquared, CurveKind::SemiUniversal, CurveKind::Pool,
                          CurveKind::Furniture, CurveKind::Custom}) {
            QWidget* form = generator.Open(kind, "10");
            QVERIFY(form);
            QCOMPARE(Collisions(form), QStringList());
            if (kind == CurveKind::Custom) {
                // The second page, Previous 10 Points on.
                for (int i = 0; i < kCustomRowsPerPage; ++i) {
                    Box(form, Element("txtTime", i))->setText(QString::number(10 * i));
                    Box(form, Element("txtQDOT", i))->setText("100");
                }
                Button(form, "cmdNextTen")->click();
                QVERIFY(Button(form, "cmdPreviousTen")->isEnabled());
                QCOMPARE(Collisions(form), QStringList());
                generator.platform.AnswerNextQuestion(MessageButton::Yes);
            }
            Button(form, "cmdCancel")->click();
            QVERIFY(generator.input.isVisible());
        }

        QPointer<vorla::ui::frmSplash> splash = vorla::ui::ShowSplash("QDOT-XW", [] {});
        QCOMPARE(Collisions(splash.data()), QStringList());
        delete splash.data();
    }

    // F10 and Alt+F open File, not a button; File's letters reach its items,
    // Recent Files among them; the furniture fire answers to Alt+R.
    void TheFileMenuAndRecentFilesAnswerToTheKeyboard_data() {
        QTest::addColumn<int>("key");
        QTest::addColumn<int>("modifiers");
        QTest::newRow("F10") << int(Qt::Key_F10) << int(Qt::NoModifier);
        QTest::newRow("Alt+F") << int(Qt::Key_F) << int(Qt::AltModifier);
    }
    void TheFileMenuAndRecentFilesAnswerToTheKeyboard() {
        QFETCH(int, key);
        QFETCH(int, modifiers);
        QSettings().clear();
        Generator generator;
        vorla::ui::ProgramMemory memory(generator.platform);
        memory.Attach(
            generator.input, "QDOT-XW",
            [&generator](const std::string& path) { return generator.input.OpenFile(path); },
            generator.input.WhenFileOpened, generator.input.WhenFileSaved);
        auto* file = generator.input.findChild<QMenu*>("mnuFile");
        QVERIFY(file);
        // One file on Recent Files, so its menu is on.
        QVERIFY(generator.input.OpenFile(VORLA_EXAMPLES_DIR "/office-workstation.fir"));
        Button(&Generator::Graph(), "cmdClose")->click();
        WaitUntilActive(&generator.input);

        QTest::keyClick(&generator.input, Qt::Key(key), Qt::KeyboardModifiers(modifiers));
        QTRY_COMPARE(QApplication::activePopupWidget(), static_cast<QWidget*>(file));
        QVERIFY(Generator::CurveForm() == nullptr);
        QTest::keyClick(file, Qt::Key_R);
        auto* recent = generator.input.findChild<QMenu*>("mnuFileRecent");
        QTRY_COMPARE(QApplication::activePopupWidget(), static_cast<QWidget*>(recent));
        QTest::keyClick(recent, Qt::Key_Escape);
        QTest::keyClick(file, Qt::Key_Escape);
        QTRY_VERIFY(QApplication::activePopupWidget() == nullptr);

        WaitUntilActive(&generator.input);
        Box(&generator.input, "txtDelayTime")->setText("10");
        Box(&generator.input, "txtDescription")->setText("Sofa");
        Box(&generator.input, "txtFireFile")->setText(generator.FolderPath("SOFA.FIR"));
        QTest::keyClick(&generator.input, Qt::Key_R, Qt::AltModifier);
        // A button's key presses it after a moment.
        QTRY_VERIFY(Generator::CurveForm() != nullptr);
        QWidget* form = Generator::CurveForm();
        QCOMPARE(form->objectName(), QString("frmFurniture"));
        Button(form, "cmdCancel")->click();
    }
};

QTEST_MAIN(GeneratorAccessKeysTest)
#include "access_keys_test.moc"
