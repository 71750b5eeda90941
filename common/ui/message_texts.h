// Texts more than one program's windows show, word for word the same.
#pragma once

namespace vorla::ui {

// The question before a window with results not saved yet closes.
inline constexpr const char* kSaveQuestion = "Do you want to save the data?";
// The title of Save's dialog.
inline constexpr const char* kSaveDialogTitle = "Specify Data Output File";
// The check box of a question whose answer can be remembered. D, since the
// Yes and No buttons beside it take Y and N.
inline constexpr const char* kDoNotAskAgain = "&Do not ask again";

} // namespace vorla::ui
