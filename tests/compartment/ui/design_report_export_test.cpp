// VORLA-XW's File > Export Design Report… in the report window, through the
// scripted platform: the PDF read back with pdftotext and pdfinfo, its key
// results against the panel and against `vorla compartment --summary` of the
// saved report, its digests against sha256sum.
#include "cli/vorla_command.h"
#include "program_fixture.h"
#include "tests/support/pdf_reading.h"

#include <QPlainTextEdit>
#include <nlohmann/json.hpp>
#include <sstream>

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

} // namespace

class DesignReportExportTest : public QObject {
    Q_OBJECT

  private slots:
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
};

QTEST_MAIN(DesignReportExportTest)
#include "design_report_export_test.moc"
