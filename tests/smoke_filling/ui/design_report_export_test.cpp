// SKEVA-XW's File > Export Design Report…, through the scripted platform: the
// PDF read back with pdftotext and pdfinfo holds every line of the Key
// Results panel, the saved results file's and the fire file's SHA-256 as
// sha256sum gives them, and "Page x of y" on each of pdfinfo's pages.
#include "skeva_windows.h"
#include "tests/support/file_bytes.h"
#include "tests/support/pdf_reading.h"

#include <QPlainTextEdit>
#include <QTemporaryDir>
#include <QtTest>

using namespace vorla::smoke;
using namespace vorla::smoke::testing;
using vorla::test_support::Control;

class DesignReportExportTest : public QObject {
    Q_OBJECT

  private slots:
    void ExportsTheSavedRun() {
        if (vorla::test_support::PdfToolsMissing()) {
            QSKIP("pdftotext, pdfinfo or sha256sum is missing (poppler-utils)");
        }
        QTemporaryDir folder;
        SkevaWindows w(folder.filePath("DATA").toStdString());
        TypedRun run;
        run.RunTitle = "Store room";
        run.OutputFile = "STORE.SOF";
        run.FloorArea = "10";
        run.RoomHeight = "3";
        run.FireHeight = "1";
        run.FireFile = QString::fromStdString(DataFile("fast_t_squared_2mw.fir"));
        w.Fill(run);
        QWidget* report = w.Run();
        QVERIFY(report);

        const std::string saved = folder.filePath("store.sof").toStdString();
        w.platform.ChooseInNextDialog(saved);
        vorla::test_support::Click(report, "cmdSave");
        const std::string pdf = folder.filePath("store.pdf").toStdString();
        w.platform.ChooseInNextDialog(pdf);
        vorla::test_support::Trigger(report, "mnuFileExportDesignReport");
        QCOMPARE(w.platform.FileDialogs().back().Request.InitialFileName, std::string("store.pdf"));

        const auto pages = vorla::test_support::PdfPagesText(pdf);
        const int count = vorla::test_support::PdfInfoPages(pdf);
        QVERIFY(count >= 3);
        QCOMPARE(static_cast<int>(pages.size()), count);
        std::string text;
        for (int p = 0; p < count; ++p) {
            QVERIFY(pages[p].find("Page " + std::to_string(p + 1) + " of " +
                                  std::to_string(count)) != std::string::npos);
            text += pages[p];
        }
        QVERIFY(vorla::test_support::ValueAfter(text, "Program:").starts_with("SKEVA-XW, "));
        QCOMPARE(vorla::test_support::ValueAfter(text, "Report SHA-256:"),
                 vorla::test_support::Sha256Sum(saved));
        QCOMPARE(vorla::test_support::ValueAfter(text, "Fire file SHA-256:"),
                 vorla::test_support::Sha256Sum(DataFile("fast_t_squared_2mw.fir")));
        for (const QString& line :
             Control<QPlainTextEdit>(report, "txtKeyResults")->toPlainText().split('\n')) {
            QVERIFY2(text.find(line.trimmed().toStdString()) != std::string::npos,
                     qPrintable(line));
        }
    }
};

QTEST_MAIN(DesignReportExportTest)
#include "design_report_export_test.moc"
