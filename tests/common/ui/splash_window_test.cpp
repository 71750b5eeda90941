#include "common/ui/splash_window.h"

#include <QLabel>
#include <QPointer>
#include <QPushButton>
#include <QtTest>

using vorla::ui::frmSplash;
using vorla::ui::ShowSplash;

namespace {

QPushButton* Button(const QWidget* splash, const char* name) {
    auto* button = splash->findChild<QPushButton*>(name);
    if (button == nullptr) {
        qWarning("no button %s", name);
    }
    return button;
}

} // namespace

class SplashWindowTest : public QObject {
    Q_OBJECT

    int continued_ = 0;
    int quitted_ = 0;

    QPointer<frmSplash> Start() {
        continued_ = 0;
        quitted_ = 0;
        QPointer<frmSplash> splash = ShowSplash(
            "VORLA-XW", [this] { ++continued_; }, [this] { ++quitted_; });
        splash->activateWindow();
        if (!QTest::qWaitForWindowActive(splash)) {
            qWarning("the splash window was not activated");
        }
        return splash;
    }

    static void WaitUntilDeleted(const QPointer<frmSplash>& splash) {
        QTRY_VERIFY(splash.isNull());
    }

  private slots:
    void ShowsTheProgramAndVersion() {
        const auto splash = Start();
        QCOMPARE(splash->windowTitle(), QString("VORLA-XW"));
        QCOMPARE(splash->objectName(), QString("frmSplash"));
        const auto* program = splash->findChild<QLabel*>("lblProgram");
        const auto* version = splash->findChild<QLabel*>("lblVersion");
        QVERIFY(program && version);
        QCOMPARE(program->text(), QString("VORLA-XW"));
        QCOMPARE(program->font().pointSizeF(), 24.0);
        QCOMPARE(version->text(), QString("Version 1.00"));
        QCOMPARE(version->font().pointSizeF(), 13.5);
        QCOMPARE(Button(splash, "cmdContinue")->text(), QString("Continue"));
        QCOMPARE(Button(splash, "cmdQuit")->text(), QString("Quit"));
        QVERIFY(!splash->isModal());
        Button(splash, "cmdQuit")->click();
        WaitUntilDeleted(splash);
    }

    void ThePictureIsDrawn() {
        const auto splash = Start();
        auto* picture = splash->findChild<QWidget*>("Picture1");
        QVERIFY(picture);
        picture->resize(220, 170);
        const QImage image = picture->grab().toImage();
        // The flame's orange and the wall's dark outline are both there.
        bool flame = false;
        bool wall = false;
        for (int y = 0; y < image.height(); ++y) {
            for (int x = 0; x < image.width(); ++x) {
                const QColor c = image.pixelColor(x, y);
                flame =
                    flame || (c.red() > 240 && c.green() > 100 && c.green() < 160 && c.blue() < 60);
                wall = wall || (c.red() < 60 && c.green() < 60 && c.blue() < 70);
            }
        }
        QVERIFY(flame);
        QVERIFY(wall);
        Button(splash, "cmdQuit")->click();
        WaitUntilDeleted(splash);
    }

    void ContinueHasTheFocusSoEnterContinues() {
        const auto splash = Start();
        QCOMPARE(QApplication::focusWidget(), Button(splash, "cmdContinue"));
        QVERIFY(Button(splash, "cmdContinue")->isDefault());
        QTest::keyClick(Button(splash, "cmdContinue"), Qt::Key_Return);
        QCOMPARE(continued_, 1);
        QCOMPARE(quitted_, 0);
        WaitUntilDeleted(splash);
    }

    void ActivationMovesTheFocusBackToContinue() {
        const auto splash = Start();
        Button(splash, "cmdQuit")->setFocus();
        QCOMPARE(QApplication::focusWidget(), Button(splash, "cmdQuit"));
        QWidget other;
        other.show();
        other.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&other));
        splash->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(splash));
        QCOMPARE(QApplication::focusWidget(), Button(splash, "cmdContinue"));
        Button(splash, "cmdQuit")->click();
        WaitUntilDeleted(splash);
    }

    void ContinueShowsTheInputFormOnce() {
        const auto splash = Start();
        QTest::mouseClick(Button(splash, "cmdContinue"), Qt::LeftButton);
        QCOMPARE(continued_, 1);
        QCOMPARE(quitted_, 0);
        WaitUntilDeleted(splash);
        QCOMPARE(continued_, 1); // closing the window did not also quit
        QCOMPARE(quitted_, 0);
    }

    void QuitEscapeAndTheFrameEndTheProgram() {
        for (const auto how : {"Quit", "Escape", "frame"}) {
            const auto splash = Start();
            if (QString(how) == "Quit") {
                QTest::mouseClick(Button(splash, "cmdQuit"), Qt::LeftButton);
            } else if (QString(how) == "Escape") {
                QTest::keyClick(splash, Qt::Key_Escape);
            } else {
                splash->close();
            }
            QCOMPARE(quitted_, 1);
            QCOMPARE(continued_, 0);
            WaitUntilDeleted(splash);
            QCOMPARE(quitted_, 1);
        }
    }
};

QTEST_MAIN(SplashWindowTest)
#include "splash_window_test.moc"
