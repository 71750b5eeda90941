// SKEVA-XW's File > Model Options…: a run with Heskestad's plume and the model
// uncertainty against `vorla smoke` with the same options, the saved line
// read back by File Open and `--from`, and the dialog's keys.
#include "skeva_windows.h"
#include "tests/support/access_keys.h"
#include "tests/support/batch_summary.h"
#include "tests/support/file_bytes.h"
#include "tests/support/window_controls.h"
#include "tests/support/zone_dialogs.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialog>
#include <QJsonObject>
#include <QPointer>
#include <QSettings>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QtTest>

using namespace vorla::smoke;
using namespace vorla::smoke::testing;
using namespace vorla::test_support;

namespace {

// A room of 10 m² and 3 m under a fast fire standing 1 m high.
TypedRun SmallRoom() {
    TypedRun run;
    run.FloorArea = "10";
    run.RoomHeight = "3";
    run.FireHeight = "1";
    run.FireFile = QString::fromStdString(DataFile("fast_t_squared_2mw.fir"));
    return run;
}

QStringList FromTheRule(const QString& report) {
    QStringList lines = report.split("\r\n");
    const qsizetype rule = lines.indexOf(QRegularExpression("^\\s*====.*"));
    return rule < 0 ? QStringList() : lines.mid(rule);
}

QString ReadText(const std::string& path) {
    return QString::fromStdString(ReadFile(path));
}

} // namespace

class SkevaModelOptionsTest : public QObject {
    Q_OBJECT

    QTemporaryDir folder_;
    QTemporaryDir settingsFolder_;
    std::string Data() const { return folder_.filePath("DATA").toStdString(); }
    std::string Path(const char* name) const { return folder_.filePath(name).toStdString(); }

  private slots:
    void initTestCase() {
        vorla::test_support::UseTestSettings("skeva-xw", settingsFolder_.path());
    }

    void AHeskestadRunIsTheBatchCommandsRun() {
        const TypedRun room = SmallRoom();
        const std::vector<std::string> batch = {"smoke",
                                                "--fire",
                                                room.FireFile.toStdString(),
                                                "--floor-area",
                                                "10",
                                                "--room-height",
                                                "3",
                                                "--fire-height",
                                                "1",
                                                "--loss-fraction",
                                                "0.6",
                                                "--run-time",
                                                "600"};
        std::vector<std::string> heskestad = batch;
        const std::string batchReport = Path("batch.sof");
        for (const char* option :
             {"--plume", "heskestad", "--model-uncertainty", "-o", batchReport.c_str()}) {
            heskestad.emplace_back(option);
        }
        const QJsonObject expected = BatchSummary(heskestad);
        std::vector<std::string> zukoski = batch;
        zukoski.insert(zukoski.end(), {"-o", "/dev/null"});
        const QJsonObject plain = BatchSummary(zukoski);
        QVERIFY(!expected.isEmpty() && !plain.isEmpty());
        // What the case stands on: the two plumes give different layers.
        QVERIFY(expected["lowest_interface_height_m"].toDouble() !=
                    plain["lowest_interface_height_m"].toDouble() ||
                expected["peak_layer_temperature_c"].toDouble() !=
                    plain["peak_layer_temperature_c"].toDouble());

        SkevaWindows w(Data());
        w.Fill(room);
        Trigger(&w.input, "mnuFileModelOptions");
        QPointer<QDialog> dialog = Control<QDialog>(&w.input, "dlgModelOptions");
        QVERIFY(dialog && dialog->isVisible());
        QCOMPARE(dialog->windowTitle(), QString("SKEVA-XW: Model Options"));
        QCOMPARE(AccessKeyCollisions(*dialog), QStringList());
        QCOMPARE(AccessKeyCollisions(w.input), QStringList());
        Control<QComboBox>(dialog, "cboPlume")->setCurrentIndex(1);
        Control<QCheckBox>(dialog, "chkModelUncertainty")->setChecked(true);
        QCOMPARE(Control<QComboBox>(dialog, "cboPlume")->currentIndex(), 1);
        QVERIFY(Control<QCheckBox>(dialog, "chkModelUncertainty")->isChecked());
        Click(dialog, "cmdOK");
        SkevaWindows::FlushDeletes();

        QWidget* report = w.Run();
        QVERIFY(report);
        const QString rise =
            QString::number(expected["peak_layer_temperature_rise_k_corrected"].toDouble(), 'f', 0);
        const QStringList risen = PanelLines(report).filter("Peak layer temperature rise ");
        QCOMPARE(risen.size(), 1);
        QVERIFY2(risen.front().contains(", bias-corrected " + rise + " K"),
                 qPrintable(risen.front()));
        const std::string saved = Path("heskestad.sof");
        w.platform.ChooseInNextDialog(saved);
        Click(report, "cmdSave");
        const QString text = ReadText(saved);
        QVERIFY(text.endsWith("\r\nModel options: --plume heskestad --model-uncertainty\r\n"));
        QCOMPARE(FromTheRule(text), FromTheRule(ReadText(batchReport)));
        Click(report, "cmdClose");
        SkevaWindows::FlushDeletes();

        // --from follows the saved plume.
        const QJsonObject from = BatchSummary({"smoke", "--from", saved, "-o", "/dev/null"});
        QCOMPARE(from["lowest_interface_height_m"].toDouble(),
                 expected["lowest_interface_height_m"].toDouble());
        QCOMPARE(from["inputs"].toObject()["plume"].toString(), QString("heskestad"));

        // File New forgets, File Open brings the options back.
        Trigger(&w.input, "mnuFileNew");
        w.platform.ChooseInNextDialog(saved);
        Trigger(&w.input, "mnuFileOpen");
        Trigger(&w.input, "mnuFileModelOptions");
        dialog = Control<QDialog>(&w.input, "dlgModelOptions");
        QCOMPARE(Control<QComboBox>(dialog, "cboPlume")->currentIndex(), 1);
        QCOMPARE(Control<QComboBox>(dialog, "cboFirePosition")->currentIndex(), 0);
        QVERIFY(Control<QCheckBox>(dialog, "chkModelUncertainty")->isChecked());
        Click(dialog, "cmdCancel");
        SkevaWindows::FlushDeletes();
    }

    // SKEVA-XW's fire position was not validated: Run with the model
    // uncertainty says so, and runs once the box is cleared.
    void AFirePositionHasNoUncertaintyInSkeva() {
        SkevaWindows w(Data());
        w.Fill(SmallRoom());
        QVERIFY(TypeModelOptions(&w.input, 1, 0, true).Closed);
        QVERIFY(!w.Run());
        QVERIFY(w.platform.Messages().back().Request.Text.starts_with(
            "The model uncertainty cannot be shown: "));
    }
};

QTEST_MAIN(SkevaModelOptionsTest)
#include "model_options_test.moc"
