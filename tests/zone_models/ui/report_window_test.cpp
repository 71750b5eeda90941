// The report window base, with a stand-in program: what happens while the run
// goes, a program's own button, the window's size and text boxes, and the
// mechanics of Save, Print and Close that both programs share. The programs'
// tests keep their own texts, files and flows.
#include "common/ui/fake_platform.h"
#include "common/ui/message_texts.h"
#include "common/ui/report_text_box.h"
#include "zone_models/ui/report_window.h"

#include <QApplication>
#include <QCloseEvent>
#include <QFile>
#include <QFontInfo>
#include <QFontMetrics>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPointer>
#include <QPushButton>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QVBoxLayout>
#include <QtTest>
#include <functional>

using namespace vorla::ui;

namespace {

// An input form with the two boxes the report window uses.
class InputForm : public QWidget {
  public:
    InputForm() {
        txtRunTitle = new QLineEdit(this);
        txtRunTitle->setObjectName("txtRunTitle");
        txtOutputFile = new QLineEdit("RUN.OUT", this);
        txtOutputFile->setObjectName("txtOutputFile");
        auto* layout = new QVBoxLayout(this);
        layout->addWidget(txtRunTitle);
        layout->addWidget(txtOutputFile);
    }
    QLineEdit* txtRunTitle;
    QLineEdit* txtOutputFile;
    int shownAgain = 0;
    QStringList saved; // the files Save told the form it wrote
};

// A program whose report is `rows` rows "row 0" ... and whose run calls `during`.
class TestReport final : public ReportWindow {
  public:
    TestReport(PlatformServices& services, InputForm& input, std::string header)
        : ReportWindow(
              services,
              {&input, input.txtRunTitle, input.txtOutputFile,
               [&input] {
                   ++input.shownAgain;
                   input.show();
                   input.txtRunTitle->setFocus();
               },
               [&input](const std::string& path) { input.saved << QString::fromStdString(path); }},
              {.ProgramName = "TEST",
               .Caption = "TEST: Output Data",
               .SaveQuestionTitle = "TEST: Save Data?",
               .PrinterCheckTitle = "TEST: Printer Check",
               .DataFilter = "TEST Data Files (*.tst)|*.tst",
               .NotSavedSentence = "The test is not saved.",
               .PrintLinesReserved = 4,
               .FireFileProblemIcon = MessageIcon::Exclamation}),
          header_(std::move(header)) {
        cmdExtra = AddButton("cmdExtra", "&Extra");
    }

    // The base's controls, found by object name as a user's tools find them.
    QPushButton* cmdExtra;
    ReportTextBox* txtHeader = findChild<ReportTextBox*>("txtHeader");
    ReportTextBox* txtDataColumns = findChild<ReportTextBox*>("txtDataColumns");
    QPushButton* cmdSave = findChild<QPushButton*>("cmdSave");
    QPushButton* cmdPrint = findChild<QPushButton*>("cmdPrint");
    QPushButton* cmdClose = findChild<QPushButton*>("cmdClose");
    // Saved, or the user chose not to keep the run: Close no longer asks.
    bool Saved() const { return !cmdSave->isEnabled(); }

    std::function<void()> during;
    int rows = 3;
    // The output file the inputs name, and the fire file the run read.
    std::string outputFile = "RUN.OUT";
    std::string fireFile;
    using ReportWindow::AskDuringRun;

  protected:
    std::string HeaderText() const override { return "VERSION\r\n" + header_; }
    vorla::RunOutcome RunModel() override {
        if (during) {
            during();
        }
        return vorla::CompletedRun{vorla::RunEnd::Complete, "RUN COMPLETE", rows - 1};
    }
    // Page 1 is "row 0" and the file its header names.
    vorla::RunReport Report(const vorla::CompletedRun& run) const override {
        std::string rowsText;
        for (int r = 0; r <= run.LastRow; ++r) {
            rowsText += "row " + std::to_string(r) + "\r\n";
        }
        const std::string end(run.EndMessage);
        return {.ScreenTableText = rowsText + end,
                .SavedReportText = "VERSION\r\n" + header_ + "\r\n" + rowsText + end + "\r\n",
                .OutputFile = outputFile,
                .FireFile = fireFile,
                .PrintedPages =
                    [](double, std::string_view file) {
                        return std::optional<std::vector<vorla::PrintedPage>>{
                            {{"row 0", std::string(file)}}};
                    },
                .KeyResultsFor = {},
                .ResultsCsv = {},
                .ScreenTableCells = {},
                .ShownUnits = vorla::UnitSystem::SI};
    }

  private:
    std::string header_;
};

} // namespace

class ReportWindowTest : public QObject {
    Q_OBJECT

    QTemporaryDir folder_;

  private slots:
    void WhileTheRunGoesNothingCanCloseTheWindow() {
        FakePlatform platform(folder_.filePath("DATA").toStdString());
        InputForm input;
        input.show();
        QPointer<TestReport> report = new TestReport(platform, input, "HEADER");
        bool checked = false;
        report->during = [&] {
            QVERIFY(report->isVisible());
            QVERIFY(!input.isVisible());
            QCOMPARE(report->txtDataColumns->toPlainText(), QString("CALCULATING ..."));
            for (auto* button :
                 {report->cmdSave, report->cmdPrint, report->cmdExtra, report->cmdClose}) {
                QVERIFY(!button->isEnabled());
            }
            QCOMPARE(QApplication::overrideCursor()->shape(), Qt::WaitCursor);
            QTest::keyClick(report->txtDataColumns, Qt::Key_Escape);
            QVERIFY(!report->close());
            QVERIFY(report->isVisible());
            // The window system's requests and clicks that wait in the queue
            // until the run is over.
            QCoreApplication::postEvent(report, new QCloseEvent);
            const QPointF middle = QRectF(report->cmdClose->rect()).center();
            for (auto type : {QEvent::MouseButtonPress, QEvent::MouseButtonRelease}) {
                QCoreApplication::postEvent(
                    report->cmdClose,
                    new QMouseEvent(type, middle, report->cmdClose->mapToGlobal(middle),
                                    Qt::LeftButton, Qt::LeftButton, Qt::NoModifier));
            }
            checked = true;
        };
        QVERIFY(report->RunAndShow());
        QCoreApplication::processEvents();
        QVERIFY(report && report->isVisible());
        QVERIFY(checked);
        QVERIFY(platform.Messages().empty()); // not even the question about saving
        QVERIFY(QApplication::overrideCursor() == nullptr);
        QCOMPARE(report->txtDataColumns->toPlainText(),
                 QString("row 0\nrow 1\nrow 2\nRUN COMPLETE"));
        QCOMPARE(QApplication::focusWidget(), report->cmdClose);
        QVERIFY(report->cmdExtra->isEnabled());
        delete report.data();
    }

    void AQuestionDuringTheRunHasTheOrdinaryCursor() {
        FakePlatform platform(folder_.filePath("DATA").toStdString());
        InputForm input;
        auto* report = new TestReport(platform, input, "HEADER");
        std::optional<Qt::CursorShape> whileAsked;
        platform.WhenMessageShown = [&](const MessageRequest&) {
            whileAsked = QApplication::overrideCursor()->shape();
        };
        report->during = [&] {
            platform.AnswerNextQuestion(MessageButton::No);
            QCOMPARE(report->AskDuringRun(
                         {"Stop?", "TEST: Question", MessageIcon::Question, MessageButtons::YesNo}),
                     MessageButton::No);
            QCOMPARE(QApplication::overrideCursor()->shape(), Qt::WaitCursor);
        };
        QVERIFY(report->RunAndShow());
        QCOMPARE(whileAsked, std::optional(Qt::ArrowCursor));
        delete report;
    }

    void AProgramsOwnButtonStandsBeforeClose() {
        FakePlatform platform(folder_.filePath("DATA").toStdString());
        InputForm input;
        auto* report = new TestReport(platform, input, "HEADER");
        QVERIFY(report->RunAndShow());
        QCOMPARE(report->cmdExtra->text(), QString("&Extra"));
        report->txtHeader->setFocus();
        // The base's own Export CSV and Copy come before a program's button.
        for (QWidget* next : std::initializer_list<QWidget*>{
                 report->txtDataColumns, report->cmdSave, report->cmdPrint,
                 report->findChild<QWidget*>("cmdExportCsv"),
                 report->findChild<QWidget*>("cmdCopy"), report->cmdExtra, report->cmdClose}) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            QCOMPARE(QApplication::focusWidget(), next);
        }
        QVERIFY(report->cmdPrint->x() < report->cmdExtra->x());
        QVERIFY(report->cmdExtra->x() < report->cmdClose->x());
        delete report;
    }

    void TheHeaderShowsEveryLineAndALongLineWidensTheWindow() {
        FakePlatform platform(folder_.filePath("DATA").toStdString());
        InputForm input;
        std::string header = "TITLE";
        for (int line = 2; line <= 16; ++line) {
            header += "\r\nLINE " + std::to_string(line);
        }
        auto* shortHeader = new TestReport(platform, input, header);
        QVERIFY(shortHeader->RunAndShow());
        QCOMPARE(shortHeader->txtHeader->toPlainText().count(u'\n'), 16);
        QCOMPARE(shortHeader->txtHeader->verticalScrollBar()->maximum(), 0);
        const int usualWidth = shortHeader->width();
        delete shortHeader;

        auto* longHeader =
            new TestReport(platform, input, header + "\r\nFIRE FILE : " + std::string(100, 'F'));
        QVERIFY(longHeader->RunAndShow());
        QCOMPARE(longHeader->txtHeader->verticalScrollBar()->maximum(), 0);
        QVERIFY(longHeader->width() > usualWidth);
        const QRect screen = longHeader->screen()->availableGeometry();
        QVERIFY(longHeader->width() <= screen.width());
        QVERIFY(longHeader->height() <= screen.height());
        delete longHeader;
    }

    void TheReportBoxesAreFixedPitchReadOnlyAndNeverWrapped() {
        FakePlatform platform(folder_.filePath("DATA").toStdString());
        InputForm input;
        auto* report = new TestReport(platform, input, "HEADER");
        QVERIFY(report->RunAndShow());
        for (const ReportTextBox* box : {report->txtHeader, report->txtDataColumns}) {
            QVERIFY(box->isReadOnly());
            QVERIFY(QFontInfo(box->font()).fixedPitch());
            const QFontMetrics metrics(box->font());
            QCOMPARE(metrics.horizontalAdvance("iiii"), metrics.horizontalAdvance("MMMM"));
            QCOMPARE(box->lineWrapMode(), QPlainTextEdit::NoWrap);
        }
        QCOMPARE(report->txtDataColumns->verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOn);
        delete report;
    }

    // Escape, Enter on the focused Close button and the frame's close button
    // all do what Close does: results not saved yet bring the save question,
    // and Yes saves and keeps the window; once saved, the window goes at once.
    void EscapeEnterAndTheFrameDoWhatCloseDoes_data() {
        QTest::addColumn<QString>("how");
        QTest::newRow("Escape") << "Escape";
        QTest::newRow("Enter on Close") << "Enter";
        QTest::newRow("frame's close button") << "frame";
    }
    void EscapeEnterAndTheFrameDoWhatCloseDoes() {
        QFETCH(QString, how);
        FakePlatform platform(folder_.filePath("DATA").toStdString());
        InputForm input;
        input.show();
        QPointer<TestReport> report = new TestReport(platform, input, "HEADER");
        QVERIFY(report->RunAndShow());
        const auto closeIt = [&] {
            if (how == "Escape") {
                QTest::keyClick(report->txtDataColumns, Qt::Key_Escape);
            } else if (how == "Enter") {
                QCOMPARE(QApplication::focusWidget(), report->cmdClose);
                QTest::keyClick(report->cmdClose, Qt::Key_Return);
            } else {
                report->close();
            }
            QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        };
        const QString saved = folder_.filePath("closing.tst");
        platform.AnswerNextQuestion(MessageButton::Yes);
        platform.ChooseInNextDialog(saved.toStdString());
        closeIt();
        QVERIFY(report && report->isVisible());
        QVERIFY(report->Saved());
        QVERIFY(QFile::exists(saved));
        QCOMPARE(platform.Messages().size(), std::size_t{1});
        const auto& question = platform.Messages()[0].Request;
        QCOMPARE(question.Text, std::string(kSaveQuestion));
        QCOMPARE(question.Title, std::string("TEST: Save Data?"));
        QCOMPARE(input.shownAgain, 0);

        closeIt();
        QVERIFY(!report);
        QCOMPARE(input.shownAgain, 1);
        QVERIFY(input.isVisible());
        QCOMPARE(platform.Messages().size(), std::size_t{1});
        QVERIFY(platform.Problems().empty());
    }

    // Escape on the save question leaves the question only: the report stays
    // open and unsaved, whether Close, Escape or the frame's button asked it;
    // the question comes again, and No then closes without saving.
    void EscapeOnTheSaveQuestionKeepsTheReport_data() {
        QTest::addColumn<QString>("how");
        QTest::newRow("Close") << "Close";
        QTest::newRow("Escape") << "Escape";
        QTest::newRow("frame") << "frame";
    }
    void EscapeOnTheSaveQuestionKeepsTheReport() {
        QFETCH(QString, how);
        FakePlatform platform(folder_.filePath("DATA").toStdString());
        InputForm input;
        input.show();
        QPointer<TestReport> report = new TestReport(platform, input, "HEADER");
        QVERIFY(report->RunAndShow());
        platform.PressEscapeOnNextQuestion();
        if (how == "Close") {
            report->cmdClose->click();
        } else if (how == "Escape") {
            QTest::keyClick(report->txtDataColumns, Qt::Key_Escape);
        } else {
            report->close();
        }
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(report && report->isVisible());
        QVERIFY(!report->Saved());
        QCOMPARE(platform.Messages().size(), std::size_t{1});
        QCOMPARE(platform.Messages()[0].Request.Text, std::string(kSaveQuestion));
        QVERIFY(platform.FileDialogs().empty());
        QCOMPARE(input.shownAgain, 0);
        QCOMPARE(QApplication::focusWidget(), report->cmdClose);

        platform.AnswerNextQuestion(MessageButton::No);
        report->cmdClose->click();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(!report);
        QCOMPARE(input.shownAgain, 1);
        QCOMPARE(platform.Messages().size(), std::size_t{2});
        QVERIFY(platform.FileDialogs().empty());
        QVERIFY(platform.Problems().empty());
    }

    // A save that keeps nothing leaves the report unsaved: Save stays on, the
    // focus goes to Close, and the next Close asks again. A name that is the
    // fire file the run read is refused before anything is written.
    void ASaveThatKeepsNothingLeavesTheReportUnsaved_data() {
        QTest::addColumn<QString>("how");
        QTest::newRow("Save, dialog cancelled") << "Save cancel";
        QTest::newRow("Close, Yes, dialog cancelled") << "Close cancel";
        QTest::newRow("Save over the fire file") << "Save fire";
        QTest::newRow("Close, Yes, over the fire file") << "Close fire";
    }
    void ASaveThatKeepsNothingLeavesTheReportUnsaved() {
        QFETCH(QString, how);
        FakePlatform platform(folder_.filePath("DATA").toStdString());
        InputForm input;
        input.show();
        const QString fire = folder_.filePath("fire.fir");
        {
            QFile file(fire);
            QVERIFY(file.open(QIODevice::WriteOnly));
            file.write("FIRE\r\n");
        }
        QPointer<TestReport> report = new TestReport(platform, input, "HEADER");
        report->fireFile = fire.toStdString();
        QVERIFY(report->RunAndShow());
        if (how.endsWith("cancel")) {
            platform.CancelNextDialog();
        } else {
            platform.ChooseInNextDialog(fire.toStdString());
        }
        // Clicked with the mouse, which gives the button the focus first.
        if (how.startsWith("Close")) {
            platform.AnswerNextQuestion(MessageButton::Yes);
            QTest::mouseClick(report->cmdClose, Qt::LeftButton);
        } else {
            QTest::mouseClick(report->cmdSave, Qt::LeftButton);
        }
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(report && report->isVisible());
        QVERIFY(!report->Saved());
        QCOMPARE(QApplication::focusWidget(), report->cmdClose);
        QCOMPARE(input.saved, QStringList());
        QFile file(fire);
        QVERIFY(file.open(QIODevice::ReadOnly));
        QCOMPARE(file.readAll(), QByteArray("FIRE\r\n"));
        if (how.endsWith("fire")) {
            const auto& refusal = platform.Messages().back().Request;
            QCOMPARE(refusal.Text, "The file " + fire.toStdString() + " is the fire file " +
                                       fire.toStdString() +
                                       " this run read: saving there would write over it. "
                                       "The test is not saved.");
            QCOMPARE(refusal.Title, std::string("TEST"));
            QCOMPARE(refusal.Icon, MessageIcon::Exclamation);
        }

        platform.ClearRecords();
        platform.AnswerNextQuestion(MessageButton::No);
        report->cmdClose->click();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(!report);
        QCOMPARE(input.shownAgain, 1);
        QCOMPARE(platform.Messages().size(), std::size_t{1});
        QCOMPARE(platform.Messages()[0].Request.Text, std::string(kSaveQuestion));
        QVERIFY(platform.Problems().empty());
    }

    void AFailedSaveNamesTheFileAndWhatItMeans() {
        FakePlatform platform(folder_.filePath("DATA").toStdString());
        InputForm input;
        QPointer<TestReport> report = new TestReport(platform, input, "HEADER");
        QVERIFY(report->RunAndShow());
        const std::string folderPath = folder_.path().toStdString();
        platform.ChooseInNextDialog(folderPath);            // a folder, not a file
        QTest::mouseClick(report->cmdSave, Qt::LeftButton); // which takes the focus first
        QCOMPARE(platform.Messages().size(), std::size_t{1});
        const auto& failure = platform.Messages()[0].Request;
        QCOMPARE(failure.Text,
                 "The file " + folderPath +
                     " could not be written (Is a directory). The test is not saved.");
        QCOMPARE(failure.Title, std::string("TEST"));
        QCOMPARE(failure.Icon, MessageIcon::Critical);
        QVERIFY(!report->Saved());
        QCOMPARE(QApplication::focusWidget(), report->cmdClose);
        // Close still offers to save; Yes and the same failure keep the window.
        platform.AnswerNextQuestion(MessageButton::Yes);
        platform.ChooseInNextDialog(folderPath);
        report->cmdClose->click();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(report && report->isVisible() && !report->Saved());
        QCOMPARE(platform.Messages().size(), std::size_t{3});
        QCOMPARE(platform.Messages()[1].Request.Text, std::string(kSaveQuestion));
        QCOMPARE(platform.Messages()[2].Request.Text, platform.Messages()[0].Request.Text);
        platform.CancelNextDialog();
        report->cmdSave->click();
        QCOMPARE(input.saved, QStringList()); // nothing written, nothing to remember

        // A good name: the whole report, and the output file follows it.
        const QString saved = folder_.filePath("saved.tst");
        platform.ChooseInNextDialog(saved.toStdString());
        report->cmdSave->click();
        QFile file(saved);
        QVERIFY(file.open(QIODevice::ReadOnly));
        QCOMPARE(file.readAll(),
                 QByteArray("VERSION\r\nHEADER\r\nrow 0\r\nrow 1\r\nrow 2\r\nRUN COMPLETE\r\n"));
        QVERIFY(report->Saved());
        QCOMPARE(input.saved, QStringList({saved}));
        const auto& dialog = platform.FileDialogs().back().Request;
        QCOMPARE(dialog.Title, std::string("Specify Data Output File"));
        QCOMPARE(dialog.Filter, std::string("TEST Data Files (*.tst)|*.tst"));
        QCOMPARE(dialog.InitialFileName, std::string("RUN.OUT"));
        // Printed pages now name the file the report was saved to.
        platform.AnswerNextQuestion(MessageButton::Ok);
        report->cmdPrint->click();
        QCOMPARE(platform.PrintRequests().at(0).SuggestedPdfName, std::string("saved.pdf"));
        QCOMPARE(platform.Documents().at(0).Pages.at(0).at(1), saved.toStdString());

        // Saved: Close goes back to the input form without a question.
        report->cmdClose->click();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(!report);
        QCOMPARE(input.shownAgain, 1);
        // The two failures, the question between them and the printer check.
        QCOMPARE(platform.Messages().size(), std::size_t{4});
        QVERIFY(platform.Problems().empty());
    }

    void PrintOffersAPdfNamedAfterTheOutputFile() {
        FakePlatform platform(folder_.filePath("DATA").toStdString());
        InputForm input;
        auto* report = new TestReport(platform, input, "HEADER");
        report->outputFile = folder_.filePath("results.v1.tst").toStdString();
        QVERIFY(report->RunAndShow());
        platform.AnswerNextQuestion(MessageButton::Ok);
        report->cmdPrint->click();
        const auto& request = platform.PrintRequests().at(0);
        QCOMPARE(request.Title, std::string("TEST: Printer Check"));
        QCOMPARE(request.DocumentName, std::string("TEST report"));
        QCOMPARE(request.SuggestedPdfName, std::string("results.v1.pdf"));
        QCOMPARE(platform.Documents().at(0).Pages.at(0),
                 std::vector<std::string>({"row 0", report->outputFile}));
        QCOMPARE(QApplication::focusWidget(), report->cmdClose);
        delete report;
    }
};

QTEST_MAIN(ReportWindowTest)
#include "report_window_test.moc"
