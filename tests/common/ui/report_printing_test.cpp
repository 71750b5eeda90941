#include "common/text/report_paging.h"
#include "common/ui/fake_platform.h"
#include "common/ui/report_printing.h"

#include <QTemporaryDir>
#include <QtTest>

using namespace vorla::ui;

namespace {

std::string Row(int r) {
    return "row " + std::to_string(r);
}
std::vector<std::string> Header(int page) {
    return {"VORLA-XW  Page " + std::to_string(page)};
}

// A report of rows 0 to 100 with a one-line header, as a report window prints it.
ReportPrintJob Job(double* linesPerPageSeen = nullptr) {
    return {.Request = {"VORLA-XW: Printer Check", "VORLA-XW report", "OFFICE.pdf"},
            .ErrorTitle = "VORLA-XW",
            .LinesReserved = 26,
            .Paginate = [linesPerPageSeen](double linesPerPage) {
                if (linesPerPageSeen) {
                    *linesPerPageSeen = linesPerPage;
                }
                return vorla::PaginateReport(100, linesPerPage, Row, Header, "RUN COMPLETE");
            }};
}

} // namespace

class ReportPrintingTest : public QObject {
    Q_OBJECT

    QTemporaryDir folder_;
    std::string Data() const { return folder_.filePath("DATA").toStdString(); }

  private slots:
    void PrintsThePagesAfterThePrinterQuestion() {
        FakePlatform platform(Data());
        platform.AnswerNextQuestion(MessageButton::Ok);
        double linesPerPage = 0;
        QCOMPARE(PrintReport(platform, Job(&linesPerPage)), PrintOutcome::Printed);
        QCOMPARE(linesPerPage, 40.0); // 15840 / 240 - 26

        QCOMPARE(platform.Messages().size(), std::size_t{1});
        const auto& question = platform.Messages()[0].Request;
        QCOMPARE(question.Text, std::string("Make sure the printer is ready."));
        QCOMPARE(question.Title, std::string("VORLA-XW: Printer Check"));
        QCOMPARE(question.Icon, MessageIcon::Exclamation);
        QCOMPARE(question.Buttons, MessageButtons::OkCancel);
        QVERIFY(platform.Problems().empty());

        const auto document = platform.Documents().at(0);
        QCOMPARE(document.FontName, std::string("Courier"));
        QCOMPARE(document.FontSize, 12.0);
        QCOMPARE(document.Request.DocumentName, std::string("VORLA-XW report"));
        // Rows 0 to 38 on page 1, 39 to 78 on page 2, 79 to 100 on page 3.
        QCOMPARE(document.Pages.size(), std::size_t{3});
        QCOMPARE(document.Pages[0].front(), std::string("VORLA-XW  Page 1"));
        QCOMPARE(document.Pages[0].back(), std::string("      row 38"));
        QCOMPARE(document.Pages[1][1], std::string("      row 39"));
        QCOMPARE(document.Pages[1].back(), std::string("      row 78"));
        QCOMPARE(document.Pages[2].back(), std::string("     RUN COMPLETE"));
        QVERIFY(document.Ended);
    }

    void CancelOnThePrinterQuestionPrintsNothing() {
        FakePlatform platform(Data());
        platform.AnswerNextQuestion(MessageButton::Cancel);
        QCOMPARE(PrintReport(platform, Job()), PrintOutcome::Cancelled);
        QVERIFY(platform.Documents().at(0).Pages.empty());
        QCOMPARE(platform.Messages().size(), std::size_t{1});
    }

    void NoPrinterChosenAsksNothingMore() {
        FakePlatform platform(Data());
        platform.RefuseNextPrinter();
        QCOMPARE(PrintReport(platform, Job()), PrintOutcome::Cancelled);
        QVERIFY(platform.Messages().empty());
    }

    void APdfIsWrittenWithoutThePrinterQuestion() {
        FakePlatform platform(Data());
        platform.PrinterSettings.WritesFile = true;
        QCOMPARE(PrintReport(platform, Job()), PrintOutcome::Printed);
        QVERIFY(platform.Messages().empty());
        QCOMPARE(platform.Documents().at(0).Pages.size(), std::size_t{3});
    }

    void FailuresAreShownWithTheProgramsName_data() {
        QTest::addColumn<QString>("openError");
        QTest::addColumn<QString>("endError");
        QTest::addColumn<double>("textHeight");
        QTest::addColumn<QString>("message");
        QTest::newRow("printer cannot be opened")
            << "The printer LaserJet could not be opened."
            << "" << 240.0 << "The printer LaserJet could not be opened.";
        QTest::newRow("printing fails") << ""
                                        << "The PDF file /x.pdf could not be written." << 240.0
                                        << "The PDF file /x.pdf could not be written.";
        // 15840 / 600 - 26 is 0.4 lines a page.
        QTest::newRow("page too short") << ""
                                        << "" << 600.0 << QString(kPageTooShort);
    }
    void FailuresAreShownWithTheProgramsName() {
        QFETCH(QString, openError);
        QFETCH(QString, endError);
        QFETCH(double, textHeight);
        QFETCH(QString, message);
        FakePlatform platform(Data());
        if (!openError.isEmpty()) {
            platform.RefuseNextPrinter(openError.toStdString());
        } else {
            platform.AnswerNextQuestion(MessageButton::Ok);
        }
        platform.PrinterSettings.EndError = endError.toStdString();
        platform.PrinterSettings.TextHeight = textHeight;
        QCOMPARE(PrintReport(platform, Job()), PrintOutcome::Failed);
        const auto& shown = platform.Messages().back().Request;
        QCOMPARE(QString::fromStdString(shown.Text), message);
        QCOMPARE(shown.Title, std::string("VORLA-XW"));
        QCOMPARE(shown.Icon, MessageIcon::Critical);
        QCOMPARE(shown.Buttons, MessageButtons::Ok);
        QVERIFY(platform.Problems().empty());
    }
};

QTEST_MAIN(ReportPrintingTest)
#include "report_printing_test.moc"
