// QDOT-XW's graph window: Save, Close and its question, a save that fails, and
// the saved file read back by the reader VORLA-XW and SKEVA-XW use.
#include "cli/fire_command.h"
#include "common/fire_file_reader.h"
#include "common/fire_file_writer.h"
#include "generator_windows.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <sstream>

using namespace vorla::generator;
using namespace vorla::generator::testing;

namespace {

const QString kSaveQuestion = "QDOT-XW: Save Data? | Do you want to save the data?";

QByteArray Contents(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

} // namespace

class GraphFormTest : public QObject {
    Q_OBJECT

    // The heptane pool of 1 m, built and shown in the graph window, to be saved
    // as `fileName` in the test's folder.
    static void BuildPool(Generator& generator, const QString& fileName = "POOL1.FIR",
                          const QString& delay = "0") {
        generator.FillMainForm(
            "Heptane pool, 1 m", generator.FolderPath(fileName),
            Control<QRadioButton>(generator.input, "optUnits(1)")->isChecked() ? "18789" : "43700",
            delay);
        if (delay == "0") {
            generator.platform.AnswerNextQuestion(MessageButton::Yes);
        }
        Control<QPushButton>(generator.input, "cmdPool")->click();
        auto* form = Generator::CurveForm();
        QVERIFY(form);
        const bool us = Control<QRadioButton>(generator.input, "optUnits(1)")->isChecked();
        QVERIFY(TypeInto(form, us ? QStringList{"txtMLRInf=0.0079875", "txtKBeta=0.21336",
                                                "txtDiameter=3.2808399", "txtTEnd=600"}
                                  : QStringList{"txtMLRInf=0.039", "txtKBeta=0.7", "txtDiameter=1",
                                                "txtTEnd=600"}));
        Control<QPushButton>(form, "cmdOK")->click();
        QVERIFY(generator.Graph().isVisible());
        generator.platform.ClearRecords();
    }

    static void ExpectBackAtTheMainForm(Generator& generator) {
        QVERIFY(!generator.Graph().isVisible());
        QVERIFY(generator.input.isVisible());
        QCOMPARE(FocusIn(&generator.input), QString("txtDescription"));
        QCOMPARE(Control<QLineEdit>(generator.input, "txtDescription")->text(),
                 QString("Heptane pool, 1 m"));
    }

  private slots:
    void KeepsTheWindowConventions() {
        Generator generator;
        BuildPool(generator);
        QCOMPARE(WindowConventionProblems(generator.Graph()), QStringList());
        QCOMPARE(FocusIn(&generator.Graph()), QString("cmdSave"));
    }

    void SavedFileIsTheOneTheModelsRead() {
        Generator generator;
        BuildPool(generator);
        QWidget& graph = generator.Graph();
        QCOMPARE(Control<QPushButton>(graph, "cmdSave")->text(), QString("&Save"));
        QCOMPARE(Control<QPushButton>(graph, "cmdClose")->text(), QString("&Close"));
        QCOMPARE(FocusIn(&graph), QString("cmdSave"));
        QTest::mouseClick(Control<QPushButton>(graph, "cmdSave"), Qt::LeftButton);
        QVERIFY(generator.platform.Messages().empty());
        QVERIFY(!Control<QPushButton>(graph, "cmdSave")->isEnabled());
        QVERIFY(Generator::Saved());

        const QString path = generator.FolderPath("POOL1.FIR");
        const QByteArray expected =
            "    0          0.0        0.000\r\n"
            "    1        673.8       15.420\r\n"
            "  600        673.8       15.420\r\n"
            "   -9           -9           -9\r\n" +
            QByteArray::fromStdString(vorla::FireNameLine("POOL1.FIR", vorla::TodayShortDate())) +
            "\r\nHeptane pool, 1 m\r\n";
        QCOMPARE(Contents(path), expected);

        vorla::FireTable table;
        QVERIFY(!vorla::ReadFireFile(path.toStdString(), table));
        const auto& module = generator.Module();
        QCOMPARE(int(table.N), module.LastPoint);
        for (int i = 0; i <= module.LastPoint; ++i) {
            QCOMPARE(table.Points[i].Time, double(module.FireTime[i]));
            // The file holds the rate to 0.1 kW.
            QVERIFY(std::abs(table.Points[i].Rate - module.FireRate[i]) <= 0.05);
        }
        // Nothing but the file is left in the folder.
        QCOMPARE(QDir(generator.FolderPath(".")).entryList(QDir::Files),
                 QStringList({"POOL1.FIR"}));
    }

    void TheWindowAndTheBatchCommandWriteTheSameFile() {
        Generator generator;
        generator.SwitchToUSUnits();
        generator.FillMainForm("Armchair, medium growth", generator.FolderPath("ARMCHAIR.FIR"),
                               "8599", "30");
        Control<QPushButton>(generator.input, "cmdTSquared")->click();
        auto* form = Generator::CurveForm();
        QVERIFY(form);
        QVERIFY(TypeInto(form, {"txtAlpha=0.0111", "txtTMax=300", "txtTEnd=900"}));
        Control<QPushButton>(form, "cmdOK")->click();
        Control<QPushButton>(generator.Graph(), "cmdSave")->click();
        QVERIFY(generator.platform.Messages().empty());

        QVERIFY(QDir().mkpath(generator.FolderPath("batch")));
        const std::vector<std::string> args = {
            "tsquared",
            "--units",
            "us",
            "--heat-of-combustion",
            "8599",
            "--delay",
            "30",
            "--alpha",
            "0.0111",
            "--t-max",
            "300",
            "--t-end",
            "900",
            "--description",
            "Armchair, medium growth",
            "--date",
            vorla::TodayShortDate(),
            "-o",
            generator.FolderPath("batch/ARMCHAIR.FIR").toStdString()};
        std::ostringstream out, err;
        QCOMPARE(vorla::cli::RunFireCommand(args, out, err), 0);
        const auto saved = Contents(generator.FolderPath("ARMCHAIR.FIR"));
        QVERIFY(saved.size() > 1000);
        QCOMPARE(saved, Contents(generator.FolderPath("batch/ARMCHAIR.FIR")));
    }

    void AnotherCurveOverwritesTheFile() {
        Generator generator;
        BuildPool(generator);
        Control<QPushButton>(generator.Graph(), "cmdSave")->click();
        Control<QPushButton>(generator.Graph(), "cmdClose")->click();
        BuildPool(generator, "POOL1.FIR", "60");
        QVERIFY(Control<QPushButton>(generator.Graph(), "cmdSave")->isEnabled());
        QVERIFY(!Generator::Saved());
        Control<QPushButton>(generator.Graph(), "cmdSave")->click();
        vorla::FireTable table;
        QVERIFY(!vorla::ReadFireFile(generator.FolderPath("POOL1.FIR").toStdString(), table));
        QCOMPARE(int(table.N), 3);
        QCOMPARE(table.Points[3].Time, 660.0);
    }

    void UsUnitsPlotBtuButSaveKilowatts() {
        Generator generator;
        generator.SwitchToUSUnits();
        BuildPool(generator);
        QWidget& graph = generator.Graph();
        QCOMPARE(Control<QLabel>(graph, "lblYTitle")->text(),
                 QString("Rate of Heat Release (Btu/s)"));
        // The pool typed in U.S. units burns at 673.87 kW: 638.74 Btu/s on the
        // graph, while the file holds kW (at 18789 Btu/lb, 43701.3 kJ/kg).
        QVERIFY(std::abs(PlottedValue(graph, 1) - 638.74) < 0.01);
        Control<QPushButton>(graph, "cmdSave")->click();
        QVERIFY(Contents(generator.FolderPath("POOL1.FIR"))
                    .contains("\r\n    1        673.9       15.420\r\n"));
    }

    void SaveThenCloseAsksNothing() {
        Generator generator;
        BuildPool(generator);
        Control<QPushButton>(generator.Graph(), "cmdSave")->click();
        QTest::mouseClick(Control<QPushButton>(generator.Graph(), "cmdClose"), Qt::LeftButton);
        QVERIFY(generator.platform.Messages().empty());
        ExpectBackAtTheMainForm(generator);
    }

    void CloseOffersToSave_data() {
        QTest::addColumn<QString>("how");
        QTest::addColumn<bool>("yes");
        for (const char* how : {"Close", "Escape", "frame"}) {
            QTest::addRow("%s, Yes", how) << QString(how) << true;
            QTest::addRow("%s, No", how) << QString(how) << false;
        }
    }
    void CloseOffersToSave() {
        QFETCH(QString, how);
        QFETCH(bool, yes);
        Generator generator;
        BuildPool(generator);
        QWidget& graph = generator.Graph();
        generator.platform.AnswerNextQuestion(yes ? MessageButton::Yes : MessageButton::No);
        if (how == "Close") {
            QTest::mouseClick(Control<QPushButton>(graph, "cmdClose"), Qt::LeftButton);
        } else if (how == "Escape") {
            WaitUntilActive(&graph);
            QTest::keyClick(graph.focusWidget(), Qt::Key_Escape);
        } else {
            graph.close();
        }
        QCOMPARE(generator.platform.Messages().size(), std::size_t{1});
        const auto& shown = generator.platform.Messages()[0];
        QCOMPARE(Shown(shown), kSaveQuestion);
        QCOMPARE(shown.Request.Icon, MessageIcon::Exclamation);
        QCOMPARE(shown.Request.Buttons, MessageButtons::YesNo);
        const QString path = generator.FolderPath("POOL1.FIR");
        if (yes) {
            // Saved, and the window stays; a second Close leaves without asking.
            QVERIFY(QFileInfo::exists(path));
            QVERIFY(graph.isVisible());
            QVERIFY(!Control<QPushButton>(graph, "cmdSave")->isEnabled());
            QVERIFY(!generator.input.isVisible());
            Control<QPushButton>(graph, "cmdClose")->click();
            QCOMPARE(generator.platform.Messages().size(), std::size_t{1});
        } else {
            QVERIFY(!QFileInfo::exists(path));
        }
        ExpectBackAtTheMainForm(generator);
        QCOMPARE(generator.ProgramEnded, 0);
    }

    void AFailedSaveKeepsTheWindowOpen() {
        Generator generator;
        BuildPool(generator, "missing/POOL1.FIR");
        QWidget& graph = generator.Graph();
        Control<QPushButton>(graph, "cmdSave")->click();
        QCOMPARE(generator.platform.Messages().size(), std::size_t{1});
        const auto& shown = generator.platform.Messages()[0].Request;
        QCOMPARE(shown.Title, std::string("QDOT-XW: Save Data Error"));
        QVERIFY2(QString::fromStdString(shown.Text).contains("POOL1.FIR"), shown.Text.c_str());
        QVERIFY(graph.isVisible());
        QVERIFY(Control<QPushButton>(graph, "cmdSave")->isEnabled());
        QVERIFY(!Generator::Saved());

        // Close still asks; Yes tries again, fails again, and stays.
        generator.platform.AnswerNextQuestion(MessageButton::Yes);
        Control<QPushButton>(graph, "cmdClose")->click();
        QCOMPARE(generator.platform.Messages().size(), std::size_t{3});
        QCOMPARE(generator.platform.Messages()[2].Request.Title,
                 std::string("QDOT-XW: Save Data Error"));
        QVERIFY(graph.isVisible());
        QVERIFY(!generator.input.isVisible());
    }

    void ACurveTheModelsCouldNotReadIsNotSaved() {
        Generator generator;
        generator.FillMainForm("Too short", generator.FolderPath("SHORT.FIR"), "12000", "0");
        generator.platform.AnswerNextQuestion(MessageButton::Yes);
        Control<QPushButton>(generator.input, "cmdTSquared")->click();
        auto* form = Generator::CurveForm();
        QVERIFY(form);
        QVERIFY(TypeInto(form, {"txtAlpha=0.1", "txtTMax=10", "txtTEnd=3"}));
        Control<QPushButton>(form, "cmdOK")->click();
        QWidget& graph = generator.Graph();
        QVERIFY(graph.isVisible());
        QCOMPARE(generator.Module().LastPoint, 0);
        generator.platform.ClearRecords();
        Control<QPushButton>(graph, "cmdSave")->click();
        QCOMPARE(generator.platform.Messages().size(), std::size_t{1});
        QCOMPARE(generator.platform.Messages()[0].Request.Title,
                 std::string("QDOT-XW: Save Data Error"));
        QVERIFY(!QFileInfo::exists(generator.FolderPath("SHORT.FIR")));
        QVERIFY(Control<QPushButton>(graph, "cmdSave")->isEnabled());
    }
};

QTEST_MAIN(GraphFormTest)
#include "graph_form_test.moc"
