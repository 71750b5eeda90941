// QDOT-XW's graph window: Save, Close and its question, a save that fails, and
// the saved file read back by the reader VORLA-XW and SKEVA-XW use.
#include "cli/fire_command.h"
#include "common/fire_files/fire_file_reader.h"
#include "fire_generator/curves/fire_file_writer.h"
#include "generator_windows.h"
#include "tests/support/file_bytes.h"
#include "tests/support/pdf_reading.h"

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

const vorla::ui::GraphPicture& Picture() {
    return *Control<vorla::ui::GraphPicture>(Generator::Graph(), "picGraph");
}

// Compare With… choosing `path` in its dialog.
void CompareWith(Generator& generator, const QString& path) {
    generator.platform.ChooseInNextDialog(path.toStdString());
    Button(&Generator::Graph(), "cmdCompare")->click();
}

QString Example(const char* name) {
    return QString(VORLA_EXAMPLES_DIR) + "/" + name;
}

// 0 kW at 0 s to 500 kW at 120 s, with its description.
constexpr const char* kRampFire = "    0          0.0        0.000\r\n"
                                  "  120        500.0        0.000\r\n"
                                  "   -9           -9           -9\r\n"
                                  "RAMP.FIR     01-02-2024\r\n"
                                  "Ramp to 500 kW\r\n";

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
    // Design Sheet… against the fire file Save writes, read by the models' reader.
    void DesignSheetDescribesTheSavedCurve() {
        if (vorla::test_support::PdfToolsMissing()) {
            QSKIP("pdftotext or pdfinfo is missing (poppler-utils)");
        }
        Generator generator;
        BuildPool(generator);
        Button(&generator.Graph(), "cmdSave")->click();
        vorla::FireTable fire;
        QVERIFY(!vorla::ReadFireFile(generator.FolderPath("POOL1.FIR").toStdString(), fire));
        double peak = 0;
        double released = 0;
        for (int i = 0; i <= fire.LastIndex; ++i) {
            peak = std::max(peak, fire.Points[i].Rate);
            if (i > 0) {
                released += (fire.Points[i].Time - fire.Points[i - 1].Time) *
                            (fire.Points[i].Rate + fire.Points[i - 1].Rate) / 2000;
            }
        }

        const std::string pdf = generator.FolderPath("pool.pdf").toStdString();
        generator.platform.ChooseInNextDialog(pdf);
        Button(&generator.Graph(), "cmdDesignSheet")->click();
        QCOMPARE(generator.platform.FileDialogs().back().Request.InitialFileName,
                 std::string("POOL1.pdf"));
        const auto pages = vorla::test_support::PdfPagesText(pdf);
        const int count = vorla::test_support::PdfInfoPages(pdf);
        QVERIFY(count >= 2);
        QCOMPARE(static_cast<int>(pages.size()), count);
        std::string text;
        for (int p = 0; p < count; ++p) {
            QVERIFY(pages[p].find("Page " + std::to_string(p + 1) + " of " +
                                  std::to_string(count)) != std::string::npos);
            text += pages[p];
        }
        QCOMPARE(vorla::test_support::ValueAfter(text, "Description:"),
                 std::string("Heptane pool, 1 m"));
        QVERIFY(vorla::test_support::ValueAfter(text, "Peak heat release rate:")
                    .starts_with(QString::number(peak, 'f', 1).toStdString() + " kW"));
        const std::string heat = vorla::test_support::ValueAfter(text, "Heat released:");
        QVERIFY2(heat == QString::number(released, 'f', 1).toStdString() + " MJ",
                 (heat + " against " + std::to_string(released)).c_str());
        // The appendix ends with the file's description line.
        QVERIFY(pages.back().find("Heptane pool, 1 m") != std::string::npos);
    }

    void ComparesWithUpToFourFireFiles() {
        Generator generator;
        BuildPool(generator);
        QWidget& graph = generator.Graph();
        QVERIFY(!Button(&graph, "cmdRemoveComparisons")->isEnabled());
        QCOMPARE(Button(&graph, "cmdCompare")->toolTip(),
                 QString("Draw the curve of another fire file beside this one (up to four) "
                         "(Ctrl+O)"));
        const char* files[] = {"tsquared-fast-1mw.fir", "medium-tsquared-1mw.fir",
                               "pool-1m-674kw.fir", "office-workstation.fir"};
        for (const char* file : files) {
            CompareWith(generator, Example(file));
        }
        QVERIFY(generator.platform.Messages().empty());
        QCOMPARE(generator.platform.FileDialogs().at(0).Request.Title,
                 std::string("Compare With Fire File"));
        QCOMPARE(generator.platform.FileDialogs().at(0).Request.Filter,
                 std::string("QDOT-XW Files (*.fir)|*.fir|All files (*)|*"));
        QCOMPARE(Picture().LegendTexts(),
                 QStringList({"Heptane pool, 1 m", "T-squared fast fire growing to 1 MW",
                              "Medium t-squared fire growing to 1000 kW, burning to 900 s",
                              "Heptane pool, 1 m diameter", "Office workstation"}));
        QStringList colours;
        for (const auto& curve : Picture().Comparisons()) {
            colours << curve.Colour.name();
        }
        QCOMPARE(colours, QStringList({"#00ffff", "#ff60d0", "#60ff60", "#ffa030"}));
        QVERIFY(Button(&graph, "cmdRemoveComparisons")->isEnabled());
        // The workstation's file ends at 1500 s: the time axis covers 25 minutes.
        QCOMPARE(Label(&graph, "lblXLabel(5)")->text(), QString("25"));

        // A fifth is refused before any dialog, naming the limit.
        const auto before = Picture().LegendTexts();
        generator.platform.ClearRecords();
        generator.platform.ChooseInNextDialog(Example("heptane-pool-1m.fir").toStdString());
        Button(&graph, "cmdCompare")->click();
        QVERIFY(generator.platform.FileDialogs().empty());
        QCOMPARE(generator.platform.Messages().size(), std::size_t{1});
        QCOMPARE(Shown(generator.platform.Messages()[0]),
                 QString("QDOT-XW | The graph compares at most 4 fire files with the current "
                         "curve. Remove Comparisons before adding another."));
        QCOMPARE(Picture().LegendTexts(), before);

        // Remove Comparisons takes them all off.
        generator.platform.ClearRecords();
        Button(&graph, "cmdRemoveComparisons")->click();
        QVERIFY(Picture().Comparisons().empty());
        QVERIFY(Picture().LegendTexts().isEmpty());
        QVERIFY(!Button(&graph, "cmdRemoveComparisons")->isEnabled());
        QCOMPARE(Label(&graph, "lblXLabel(5)")->text(), QString("10"));
        QCOMPARE(FocusIn(&graph), QString("cmdCompare"));
    }

    // The ramp's point at 120 s on the pool's axes: 2 of 10 minutes across,
    // 500 kW (473.9 Btu/s at 1.055 kW each) of 1000 up.
    void TheComparedPointLandsWhereItsValueSays_data() {
        QTest::addColumn<bool>("us");
        QTest::addColumn<double>("value");
        QTest::newRow("kW") << false << 500.0;
        QTest::newRow("Btu/s") << true << 500 / 1.055;
    }
    void TheComparedPointLandsWhereItsValueSays() {
        QFETCH(bool, us);
        QFETCH(double, value);
        Generator generator;
        if (us) {
            generator.SwitchToUSUnits();
        }
        BuildPool(generator);
        const QString ramp = generator.FolderPath("RAMP.FIR");
        QVERIFY(WriteFile(ramp.toStdString(), kRampFire));
        CompareWith(generator, ramp);
        QCOMPARE(Picture().LegendTexts(), QStringList({"Heptane pool, 1 m", "Ramp to 500 kW"}));
        QCOMPARE(Label(&generator.Graph(), "lblYLabel(5)")->text(), QString("1000"));
        const auto& points = Picture().Comparisons().at(0).Points;
        QCOMPARE(points.size(), std::size_t{2});
        QVERIFY(std::abs(points[1].x() - 948) < 1e-9);
        QVERIFY2(std::abs(points[1].y() - (3135 - 3135 * value / 1000)) < 1e-6,
                 qPrintable(QString::number(points[1].y())));
    }

    // Files the fire file reader refuses get its message; the graph stays.
    void RefusedFireFilesLeaveTheGraphAsItWas_data() {
        QTest::addColumn<QString>("file");
        QTest::addColumn<QString>("message");
        QTest::newRow("missing") << "NONE.FIR"
                                 << "The fire file {dir}/NONE.FIR cannot be opened";
        QTest::newRow("a saved report") << Example("office-sofa-fire.vof") << "line 1";
    }
    void RefusedFireFilesLeaveTheGraphAsItWas() {
        QFETCH(QString, file);
        QFETCH(QString, message);
        Generator generator;
        BuildPool(generator);
        CompareWith(generator, Example("tsquared-fast-1mw.fir"));
        const auto series = Picture().Series();
        const auto legend = Picture().LegendTexts();
        const auto firstCurve = Picture().Comparisons().at(0).Points;
        generator.platform.ClearRecords();
        CompareWith(generator, QFileInfo(file).isAbsolute() ? file : generator.FolderPath(file));
        QCOMPARE(generator.platform.Messages().size(), std::size_t{1});
        const auto& shown = generator.platform.Messages()[0].Request;
        QCOMPARE(shown.Title, std::string("QDOT-XW"));
        QCOMPARE(shown.Icon, MessageIcon::Critical);
        const QString expected = QString(message).replace("{dir}", generator.FolderPath("."));
        QVERIFY2(QString::fromStdString(shown.Text).contains(QDir::cleanPath(expected)) ||
                     QString::fromStdString(shown.Text).contains(expected),
                 shown.Text.c_str());
        QCOMPARE(Picture().Series(), series);
        QCOMPARE(Picture().LegendTexts(), legend);
        QCOMPARE(Picture().Comparisons().at(0).Points, firstCurve);
    }

    // A new curve is drawn beside the fires compared with the last one, in the
    // units the main form shows then; names already in the legend get the file.
    void ANewCurveKeepsTheComparisons() {
        Generator generator;
        BuildPool(generator);
        CompareWith(generator, Example("pool-1m-674kw.fir"));
        CompareWith(generator, Example("pool-1m-674kw.fir"));
        QCOMPARE(Picture().LegendTexts(),
                 QStringList({"Heptane pool, 1 m", "Heptane pool, 1 m diameter",
                              "Heptane pool, 1 m diameter (pool-1m-674kw.fir)"}));
        generator.platform.AnswerNextQuestion(MessageButton::No); // Close: not saved
        Button(&generator.Graph(), "cmdClose")->click();
        QVERIFY(!generator.Graph().isVisible());
        BuildPool(generator, "POOL2.FIR");
        QCOMPARE(Picture().Comparisons().size(), std::size_t{2});
        QCOMPARE(Picture().LegendTexts().size(), 3);
        QVERIFY(Button(&generator.Graph(), "cmdRemoveComparisons")->isEnabled());
    }

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
        QCOMPARE(int(table.LastIndex), module.LastPoint);
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

    // A later curve's Save asks before replacing the file the name still
    // points at; only a name chosen (and confirmed) in the Save As dialog for
    // this very curve is written without asking.
    void AnotherCurveAsksBeforeReplacingTheFile_data() {
        QTest::addColumn<QString>("how");
        QTest::addColumn<bool>("asked");
        QTest::addColumn<bool>("replaced");
        QTest::newRow("remembered name, Yes") << "Yes" << true << true;
        QTest::newRow("remembered name, No") << "No" << true << false;
        QTest::newRow("remembered name, Escape") << "Escape" << true << false;
        QTest::newRow("chosen again in the dialog") << "dialog" << false << true;
        QTest::newRow("chosen for the first curve only") << "dialog before" << true << false;
    }
    void AnotherCurveAsksBeforeReplacingTheFile() {
        QFETCH(QString, how);
        QFETCH(bool, asked);
        QFETCH(bool, replaced);
        Generator generator;
        const QString path = generator.FolderPath("POOL1.FIR");
        const auto chooseInDialog = [&] {
            generator.platform.ChooseInNextDialog(path.toStdString());
            QTest::mouseClick(Control<QLineEdit>(generator.input, "txtFireFile"), Qt::LeftButton);
        };
        if (how == "dialog before") {
            chooseInDialog();
        }
        BuildPool(generator);
        Control<QPushButton>(generator.Graph(), "cmdSave")->click();
        const QByteArray first = Contents(path);
        QVERIFY(!first.isEmpty());
        Control<QPushButton>(generator.Graph(), "cmdClose")->click();
        if (how == "dialog") {
            chooseInDialog();
        }
        BuildPool(generator, "POOL1.FIR", "60");
        if (how == "Yes" || how == "dialog before") {
            generator.platform.AnswerNextQuestion(how == "Yes" ? MessageButton::Yes
                                                               : MessageButton::No);
        } else if (how == "No") {
            generator.platform.AnswerNextQuestion(MessageButton::No);
        } else if (how == "Escape") {
            generator.platform.PressEscapeOnNextQuestion();
        }
        Control<QPushButton>(generator.Graph(), "cmdSave")->click();

        QCOMPARE(generator.platform.Messages().size(), std::size_t{asked ? 1u : 0u});
        if (asked) {
            const auto& question = generator.platform.Messages()[0].Request;
            QCOMPARE(question.Text,
                     path.toStdString() + " already exists.\nDo you want to replace it?");
            QCOMPARE(question.Title, std::string("QDOT-XW: Save Data?"));
            QCOMPARE(question.Buttons, MessageButtons::YesNo);
            QCOMPARE(question.Default, MessageButton::No);
        }
        QCOMPARE(Generator::Saved(), replaced);
        QCOMPARE(Control<QPushButton>(generator.Graph(), "cmdSave")->isEnabled(), !replaced);
        vorla::FireTable table;
        QVERIFY(!vorla::ReadFireFile(path.toStdString(), table));
        // The second curve starts 60 s later: its end is at 660 s, the first's at 600 s.
        QCOMPARE(table.Points[table.LastIndex].Time, replaced ? 660.0 : 600.0);
        if (!replaced) {
            QCOMPARE(Contents(path), first);
        }
        QVERIFY(generator.platform.Problems().empty());
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

    // Escape on the save question leaves the question: the curve stays on
    // screen, unsaved, and the next Close asks again.
    void EscapeOnTheSaveQuestionKeepsTheCurve() {
        Generator generator;
        BuildPool(generator);
        QWidget& graph = generator.Graph();
        WaitUntilActive(&graph);
        generator.platform.PressEscapeOnNextQuestion();
        QTest::keyClick(graph.focusWidget(), Qt::Key_Escape);
        QCOMPARE(generator.platform.Messages().size(), std::size_t{1});
        QCOMPARE(Shown(generator.platform.Messages()[0]), kSaveQuestion);
        QVERIFY(graph.isVisible());
        QVERIFY(!generator.input.isVisible());
        QVERIFY(!Generator::Saved());
        QVERIFY(!QFileInfo::exists(generator.FolderPath("POOL1.FIR")));

        generator.platform.AnswerNextQuestion(MessageButton::No);
        Control<QPushButton>(graph, "cmdClose")->click();
        QCOMPARE(generator.platform.Messages().size(), std::size_t{2});
        ExpectBackAtTheMainForm(generator);
        QVERIFY(generator.platform.Problems().empty());
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
        // The curve ends before its maximum: Yes, build it anyway.
        generator.platform.AnswerNextQuestion(MessageButton::Yes);
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
