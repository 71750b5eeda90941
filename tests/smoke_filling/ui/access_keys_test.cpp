// SKEVA-XW's windows and dialogs walked for access keys that answer to the
// same key (tests/support/access_keys.h): the input form with its menus,
// the Detectors and Sprinklers and the Smoke and Tenability dialogs, Explore,
// the report with its Criteria dialog, and the graph.
#include "skeva_windows.h"
#include "tests/support/access_keys.h"

#include <QDialog>
#include <QTemporaryDir>
#include <QtTest>

using namespace vorla::smoke;
using namespace vorla::smoke::testing;
using namespace vorla::test_support;

class SkevaAccessKeysTest : public QObject {
    Q_OBJECT

    QTemporaryDir folder_;

    static QStringList Collisions(const QWidget* window) {
        return window ? AccessKeyCollisions(*window) : QStringList{"(no window)"};
    }

  private slots:
    void NoWindowHasTwoAlike() {
        SkevaWindows w(folder_.filePath("DATA").toStdString());
        w.Fill(TypedRun{});
        QCOMPARE(Collisions(&w.input), QStringList());

        Trigger(w.input, "mnuFileDevices");
        auto* devices = Control<QDialog>(w.input, "dlgDevices");
        QCOMPARE(Collisions(devices), QStringList());
        Click(devices, "cmdCancel");
        SkevaWindows::FlushDeletes();

        Trigger(w.input, "mnuFileTenability");
        auto* tenability = Control<QDialog>(w.input, "dlgTenability");
        QCOMPARE(Collisions(tenability), QStringList());
        Click(tenability, "cmdCancel");
        SkevaWindows::FlushDeletes();

        Trigger(w.input, "mnuFileExplore");
        QWidget* explore = VisibleWindow("frmExplore");
        QCOMPARE(Collisions(explore), QStringList());
        Click(explore, "cmdClose");
        SkevaWindows::FlushDeletes();

        QWidget* report = w.Run();
        QCOMPARE(Collisions(report), QStringList());
        Click(report, "cmdCriteria");
        auto* criteria = Control<QDialog>(report, "dlgCriteria");
        QCOMPARE(Collisions(criteria), QStringList());
        Click(criteria, "cmdCancel");

        Click(report, "cmdGraph");
        QCOMPARE(Collisions(VisibleWindow("frmGraph")), QStringList());
    }
};

QTEST_MAIN(SkevaAccessKeysTest)
#include "access_keys_test.moc"
