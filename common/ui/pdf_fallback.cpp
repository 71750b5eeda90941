#include "common/ui/pdf_fallback.h"

#include <filesystem>

namespace vorla::ui {

std::optional<std::string> AskForPdfInstead(PlatformServices& services,
                                            const PrintRequest& request) {
    const auto answer =
        services.ShowMessage({kNoPrinterQuestion, request.Title, MessageIcon::Question,
                              MessageButtons::YesNo, MessageButton::Yes});
    if (answer != MessageButton::Yes) {
        return std::nullopt;
    }
    auto path = services.ChooseFile(SaveAsDialog(
        kPdfDialogTitle, kPdfFilter, services.DataDirectory(), request.SuggestedPdfName));
    if (path && !std::filesystem::path(*path).has_extension()) {
        *path += ".pdf";
    }
    return path;
}

} // namespace vorla::ui
