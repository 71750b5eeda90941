// VORLA-XW's File > Export Design Report… in the report window, through the
// scripted platform: the PDF read back with pdftotext and pdfinfo, its key
// results against the panel and against `vorla compartment --summary` of the
// saved report, its digests against sha256sum.
#include "cli/vorla_command.h"
#include "common/ui/graph_picture.h"
#include "common/ui/program_settings.h"
#include "program_fixture.h"
#include "tests/support/pdf_reading.h"
#include "tests/support/window_controls.h"

#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSettings>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <nlohmann/json.hpp>
#include <regex>
#include <sstream>
#include <utime.h>

using namespace vorla::compartment;
using namespace vorla::compartment::testing;

namespace {

std::string AllPages(const std::vector<std::string>& pages) {
    std::string text;
    for (const auto& page : pages) {
        text += page;
    }
    return text;
}

std::string Tenth(double value) {
    return QString::number(value, 'f', 1).toStdString();
}

// The text between two headings of the document.
std::string Between(const std::string& text, const std::string& from, const std::string& to) {
    const auto start = text.find(from);
    const auto end = text.find(to, start == std::string::npos ? 0 : start);
    return start == std::string::npos || end == std::string::npos ? std::string()
                                                                  : text.substr(start, end - start);
}

std::size_t Count(const std::string& text, const std::string& what) {
    std::size_t count = 0;
    for (auto at = text.find(what); at != std::string::npos; at = text.find(what, at + 1)) {
        ++count;
    }
    return count;
}

// How many times `pattern` matches in `text`.
std::ptrdiff_t Matches(const std::string& text, const std::string& pattern) {
    const std::regex expression(pattern);
    return std::distance(std::sregex_iterator(text.begin(), text.end(), expression),
                         std::sregex_iterator());
}

} // namespace

class DesignReportExportTest : public QObject {
    Q_OBJECT
    QTemporaryDir settingsFolder_;

  private slots:
    // The Preferences come from the settings: a folder of the test's, never the user's.
    void initTestCase() {
        vorla::test_support::UseTestSettings("vorla-xw", settingsFolder_.path());
    }
    void init() { QSettings().clear(); }

    // The graphs' time axis follows Preferences…, as the graph windows do. A
    // 100 kW fire in the office never reaches flashover and runs its 600 s:
    // the four graphs' scale is 10 min, ticks every 2 min, or 600 s, ticks
    // every 120 s (60 s would give 10 steps). The fire file holds 100 kW to
    // 9000 s: 150 min by 30, or 9000 s by 1800 (30 min, 5 steps).
    void TheTimeAxisFollowsThePreference() {
        if (vorla::test_support::PdfToolsMissing()) {
            QSKIP("pdftotext, pdfinfo or sha256sum is missing (poppler-utils)");
        }
        const struct {
            vorla::ui::TimeAxisUnit unit;
            const char* title;
            const char* otherTitle;
            const char* graphTicks;
            const char* fireTicks;
        } cases[] = {
            {vorla::ui::TimeAxisUnit::Minutes, "Time (min)", "Time (s)",
             R"(\b0\s+2\s+4\s+6\s+8\s+10\b)", R"(\b0\s+30\s+60\s+90\s+120\s+150\b)"},
            {vorla::ui::TimeAxisUnit::Seconds, "Time (s)", "Time (min)",
             R"(\b0\s+120\s+240\s+360\s+480\s+600\b)",
             R"(\b0\s+1800\s+3600\s+5400\s+7200\s+9000\b)"},
        };
        for (const auto& c : cases) {
            vorla::ui::ProgramSettings().SetTimeAxisUnitPreference(c.unit);
            Program program;
            program.FillRoom(program.WriteFile("STEADY.FIR", kSteadyFire), "600", "20");
            auto* report = program.Run();
            QVERIFY(report);
            const std::string pdf = program.Path("steady.pdf");
            program.platform.ChooseInNextDialog(pdf);
            Trigger(report, "mnuFileExportDesignReport");
            const std::string text = AllPages(vorla::test_support::PdfPagesText(pdf));
            const std::string fire = Between(text, "Design fire", "Key results");
            const std::string graphs =
                Between(text, "Graphs", "Validity limits and model uncertainty");
            QCOMPARE(Count(fire, c.title), std::size_t{1});
            QCOMPARE(Count(graphs, c.title), std::size_t{4});
            QCOMPARE(Count(text, c.otherTitle), std::size_t{0});
            QVERIFY2(Matches(fire, c.fireTicks) == 1, fire.c_str());
            QVERIFY2(Matches(graphs, c.graphTicks) == 4, graphs.c_str());
        }
    }

    void ExportsTheRunAsTheBatchCommandSeesIt() {
        if (vorla::test_support::PdfToolsMissing()) {
            QSKIP("pdftotext, pdfinfo or sha256sum is missing (poppler-utils)");
        }
        Program program;
        const std::string fire = program.WriteFile("RAMP.FIR", kRampFire);
        program.FillRoom(fire, "300", "10");
        program.platform.AnswerNextQuestion(MessageButton::Yes); // flashover: stop
        auto* report = program.Run();
        QVERIFY(report);

        // Before Save the report file is named but not vouched for.
        const std::string unsaved = program.Path("unsaved.pdf");
        program.platform.ChooseInNextDialog(unsaved);
        Trigger(report, "mnuFileExportDesignReport");
        const auto& dialog = program.platform.FileDialogs().back().Request;
        QCOMPARE(dialog.Kind, vorla::ui::FileDialogKind::SaveAs);
        QCOMPARE(dialog.Title, std::string("Export Design Report"));
        QCOMPARE(dialog.Filter, std::string("PDF files (*.pdf)|*.pdf|All files (*)|*"));
        QCOMPARE(dialog.InitialFileName, std::string("OFFICE.pdf"));
        const std::string before = AllPages(vorla::test_support::PdfPagesText(unsaved));
        QCOMPARE(vorla::test_support::ValueAfter(before, "Report SHA-256:"),
                 std::string("(not saved)"));

        const std::string saved = program.Path("office.vof");
        program.platform.ChooseInNextDialog(saved);
        Click(report, "cmdSave");
        const std::string pdf = program.Path("office.pdf");
        program.platform.ChooseInNextDialog(pdf);
        Trigger(report, "mnuFileExportDesignReport");

        const auto pages = vorla::test_support::PdfPagesText(pdf);
        const int count = vorla::test_support::PdfInfoPages(pdf);
        QVERIFY(count >= 3);
        QCOMPARE(static_cast<int>(pages.size()), count);
        for (int p = 0; p < count; ++p) {
            QVERIFY2(pages[p].find("Page " + std::to_string(p + 1) + " of " +
                                   std::to_string(count)) != std::string::npos,
                     pages[p].c_str());
        }
        const std::string text = AllPages(pages);
        QCOMPARE(vorla::test_support::ValueAfter(text, "Run title:"),
                 std::string("Office, sofa fire"));
        QCOMPARE(vorla::test_support::ValueAfter(text, "Report file:"), saved);
        QCOMPARE(vorla::test_support::ValueAfter(text, "Report SHA-256:"),
                 vorla::test_support::Sha256Sum(saved));
        QCOMPARE(vorla::test_support::ValueAfter(text, "Fire file SHA-256:"),
                 vorla::test_support::Sha256Sum(fire));

        // Every line of the Key Results panel is in the document.
        const QStringList panel =
            Control<QPlainTextEdit>(report, "txtKeyResults")->toPlainText().split('\n');
        QVERIFY(panel.size() > 5);
        for (const QString& line : panel) {
            QVERIFY2(text.find(line.trimmed().toStdString()) != std::string::npos,
                     qPrintable(line));
        }

        // The batch command's key results of the saved report, run again.
        const std::string summary = program.Path("summary.json");
        const std::vector<std::string> args = {
            "compartment", "--from", saved, "-o", program.Path("again.vof"), "--summary", summary};
        std::ostringstream out, err;
        QCOMPARE(vorla::cli::RunVorla(args, out, err), 0);
        const auto keys = nlohmann::json::parse(ReadFile(summary));
        QVERIFY(text.find("Flashover at " + Tenth(keys["flashover_time_s"].get<double>()) + " s") !=
                std::string::npos);
        QVERIFY(text.find("Peak heat release rate " +
                          Tenth(keys["peak_heat_release_rate_kw"].get<double>()) + " kW") !=
                std::string::npos);
        for (const auto& [height, time] : keys["interface_reaches_s"].items()) {
            if (!time.is_null()) {
                const std::string line = "Layer down to " + height + " m";
                const auto at = text.find(line);
                QVERIFY2(at != std::string::npos, line.c_str());
                QVERIFY(text.substr(at, text.find('\n', at) - at)
                            .ends_with("at " + Tenth(time.get<double>()) + " s"));
            }
        }

        // A folder that is not there: a message naming the file, nothing written.
        const std::string nowhere = program.Path("missing/office.pdf");
        program.platform.ChooseInNextDialog(nowhere);
        Trigger(report, "mnuFileExportDesignReport");
        const auto& failed = program.platform.Messages().back().Request;
        QCOMPARE(failed.Title, std::string("VORLA-XW"));
        QCOMPARE(failed.Icon, MessageIcon::Critical);
        QVERIFY(failed.Text.find(nowhere) != std::string::npos);
        QVERIFY(failed.Text.ends_with(" The design report is not written."));

        // The fire file the run read is never written over.
        const std::string fireBytes = ReadFile(fire);
        program.platform.ChooseInNextDialog(fire);
        Trigger(report, "mnuFileExportDesignReport");
        QCOMPARE(program.platform.Messages().back().Request.Icon, MessageIcon::Exclamation);
        QCOMPARE(ReadFile(fire), fireBytes);

        // Cancelled: nothing asked.
        const auto messages = program.platform.Messages().size();
        program.platform.CancelNextDialog();
        Trigger(report, "mnuFileExportDesignReport");
        QCOMPARE(program.platform.Messages().size(), messages);
    }

    // Compare With… in the graph, the graph closed: the comparison stays the
    // report's, so the graph opened again shows it and the design report
    // draws it in each of its four graphs, with a legend naming both runs.
    void DrawsTheGraphsComparisonWithALegend() {
        if (vorla::test_support::PdfToolsMissing()) {
            QSKIP("pdftotext, pdfinfo or sha256sum is missing (poppler-utils)");
        }
        Program program;
        program.FillRoom(program.WriteFile("RAMP.FIR", kRampFire), "300", "10");
        program.platform.AnswerNextQuestion(MessageButton::Yes); // flashover: stop
        auto* report = program.Run();
        QVERIFY(report);
        Click(report, "cmdGraph");
        auto* graph = Program::Graph();
        QVERIFY(graph);
        program.platform.ChooseInNextDialog(kExamples + "/office-sofa-fire.vof");
        Click(graph, "cmdCompare");
        QCOMPARE(Control<vorla::ui::GraphPicture>(graph, "picGraph")->Comparisons().size(),
                 std::size_t{1});
        Click(graph, "cmdClose");
        Program::Settle();
        Click(report, "cmdGraph");
        graph = Program::Graph();
        QVERIFY(graph);
        QVERIFY(Control<QPushButton>(graph, "cmdRemoveComparison")->isEnabled());
        QCOMPARE(Control<vorla::ui::GraphPicture>(graph, "picGraph")->Comparisons().size(),
                 std::size_t{1});
        Click(graph, "cmdClose");
        Program::Settle();

        // Both runs have the same title: the compared one is told apart by its file.
        const std::string legend = "Office, sofa fire (office-sofa-fire.vof)";
        const std::string pdf = program.Path("compared.pdf");
        program.platform.ChooseInNextDialog(pdf);
        Trigger(report, "mnuFileExportDesignReport");
        const std::string text = AllPages(vorla::test_support::PdfPagesText(pdf));
        const std::string graphs = Between(text, "Graphs", "Validity limits and model uncertainty");
        QVERIFY2(Count(graphs, legend) == 4, graphs.c_str());
        QCOMPARE(Count(Between(text, "Run", "Graphs"), legend), std::size_t{0});

        // Removed in the graph: gone from the report's graphs too.
        Click(report, "cmdGraph");
        graph = Program::Graph();
        QVERIFY(graph);
        Click(graph, "cmdRemoveComparison");
        Click(graph, "cmdClose");
        Program::Settle();
        const std::string alone = program.Path("alone.pdf");
        program.platform.ChooseInNextDialog(alone);
        Trigger(report, "mnuFileExportDesignReport");
        QCOMPARE(Count(AllPages(vorla::test_support::PdfPagesText(alone)), legend), std::size_t{0});
    }

    // A form in US units: the inputs show the typed US value first, the
    // graphs' axes are in °F, ft and lb/s.
    void FollowsTheFormsUsUnits() {
        if (vorla::test_support::PdfToolsMissing()) {
            QSKIP("pdftotext, pdfinfo or sha256sum is missing (poppler-utils)");
        }
        Program program;
        Control<QRadioButton>(program.input, "optUnits(1)")->click();
        program.FillRoom(program.WriteFile("RAMP.FIR", kRampFire), "300", "100");
        program.platform.AnswerNextQuestion(MessageButton::Yes);
        auto* report = program.Run();
        QVERIFY(report);
        const std::string pdf = program.Path("us.pdf");
        program.platform.ChooseInNextDialog(pdf);
        Trigger(report, "mnuFileExportDesignReport");
        const std::string text = AllPages(vorla::test_support::PdfPagesText(pdf));
        // 100 ft² typed: 100 · 0.0929 = 9.29 m².
        const std::string area = vorla::test_support::ValueAfter(text, "Floor area");
        QVERIFY2(area.starts_with("100 ft² ") && area.ends_with(" (9.29 m²)"), area.c_str());
        const std::string graphs = Between(text, "Graphs", "Validity limits and model uncertainty");
        for (const char* axis : {"(°F)", "(ft)", "(lb/s)", "(kW)"}) {
            QVERIFY2(graphs.find(axis) != std::string::npos, axis);
        }
        for (const char* axis : {"(°C)", "(kg/s)"}) {
            QVERIFY2(graphs.find(axis) == std::string::npos, axis);
        }
    }

    // The Estimate of the heat loss fraction estimator: the design report's
    // inputs say the run's fraction is the estimate and what it came from;
    // a fraction typed over it afterwards is not.
    void SaysTheLossFractionCameFromTheEstimator() {
        if (vorla::test_support::PdfToolsMissing()) {
            QSKIP("pdftotext, pdfinfo or sha256sum is missing (poppler-utils)");
        }
        Program program;
        program.FillRoom(program.WriteFile("RAMP.FIR", kRampFire), "300", "10");
        const QString estimate = program.EstimateLossFraction("2", 2);
        QVERIFY(!estimate.isEmpty());
        QVERIFY(!estimate.isEmpty());

        const auto exported = [&program](const QString& name) {
            program.platform.AnswerNextQuestion(MessageButton::Yes);
            auto* report = program.Run();
            const std::string pdf = program.Path(name);
            if (report != nullptr) {
                program.platform.ChooseInNextDialog(pdf);
                Trigger(report, "mnuFileExportDesignReport");
                program.platform.AnswerNextQuestion(MessageButton::No); // not saved
                Click(report, "cmdClose");
                Program::Settle();
            }
            return AllPages(vorla::test_support::PdfPagesText(pdf));
        };
        const std::string text = exported("estimated.pdf");
        QVERIFY2(text.find("Loss fraction: estimated, not typed") != std::string::npos,
                 text.c_str());
        QVERIFY(text.find("a room length 2 times its width and an irregular ceiling") !=
                std::string::npos);
        QCOMPARE(vorla::test_support::ValueAfter(text, "Loss fraction rule"),
                 std::string("estimate"));
        QCOMPARE(vorla::test_support::ValueAfter(text, "Ceiling"), std::string("irregular"));

        program.Set(InputBox::txtTotalLossFraction, "0.6");
        const std::string typed = exported("typed.pdf");
        QVERIFY(!typed.empty());
        QVERIFY(typed.find("estimated, not typed") == std::string::npos);
        QVERIFY(typed.find("Loss fraction rule") == std::string::npos);
    }

    // The estimated fraction saved and opened again, by File Open and Run
    // and by Open Results: the design report still says where it came from.
    void AReopenedReportSaysItsFractionWasEstimated() {
        if (vorla::test_support::PdfToolsMissing()) {
            QSKIP("pdftotext, pdfinfo or sha256sum is missing (poppler-utils)");
        }
        Program program;
        program.FillRoom(program.WriteFile("RAMP.FIR", kRampFire), "300", "10");
        QVERIFY(!program.EstimateLossFraction("2", 2).isEmpty());
        const std::string saved = program.Path("ESTIMATE.VOF");
        program.platform.AnswerNextQuestion(MessageButton::Yes);
        QWidget* report = program.Run();
        QVERIFY(report);
        program.platform.ChooseInNextDialog(saved);
        Click(report, "cmdSave");
        Click(report, "cmdClose");
        Program::Settle();

        const auto exported = [&program](QWidget* shown, const QString& name) {
            const std::string pdf = program.Path(name);
            if (shown != nullptr) {
                program.platform.ChooseInNextDialog(pdf);
                Trigger(shown, "mnuFileExportDesignReport");
                program.platform.AnswerNextQuestion(MessageButton::No); // not saved
                Click(shown, "cmdClose");
                Program::Settle();
            }
            return AllPages(vorla::test_support::PdfPagesText(pdf));
        };
        Trigger(program.input, "mnuFileNew");
        program.platform.ChooseInNextDialog(saved);
        Trigger(program.input, "mnuFileOpen");
        program.platform.AnswerNextQuestion(MessageButton::Yes);
        const std::string opened = exported(program.Run(), "opened.pdf");
        program.platform.ChooseInNextDialog(saved);
        Trigger(program.input, "mnuFileOpenResults");
        Program::Settle();
        const std::string results = exported(Program::Report(), "results.pdf");
        for (const std::string& text : {opened, results}) {
            QVERIFY2(text.find("Loss fraction: estimated, not typed") != std::string::npos,
                     text.c_str());
            QVERIFY(text.find("a room length 2 times its width and an irregular ceiling") !=
                    std::string::npos);
            QCOMPARE(vorla::test_support::ValueAfter(text, "Ceiling"), std::string("irregular"));
        }
        QVERIFY(Program::Report() == nullptr);
        QCOMPARE(program.platform.Problems(), std::vector<std::string>());
    }

    // A report opened as results is dated by its file, and says so: never
    // by the time it was opened.
    void AReportOpenedAsResultsIsDatedByItsFile() {
        if (vorla::test_support::PdfToolsMissing()) {
            QSKIP("pdftotext, pdfinfo or sha256sum is missing (poppler-utils)");
        }
        Program first;
        first.FillRoom(first.WriteFile("RAMP.FIR", kRampFire), "300", "10");
        first.platform.AnswerNextQuestion(MessageButton::Yes);
        auto* ran = first.Run();
        QVERIFY(ran);
        const std::string saved = first.Path("ramp.vof");
        first.platform.ChooseInNextDialog(saved);
        Click(ran, "cmdSave");
        // 1 700 000 000 s after 1970-01-01 00:00 UTC: 2023-11-14 22:13:20 UTC.
        const utimbuf times{1700000000, 1700000000};
        QCOMPARE(utime(saved.c_str(), &times), 0);
        Click(ran, "cmdClose");
        Program::Settle();

        first.platform.ChooseInNextDialog(saved);
        Trigger(first.input, "mnuFileOpenResults");
        Program::Settle();
        auto* report = Program::Report();
        QVERIFY(report);
        const std::string pdf = first.Path("opened.pdf");
        first.platform.ChooseInNextDialog(pdf);
        Trigger(report, "mnuFileExportDesignReport");
        const std::string text = AllPages(vorla::test_support::PdfPagesText(pdf));
        const std::string date = vorla::test_support::ValueAfter(text, "Run date and time:");
        QVERIFY2(date.starts_with("2023-11-14 22:13:20 UTC (") &&
                     date.find("modification time") != std::string::npos,
                 date.c_str());
    }
};

QTEST_MAIN(DesignReportExportTest)
#include "design_report_export_test.moc"
