// The QFileDialog behind PlatformServices::ChooseFile, built apart from showing
// it so its set-up can be checked without opening a modal window.
#pragma once

#include "common/ui/platform_services.h"

#include <QFileDialog>
#include <QString>
#include <memory>
#include <string_view>

namespace vorla::ui {

// "VORLA-XW Fire Files (*.fir)|*.fir" -> "VORLA-XW Fire Files (*.fir)": each
// description|patterns pair becomes Qt's "Description (patterns)", pairs joined
// by ";;". A description that already ends with its patterns in parentheses is
// kept, with a ";" between patterns turned into Qt's blank. Qt matches the patterns without regard
// to case, so SOFA.FIR is listed under "*.fir".
QString QtFilterOf(std::string_view filter);

// The extension of the filter's first pattern ("fir" for "*.fir"), or empty.
QString DefaultSuffixOf(std::string_view filter);

// The dialog for `request`; an empty initial directory means `dataDirectory`.
std::unique_ptr<QFileDialog> MakeFileDialog(const FileDialogRequest& request,
                                            const QString& dataDirectory, QWidget* parent);

} // namespace vorla::ui
