// The fixed-pitch fonts of the reports, on screen and on paper: their columns
// line up only when every character takes the same width.
#pragma once

#include <QFont>
#include <QString>

namespace vorla::ui {

// True when every character of `font` takes the same width. Measured rather
// than asked: some monospaced fonts do not declare it.
bool IsMonospaced(const QFont& font);

// The font `name` at `pointSize` points where the system has it (or a
// fixed-pitch stand-in for it); otherwise the system's fixed-pitch font; where
// neither is fixed-pitch, any installed font that is.
QFont FixedPitchFont(const QString& name, double pointSize);

// The report boxes' font: "Courier New" as FixedPitchFont finds it, at the size
// of the window's ordinary text.
QFont ReportFont();

} // namespace vorla::ui
