// PlatformServices for tests: every message box, file dialog and printer request
// is answered from a script the test writes beforehand and recorded for the test
// to read afterwards. Nothing is ever shown and nothing ever waits.
//
//   FakePlatform platform(temporaryFolder);
//   platform.AnswerNextQuestion(MessageButton::Yes);         // "Save the data?" -> Yes
//   platform.ChooseInNextDialog(temporaryFolder + "/a.sdf"); // then the Save As dialog
//   ... drive the window ...
//   ASSERT_EQ(platform.Messages().size(), 1u);
//   EXPECT_EQ(platform.Messages()[0].Request.Title, "VORLA-XW: Save Data?");
//   EXPECT_EQ(platform.FileDialogs()[0].Request.Filter, "VORLA-XW Data Files (*.sdf)|*.sdf");
//   EXPECT_TRUE(platform.Problems().empty());
//
// Boxes with only OK are answered OK without using the script. A box with a choice
// takes the next scripted answer; with none left, it gets its default button. A
// file dialog with no scripted answer is cancelled. Both are listed in Problems(),
// so a test can check that nothing unexpected was asked.
#pragma once

#include "common/ui/fake_printer.h"
#include "common/ui/platform_services.h"

#include <deque>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace vorla::ui {

class FakePlatform final : public PlatformServices {
  public:
    // `dataDirectory` is what DataDirectory() returns (created when asked for):
    // a temporary folder of the test.
    explicit FakePlatform(std::string dataDirectory);

    // --- The script, used in order.
    void AnswerNextQuestion(MessageButton answer);
    // The next question is left with Escape: its answer is EscapeAnswerOf().
    void PressEscapeOnNextQuestion();
    // The next box with a check box is answered with it checked (by default
    // it is left unchecked, as the box shows it).
    void CheckNextCheckBox();
    // OpenLocalFile answers this (true unless told otherwise).
    bool OpenLocalFileSucceeds = true;
    void ChooseInNextDialog(std::string path);
    void CancelNextDialog();
    // The next OpenPrinter gives no printer: the user declined (empty `error`), or
    // the printer could not be opened (a sentence).
    void RefuseNextPrinter(std::string error = {});
    // How the printers handed out measure and fail.
    FakePrinterSettings PrinterSettings;
    // Called as each message box is shown, before it is answered: a test can look
    // at the windows at the moment the question is asked.
    std::function<void(const MessageRequest&)> WhenMessageShown;

    // --- What happened.
    struct ShownMessage {
        MessageRequest Request;
        MessageButton Answer = MessageButton::Ok;
        bool AnsweredByDefault = false; // a choice that the script did not answer
        bool Checked = false;           // its check box, when it had one
    };
    struct ShownFileDialog {
        FileDialogRequest Request;
        std::optional<std::string> Answer; // nothing: cancelled
        bool Scripted = false;
    };
    const std::vector<ShownMessage>& Messages() const { return messages_; }
    const std::vector<ShownFileDialog>& FileDialogs() const { return fileDialogs_; }
    const std::vector<PrintRequest>& PrintRequests() const { return printRequests_; }
    // The files OpenLocalFile was asked to open, in order.
    const std::vector<std::string>& OpenedFiles() const { return openedFiles_; }
    // One document per printer handed out, as printed so far.
    std::vector<PrintedDocument> Documents() const;
    // Script entries not used yet.
    std::size_t PendingAnswers() const { return answers_.size(); }
    std::size_t PendingDialogs() const { return dialogAnswers_.size(); }
    // Where the script and the windows disagreed, one sentence each: a question or
    // a file dialog the script did not answer, or an answer given to a box that has
    // no such button.
    const std::vector<std::string>& Problems() const { return problems_; }
    // Forgets what was recorded (the script stays).
    void ClearRecords();

    MessageButton ShowMessage(const MessageRequest& request) override;
    MessageAnswer AskWithCheckBox(const MessageRequest& request) override;
    bool OpenLocalFile(const std::string& path) override;
    std::optional<std::string> ChooseFile(const FileDialogRequest& request) override;
    std::string DataDirectory() override;
    OpenedPrinter OpenPrinter(const PrintRequest& request) override;

  private:
    std::string dataDirectory_;
    std::deque<std::optional<MessageButton>> answers_; // nothing: Escape
    std::deque<std::optional<std::string>> dialogAnswers_;
    std::deque<std::string> printerRefusals_;
    std::vector<ShownMessage> messages_;
    std::vector<ShownFileDialog> fileDialogs_;
    std::vector<PrintRequest> printRequests_;
    std::vector<std::string> openedFiles_;
    int checkBoxesToCheck_ = 0;
    std::vector<std::shared_ptr<PrintedDocument>> documents_;
    std::vector<std::string> problems_;
};

const char* NameOf(MessageButton button);

} // namespace vorla::ui
