// The fonts of the reports: whatever a system has installed, the report's
// columns line up on screen and on paper.
#include "common/ui/fixed_pitch_font.h"

#include <QApplication>
#include <QFontDatabase>
#include <QFontInfo>
#include <QtTest>

using namespace vorla::ui;

class FixedPitchFontTest : public QObject {
    Q_OBJECT

  private slots:
    void AProportionalFontIsNotMonospaced() {
        QVERIFY(!IsMonospaced(QFont("DejaVu Sans", 12)));
        QVERIFY(IsMonospaced(QFontDatabase::systemFont(QFontDatabase::FixedFont)));
    }

    void TheNamedFontIsKeptWhereItIsInstalledAndMonospaced() {
        const QString installed = "DejaVu Sans Mono";
        if (!QFontDatabase::families().contains(installed)) {
            QSKIP("DejaVu Sans Mono is not installed");
        }
        const QFont font = FixedPitchFont(installed, 11);
        QCOMPARE(QFontInfo(font).family(), installed);
        QCOMPARE(font.pointSizeF(), 11.0);
    }

    void OtherNamesFallBackToAMonospacedFontOfTheSameSize_data() {
        QTest::addColumn<QString>("name");
        QTest::newRow("not installed") << "No Such Typewriter Font";
        QTest::newRow("proportional") << "DejaVu Sans";
        QTest::newRow("the printer's Courier") << "Courier";
        QTest::newRow("the screen's Courier New") << "Courier New";
    }
    void OtherNamesFallBackToAMonospacedFontOfTheSameSize() {
        QFETCH(QString, name);
        const QFont font = FixedPitchFont(name, 12);
        QVERIFY2(IsMonospaced(font), qPrintable(QFontInfo(font).family()));
        QVERIFY2(QFontInfo(font).fixedPitch(), qPrintable(QFontInfo(font).family()));
        QCOMPARE(font.pointSizeF(), 12.0);
    }

    void TheReportFontIsMonospacedAtTheSizeOfTheWindowsText() {
        const QFont font = ReportFont();
        QVERIFY(IsMonospaced(font));
        QVERIFY(QFontInfo(font).fixedPitch());
        QCOMPARE(font.pointSizeF(), QApplication::font().pointSizeF());
    }
};

QTEST_MAIN(FixedPitchFontTest)
#include "fixed_pitch_font_test.moc"
