// The fixed-pitch font of the report window's boxes, so that the columns of the
// report line up on screen as they do on paper.
#pragma once

#include <QFont>

namespace vorla::smoke {

// "Courier New" where it is installed, otherwise the system's fixed-pitch font,
// at the size of the window's ordinary text.
QFont ReportFont();

} // namespace vorla::smoke
