// The modal services every window of the suite reaches through one interface:
// message boxes, the Open and Save As file dialogs, the data directory and the
// printer. The programs use QtPlatformServices; tests use FakePlatform, which
// answers from a script and records every request, so no test ever waits for a
// real modal window.
//
// A window keeps a PlatformServices& handed down from main():
//
//   const auto answer = services.ShowMessage({"Do you want to save the data?",
//                                             "VORLA-XW: Save Data?", MessageIcon::Exclamation,
//                                             MessageButtons::YesNo});
//   if (answer == MessageButton::Yes) { ... }
//
//   const auto path = services.ChooseFile(OpenDialog("Specify Fire File",
//                                                    "VORLA-XW Fire Files (*.fir)|*.fir",
//                                                    services.DataDirectory(), current));
//   if (!path) { return; } // cancelled: nothing changes
#pragma once

#include "common/ui/printer.h"

#include <memory>
#include <optional>
#include <string>
#include <utility>

namespace vorla::ui {

enum class MessageIcon { Critical, Question, Exclamation, Information };
enum class MessageButtons { Ok, OkCancel, YesNo };
enum class MessageButton { Ok, Cancel, Yes, No };

// A message box. `Default` is the button Enter presses; when it is not one of the
// box's buttons, the first button (OK or Yes) is the default. Escape and the
// frame's close button answer Cancel, No, or OK on a box that has only OK.
struct MessageRequest {
    MessageRequest() = default;
    MessageRequest(std::string text, std::string title, MessageIcon icon = MessageIcon::Exclamation,
                   MessageButtons buttons = MessageButtons::Ok,
                   MessageButton defaultButton = MessageButton::Ok)
        : Text(std::move(text)), Title(std::move(title)), Icon(icon), Buttons(buttons),
          Default(defaultButton) {}

    std::string Text;
    std::string Title;
    MessageIcon Icon = MessageIcon::Exclamation;
    MessageButtons Buttons = MessageButtons::Ok;
    MessageButton Default = MessageButton::Ok;
    // Escape and the frame's close button leave the question unanswered: the
    // answer is Cancel, which the box shows no button for. A question whose No
    // discards work asks this way, so a stray Escape loses nothing.
    bool EscapeLeaves = false;
    // A check box under the text ("&Do not ask again"); empty: none. Its state
    // comes back with the answer (PlatformServices::AskWithCheckBox).
    std::string CheckBoxText;
};

// The button pressed on a box with a check box, and whether the box was checked.
struct MessageAnswer {
    MessageButton Button = MessageButton::Ok;
    bool Checked = false;
};

bool HasButton(MessageButtons buttons, MessageButton button);
// The button Enter presses on the box: `Default` when the box has it, else OK or Yes.
MessageButton DefaultButtonOf(const MessageRequest& request);
// The button Escape (and the frame's close button) presses: Cancel, No, or OK.
MessageButton EscapeButtonOf(MessageButtons buttons);
// The answer Escape gives the box: Cancel where it leaves the question, else
// its escape button's.
MessageButton EscapeAnswerOf(const MessageRequest& request);

enum class FileDialogKind { Open, SaveAs };

// A file dialog. `Filter` is in the "Description (*.ext)|*.ext" form, pairs of a
// description and its patterns (separated by ";") joined by "|". An empty
// `InitialDirectory` starts in the data directory. `InitialFileName` may be a bare
// name or a whole path (a whole path opens the dialog in its folder). A Save As
// dialog adds the filter's extension to a name typed without one.
struct FileDialogRequest {
    FileDialogKind Kind = FileDialogKind::Open;
    std::string Title;
    std::string Filter;
    std::string InitialDirectory;
    std::string InitialFileName;
    bool FileMustExist = false;    // Open: only an existing file can be chosen
    bool ConfirmOverwrite = false; // Save As: ask before choosing an existing file
};

// The two dialogs the programs show: an Open dialog for a file that must exist,
// and a Save As dialog that asks before overwriting.
FileDialogRequest OpenDialog(std::string title, std::string filter, std::string initialDirectory,
                             std::string initialFileName);
FileDialogRequest SaveAsDialog(std::string title, std::string filter, std::string initialDirectory,
                               std::string initialFileName);

// What Print needs to know before a printer exists: the title of the boxes it may
// show ("VORLA-XW: Printer Check"), the job's name in the printer queue, and the
// file name offered when the report goes to a PDF file instead of paper.
struct PrintRequest {
    PrintRequest() = default;
    PrintRequest(std::string title, std::string documentName,
                 std::string suggestedPdfName = "report.pdf")
        : Title(std::move(title)), DocumentName(std::move(documentName)),
          SuggestedPdfName(std::move(suggestedPdfName)) {}

    std::string Title;
    std::string DocumentName;
    std::string SuggestedPdfName = "report.pdf";
};

// The outcome of asking for a printer: a device to print on, or nothing. With no
// device, `Error` is a sentence for the user when the printer or the PDF file
// cannot be used, and empty when the user chose not to print.
struct OpenedPrinter {
    std::unique_ptr<Printer> Device;
    std::string Error;
};

class PlatformServices {
  public:
    virtual ~PlatformServices() = default;

    // Shows a modal message box and returns the button pressed.
    virtual MessageButton ShowMessage(const MessageRequest& request) = 0;

    // Shows a modal message box with the request's check box (none when its
    // text is empty); the button pressed and the check box's state.
    virtual MessageAnswer AskWithCheckBox(const MessageRequest& request) = 0;

    // Opens a local file (an HTML page, a PDF) in the system's viewer for it;
    // false when the system has nothing to open it with. A `path` ending in
    // "#name" opens at that section of the page.
    virtual bool OpenLocalFile(const std::string& path) = 0;

    // Shows a modal Open or Save As dialog; the chosen path, or nothing when the
    // user cancels.
    virtual std::optional<std::string> ChooseFile(const FileDialogRequest& request) = 0;

    // The folder every file dialog starts in ("\VORLA\DATA\" of the system:
    // ~/VORLA/DATA on Linux, <root of the current drive>\VORLA\DATA on Windows),
    // created when first asked for. An absolute path without a trailing separator.
    virtual std::string DataDirectory() = 0;

    // A printer for one document. Where the system has no printer, this offers a
    // PDF file instead (a question, then a Save As dialog); the PDF is cut into
    // pages exactly as paper would be.
    virtual OpenedPrinter OpenPrinter(const PrintRequest& request) = 0;
};

} // namespace vorla::ui
