#include "common/text/report_paging.h"
#include "common/ui/fake_platform.h"
#include "common/ui/pdf_fallback.h"

#include <QTemporaryDir>
#include <QtTest>
#include <filesystem>

using namespace vorla::ui;

namespace {

MessageRequest Question(std::string text) {
    return {std::move(text), "VORLA-XW: Save Data?", MessageIcon::Exclamation,
            MessageButtons::YesNo};
}

FileDialogRequest SaveDialog() {
    return SaveAsDialog("Specify Data Output File", "VORLA-XW Data Files (*.sdf)|*.sdf", "/data",
                        "OFFICE.VOF");
}

} // namespace

class FakePlatformTest : public QObject {
    Q_OBJECT

    QTemporaryDir folder_;
    std::string DataFolder() const { return folder_.filePath("VORLA/DATA").toStdString(); }

  private slots:
    void QuestionsTakeTheScriptedAnswersInOrder() {
        FakePlatform platform(DataFolder());
        platform.AnswerNextQuestion(MessageButton::No);
        platform.AnswerNextQuestion(MessageButton::Cancel);
        QCOMPARE(platform.ShowMessage(Question("Do you want to save the data?")),
                 MessageButton::No);
        // A box with only OK does not use the script.
        QCOMPARE(platform.ShowMessage({"The ceiling is too high.", "VORLA-XW: Input Data Error"}),
                 MessageButton::Ok);
        QCOMPARE(platform.PendingAnswers(), std::size_t{1});
        QCOMPARE(platform.ShowMessage({"Make sure the printer is ready.", "VORLA-XW: Printer Check",
                                       MessageIcon::Exclamation, MessageButtons::OkCancel}),
                 MessageButton::Cancel);
        QCOMPARE(platform.PendingAnswers(), std::size_t{0});
        QVERIFY(platform.Problems().empty());

        const auto& shown = platform.Messages();
        QCOMPARE(shown.size(), std::size_t{3});
        QCOMPARE(shown[0].Request.Text, std::string("Do you want to save the data?"));
        QCOMPARE(shown[0].Request.Title, std::string("VORLA-XW: Save Data?"));
        QCOMPARE(shown[0].Request.Icon, MessageIcon::Exclamation);
        QCOMPARE(shown[0].Request.Buttons, MessageButtons::YesNo);
        QCOMPARE(shown[1].Request.Title, std::string("VORLA-XW: Input Data Error"));
        QCOMPARE(shown[1].Answer, MessageButton::Ok);
        QCOMPARE(shown[2].Answer, MessageButton::Cancel);
        for (const auto& message : shown) {
            QVERIFY(!message.AnsweredByDefault);
        }
    }

    void AnUnscriptedQuestionGetsItsDefaultAndIsReported() {
        FakePlatform platform(DataFolder());
        QCOMPARE(platform.ShowMessage(Question("Stop at flashover?")), MessageButton::Yes);
        auto noByDefault = Question("Overwrite?");
        noByDefault.Default = MessageButton::No;
        QCOMPARE(platform.ShowMessage(noByDefault), MessageButton::No);
        QVERIFY(platform.Messages()[0].AnsweredByDefault);
        QCOMPARE(platform.Problems().size(), std::size_t{2});
        QVERIFY(platform.Problems()[0].find("Stop at flashover?") != std::string::npos);
    }

    void AnAnswerTheBoxDoesNotHaveIsReported() {
        FakePlatform platform(DataFolder());
        platform.AnswerNextQuestion(MessageButton::Ok);
        QCOMPARE(platform.ShowMessage(Question("Do you want to save the data?")),
                 MessageButton::Yes);
        QVERIFY(platform.Messages()[0].AnsweredByDefault);
        QCOMPARE(platform.Problems().size(), std::size_t{1});
        QVERIFY(platform.Problems()[0].find("OK") != std::string::npos);
    }

    // Escape answers as the real box would: Cancel where the question says
    // Escape leaves it, else the box's own escape button.
    void EscapeAnswersAsTheBoxWould() {
        FakePlatform platform(DataFolder());
        auto leaves = Question("Do you want to save the data?");
        leaves.EscapeLeaves = true;
        const struct {
            MessageRequest request;
            MessageButton answer;
        } cases[] = {
            {leaves, MessageButton::Cancel},
            {Question("Replace the file?"), MessageButton::No},
            {{"Ready?", "VORLA-XW: Printer Check", MessageIcon::Exclamation,
              MessageButtons::OkCancel},
             MessageButton::Cancel},
        };
        for (const auto& c : cases) {
            platform.PressEscapeOnNextQuestion();
            QCOMPARE(platform.ShowMessage(c.request), c.answer);
            QCOMPARE(platform.Messages().back().Answer, c.answer);
            QVERIFY(!platform.Messages().back().AnsweredByDefault);
        }
        QVERIFY(platform.Problems().empty());
    }

    void TheTestSeesTheWindowsWhenTheQuestionIsAsked() {
        FakePlatform platform(DataFolder());
        std::vector<std::string> seen;
        platform.WhenMessageShown = [&](const MessageRequest& request) {
            seen.push_back(request.Text);
            QCOMPARE(platform.Messages().size(), seen.size() - 1); // not yet answered
        };
        platform.ShowMessage({"one", "T"});
        platform.ShowMessage({"two", "T"});
        QCOMPARE(seen, (std::vector<std::string>{"one", "two"}));
    }

    void FileDialogsAnswerFromTheScriptAndAreRecorded() {
        FakePlatform platform(DataFolder());
        platform.ChooseInNextDialog("/data/RUN1.SDF");
        platform.CancelNextDialog();
        QCOMPARE(platform.ChooseFile(SaveDialog()), std::optional<std::string>("/data/RUN1.SDF"));
        QCOMPARE(platform.ChooseFile(SaveDialog()), std::optional<std::string>());
        QVERIFY(platform.Problems().empty());
        QCOMPARE(platform.ChooseFile(SaveDialog()), std::optional<std::string>()); // unscripted
        QCOMPARE(platform.Problems().size(), std::size_t{1});

        const auto& dialogs = platform.FileDialogs();
        QCOMPARE(dialogs.size(), std::size_t{3});
        const auto& request = dialogs[0].Request;
        QCOMPARE(request.Kind, FileDialogKind::SaveAs);
        QCOMPARE(request.Title, std::string("Specify Data Output File"));
        QCOMPARE(request.Filter, std::string("VORLA-XW Data Files (*.sdf)|*.sdf"));
        QCOMPARE(request.InitialDirectory, std::string("/data"));
        QCOMPARE(request.InitialFileName, std::string("OFFICE.VOF"));
        QVERIFY(request.ConfirmOverwrite);
        QVERIFY(!request.FileMustExist);
        QVERIFY(dialogs[0].Scripted && dialogs[1].Scripted && !dialogs[2].Scripted);
        QVERIFY(!dialogs[1].Answer);
    }

    void TheDataDirectoryIsTheTestsFolderCreatedWhenAskedFor() {
        FakePlatform platform(DataFolder());
        QVERIFY(!std::filesystem::exists(DataFolder()));
        QCOMPARE(platform.DataDirectory(), DataFolder());
        QVERIFY(std::filesystem::is_directory(DataFolder()));
    }

    void ThePrinterRecordsPagesAsPaperCarriesThem() {
        FakePlatform platform(DataFolder());
        auto opened = platform.OpenPrinter({"VORLA-XW: Printer Check", "report"});
        QVERIFY(opened.Device);
        auto& printer = *opened.Device;
        printer.SetFont("Courier", 12);
        QCOMPARE(printer.PageHeight() / printer.TextHeight("X") - 26, 40.0);
        printer.NewPage(); // before any line: no blank first sheet
        printer.PrintLine("a");
        printer.NewPage();
        printer.NewPage(); // two breaks in a row: still one page
        printer.PrintLine("b");
        printer.PrintLine("c");
        printer.NewPage(); // just before the end: no blank sheet
        QCOMPARE(printer.EndDoc(), std::optional<std::string>());

        const auto documents = platform.Documents();
        QCOMPARE(documents.size(), std::size_t{1});
        const auto& document = documents[0];
        QCOMPARE(document.Request.Title, std::string("VORLA-XW: Printer Check"));
        QCOMPARE(document.FontName, std::string("Courier"));
        QCOMPARE(document.FontSize, 12.0);
        QVERIFY(document.Ended);
        QCOMPARE(document.Pages, (std::vector<vorla::PrintedPage>{{"a"}, {"b", "c"}}));
    }

    void PrinterFailuresComeBackFromEndDoc() {
        FakePlatform platform(DataFolder());
        platform.PrinterSettings.BeginError = "The printer is out of paper.";
        auto failing = platform.OpenPrinter({});
        failing.Device->PrintLine("a");
        failing.Device->PrintLine("b");
        QCOMPARE(failing.Device->EndDoc(),
                 std::optional<std::string>("The printer is out of paper."));
        QVERIFY(platform.Documents()[0].Pages.empty());

        platform.PrinterSettings = {};
        platform.PrinterSettings.EndError = "The printer stopped.";
        auto stopping = platform.OpenPrinter({});
        stopping.Device->PrintLine("a");
        QCOMPARE(stopping.Device->EndDoc(), std::optional<std::string>("The printer stopped."));
        QCOMPARE(platform.Documents()[1].Error, std::optional<std::string>("The printer stopped."));

        auto empty = platform.OpenPrinter({});
        QCOMPARE(empty.Device->EndDoc(), std::optional<std::string>());
        QVERIFY(platform.Documents()[2].Pages.empty());
    }

    void APrinterCanBeRefused() {
        FakePlatform platform(DataFolder());
        platform.RefuseNextPrinter();
        platform.RefuseNextPrinter("The printer could not be opened.");
        const auto declined = platform.OpenPrinter({"T", "report"});
        QVERIFY(!declined.Device);
        QVERIFY(declined.Error.empty());
        const auto failed = platform.OpenPrinter({"T", "report"});
        QVERIFY(!failed.Device);
        QCOMPARE(failed.Error, std::string("The printer could not be opened."));
        QVERIFY(platform.OpenPrinter({"T", "report"}).Device);
        QCOMPARE(platform.PrintRequests().size(), std::size_t{3});
        QCOMPARE(platform.Documents().size(), std::size_t{1});
    }

    void WithoutAPrinterThePdfIsOfferedAndItsPathAskedFor() {
        const PrintRequest request("SKEVA-XW: Printer Check", "SKEVA-XW report", "ROOM1.pdf");
        {
            FakePlatform platform(DataFolder());
            platform.AnswerNextQuestion(MessageButton::No);
            QCOMPARE(AskForPdfInstead(platform, request), std::optional<std::string>());
            QVERIFY(platform.FileDialogs().empty());
            const auto& question = platform.Messages().at(0).Request;
            QCOMPARE(question.Text, std::string(kNoPrinterQuestion));
            QCOMPARE(question.Title, std::string("SKEVA-XW: Printer Check"));
            QCOMPARE(question.Icon, MessageIcon::Question);
            QCOMPARE(question.Buttons, MessageButtons::YesNo);
        }
        {
            FakePlatform platform(DataFolder());
            platform.AnswerNextQuestion(MessageButton::Yes);
            platform.ChooseInNextDialog("/tmp/out/ROOM1");
            QCOMPARE(AskForPdfInstead(platform, request),
                     std::optional<std::string>("/tmp/out/ROOM1.pdf"));
            const auto& dialog = platform.FileDialogs().at(0).Request;
            QCOMPARE(dialog.Kind, FileDialogKind::SaveAs);
            QCOMPARE(dialog.Title, std::string("Save Report as PDF"));
            QCOMPARE(dialog.Filter, std::string("PDF Files (*.pdf)|*.pdf"));
            QCOMPARE(dialog.InitialDirectory, DataFolder());
            QCOMPARE(dialog.InitialFileName, std::string("ROOM1.pdf"));
            QVERIFY(dialog.ConfirmOverwrite);
            QVERIFY(platform.Problems().empty());
        }
        {
            FakePlatform platform(DataFolder());
            platform.AnswerNextQuestion(MessageButton::Yes);
            platform.CancelNextDialog();
            QCOMPARE(AskForPdfInstead(platform, request), std::optional<std::string>());
        }
    }
};

QTEST_MAIN(FakePlatformTest)
#include "fake_platform_test.moc"
