#include "common/text/report_paging.h"
#include "common/ui/fixed_pitch_font.h"
#include "common/ui/qt_printer.h"

#include <QFile>
#include <QFontInfo>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QtTest>
#include <cmath>

using namespace vorla::ui;

namespace {

QByteArray ReadAll(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        return {};
    }
    return file.readAll();
}

// Page objects ("/Type /Page", not the page tree's "/Type /Pages").
int PageCount(const QByteArray& pdf) {
    static const QRegularExpression page(R"(/Type\s*/Page(?![A-Za-z]))");
    int count = 0;
    for (auto matches = page.globalMatch(QString::fromLatin1(pdf)); matches.hasNext();
         matches.next()) {
        ++count;
    }
    return count;
}

std::string Row(int r) {
    return "row " + std::to_string(r);
}
std::vector<std::string> Header(int page) {
    return {"", "", "", "Page " + std::to_string(page)};
}

} // namespace

class QtPrinterTest : public QObject {
    Q_OBJECT

    QTemporaryDir folder_;

  private slots:
    void MeasuresThePageAndTheLineInPrinterUnits() {
        const auto printer = OpenPdfPrinter(folder_.filePath("m.pdf").toStdString(), "test");
        printer->SetFont("Courier", 12);
        QVERIFY(IsMonospaced(printer->CurrentFont()));
        QCOMPARE(printer->CurrentFont().pointSizeF(), 12.0);
        const double pageHeight = printer->PageHeight();
        QCOMPARE(pageHeight, std::round(pageHeight)); // a whole number
        const double lineHeight = printer->TextHeight("X");
        QVERIFY(lineHeight > 0);
        QCOMPARE(printer->TextHeight("X\nY"), 2 * lineHeight);
        // A sheet of A4 or Letter holds 50 to 70 lines of 12 point type.
        const double lines = pageHeight / lineHeight;
        QVERIFY2(lines > 50 && lines < 70, qPrintable(QString::number(lines)));
        QVERIFY(printer->WritesFile());
        QCOMPARE(printer->Destination(), folder_.filePath("m.pdf").toStdString());
    }

    void WritesAPdfPaginatedAsPaper() {
        const QString path = folder_.filePath("report.pdf");
        const auto printer = OpenPdfPrinter(path.toStdString(), "VORLA-XW report");
        printer->SetFont("Courier", 12);
        const double linesPerPage = printer->PageHeight() / printer->TextHeight("X") - 26;
        // Enough rows for three pages, each row on the page the report paging put it.
        const int lastRow = static_cast<int>(2 * std::round(linesPerPage)) + 5;
        const auto pages = vorla::PaginateReport(lastRow, linesPerPage, Row, Header, "END");
        QVERIFY(pages);
        QCOMPARE(pages->size(), std::size_t{3});
        QCOMPARE(PrintPages(*printer, *pages), std::optional<std::string>());

        const QByteArray pdf = ReadAll(path);
        QVERIFY(pdf.startsWith("%PDF"));
        QCOMPARE(PageCount(pdf), 3); // the trailing new page added no blank sheet
    }

    void APageThatCannotHoldItsLinesGoesOnToTheNext() {
        const QString path = folder_.filePath("long.pdf");
        const auto printer = OpenPdfPrinter(path.toStdString(), "long");
        printer->SetFont("Courier", 12);
        const int fullPage = static_cast<int>(printer->PageHeight() / printer->TextHeight("X"));
        for (int line = 0; line < fullPage; ++line) {
            printer->PrintLine("line " + std::to_string(line));
        }
        QCOMPARE(printer->EndDoc(), std::optional<std::string>());
        QCOMPARE(PageCount(ReadAll(path)), 2); // the margins take a few lines of the sheet
    }

    void AnOlderPdfIsReplacedOnlyByAFinishedOne() {
        QTemporaryDir folder;
        const QString path = folder.filePath("old.pdf");
        {
            QFile old(path);
            QVERIFY(old.open(QIODevice::WriteOnly));
            old.write("an older report");
        }
        {
            const auto abandoned = OpenPdfPrinter(path.toStdString(), "abandoned");
            abandoned->PrintLine("never ended");
        } // dropped without EndDoc: the older file stays, and nothing else is left
        QCOMPARE(ReadAll(path), QByteArray("an older report"));
        QCOMPARE(QDir(folder.path()).entryList(QDir::Files), QStringList{"old.pdf"});

        const auto printer = OpenPdfPrinter(path.toStdString(), "new");
        printer->PrintLine("a new report");
        QCOMPARE(printer->EndDoc(), std::optional<std::string>());
        QVERIFY(ReadAll(path).startsWith("%PDF"));
        QCOMPARE(QDir(folder.path()).entryList(QDir::Files), QStringList{"old.pdf"});
    }

    void NothingPrintedWritesNoFile() {
        const QString path = folder_.filePath("nothing.pdf");
        const auto printer = OpenPdfPrinter(path.toStdString(), "nothing");
        printer->NewPage();
        QCOMPARE(printer->EndDoc(), std::optional<std::string>());
        QVERIFY(!QFile::exists(path));
    }

    void AFileThatCannotBeWrittenIsReported() {
        const QString path = folder_.filePath("no such folder/report.pdf");
        const auto printer = OpenPdfPrinter(path.toStdString(), "report");
        printer->PrintLine("a line");
        printer->PrintLine("another");
        const auto error = printer->EndDoc();
        QCOMPARE(error, std::optional<std::string>("The PDF file " + path.toStdString() +
                                                   " could not be written."));
        QVERIFY(!QFile::exists(path));
    }
};

QTEST_MAIN(QtPrinterTest)
#include "qt_printer_test.moc"
