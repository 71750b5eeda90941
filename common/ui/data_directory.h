// Where the suite keeps its files: "\VORLA\DATA\" of the system. On Windows that
// is the folder at the root of the current drive; elsewhere, where a root folder
// is not the user's to write, it is VORLA/DATA in the home folder ($HOME).
#pragma once

#include <QString>

namespace vorla::ui {

// The data directory's absolute path in the system's own separators, without a
// trailing one. The folder is created (with its parents) when missing; when it
// cannot be created the path is still returned and the file dialogs fall back to
// a folder that exists.
QString DefaultDataDirectory();

} // namespace vorla::ui
