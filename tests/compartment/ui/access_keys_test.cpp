// VORLA-XW's windows and dialogs walked for access keys that answer to the
// same key (tests/support/access_keys.h): the input form with its menus, the
// estimator, the Detectors and Sprinklers and the Smoke and Tenability
// dialogs, Explore, the report with its
// Criteria dialog, and the graph.
#include "program_fixture.h"
#include "tests/support/access_keys.h"

#include <QDialog>
#include <QPushButton>

using namespace vorla::compartment;
using namespace vorla::compartment::testing;

class CompartmentAccessKeysTest : public QObject {
    Q_OBJECT

    static QStringList Collisions(const QWidget* window) {
        return window ? AccessKeyCollisions(*window) : QStringList{"(no window)"};
    }

  private slots:
    void NoWindowHasTwoAlike() {
        Program program;
        program.FillRoom(program.WriteFile("STEADY.FIR", kSteadyFire));
        QCOMPARE(Collisions(program.input.get()), QStringList());

        Click(program.input, "cmdEstimateLc");
        QCOMPARE(Collisions(Program::Estimator()), QStringList());
        Click(Program::Estimator(), "cmdCancel");
        Program::Settle();

        Trigger(program.input, "mnuFileDevices");
        auto* devices = Control<QDialog>(program.input, "dlgDevices");
        QCOMPARE(Collisions(devices), QStringList());
        Click(devices, "cmdCancel");
        Program::Settle();

        Trigger(program.input, "mnuFileTenability");
        auto* tenability = Control<QDialog>(program.input, "dlgTenability");
        QCOMPARE(Collisions(tenability), QStringList());
        Click(tenability, "cmdCancel");
        Program::Settle();

        Trigger(program.input, "mnuFileExplore");
        QWidget* explore = VisibleWindow("frmExplore");
        QCOMPARE(Collisions(explore), QStringList());
        Click(explore, "cmdFloorAreaUncertain");
        auto* uncertainty = explore->findChild<QDialog*>("dlgUncertainty");
        QVERIFY(uncertainty != nullptr);
        QCOMPARE(Collisions(uncertainty), QStringList());
        Click(uncertainty, "cmdCancel");
        Click(explore, "cmdClose");
        Program::Settle();

        QWidget* report = program.Run();
        QCOMPARE(Collisions(report), QStringList());
        Click(report, "cmdCriteria");
        auto* criteria = Control<QDialog>(report, "dlgCriteria");
        QCOMPARE(Collisions(criteria), QStringList());
        Click(criteria, "cmdCancel");

        Click(report, "cmdGraph");
        QCOMPARE(Collisions(Program::Graph()), QStringList());
    }
};

QTEST_MAIN(CompartmentAccessKeysTest)
#include "access_keys_test.moc"
