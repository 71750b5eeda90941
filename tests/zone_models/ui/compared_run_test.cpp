// The names the models' graph legend gives the current and the compared run.
#include "zone_models/ui/compared_run.h"

#include <QtTest>

using vorla::ui::ComparisonLegendNames;

class ComparedRunTest : public QObject {
    Q_OBJECT

  private slots:
    void LegendNamesTellTheRunsApart_data() {
        QTest::addColumn<QString>("current");
        QTest::addColumn<QString>("compared");
        QTest::addColumn<QString>("path");
        QTest::addColumn<QString>("currentName");
        QTest::addColumn<QString>("comparedName");
        QTest::newRow("two titles") << "Office"
                                    << "Office, door open"
                                    << "/data/b.vof"
                                    << "Office"
                                    << "Office, door open";
        QTest::newRow("one title") << "Office"
                                   << "Office"
                                   << "/data/run 2.vof"
                                   << "Office"
                                   << "Office (run 2.vof)";
        QTest::newRow("untitled saved run") << "Office"
                                            << "  "
                                            << "/data/b.vof"
                                            << "Office"
                                            << "b.vof";
        QTest::newRow("untitled current run") << ""
                                              << "Office"
                                              << "/data/b.vof"
                                              << "This run"
                                              << "Office";
        QTest::newRow("titles differing in case") << "office"
                                                  << "Office"
                                                  << "b.vof"
                                                  << "office"
                                                  << "Office";
    }
    void LegendNamesTellTheRunsApart() {
        QFETCH(QString, current);
        QFETCH(QString, compared);
        QFETCH(QString, path);
        QFETCH(QString, currentName);
        QFETCH(QString, comparedName);
        const auto names = ComparisonLegendNames(current, compared, path.toStdString());
        QCOMPARE(names.first, currentName);
        QCOMPARE(names.second, comparedName);
    }
};

QTEST_MAIN(ComparedRunTest)
#include "compared_run_test.moc"
