// Where a program's main window first appears: in the middle of the screen,
// whatever the window manager would pick while the splash window is still up.
#pragma once

class QWidget;

namespace vorla::ui {

// Gives the window its preferred size and centres it on the screen's free area,
// keeping its title bar on screen when it is taller than that area.
void CenterOnScreen(QWidget& window);

} // namespace vorla::ui
