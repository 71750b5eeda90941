// A QGuiApplication for programs that only paint pictures (the batch command,
// the verification report): it uses Qt's offscreen platform, so it works on a
// machine with no display. Keep one alive while plots are painted:
//
//   int main() { vorla::plot::OffscreenGui gui; ... WritePlotPng(...); }
#pragma once

#include <memory>

class QGuiApplication;

namespace vorla::plot {

class OffscreenGui {
  public:
    // Creates the application unless one exists already (a test's or a
    // window program's), which is then used as it is.
    OffscreenGui();
    ~OffscreenGui();
    OffscreenGui(const OffscreenGui&) = delete;
    OffscreenGui& operator=(const OffscreenGui&) = delete;

  private:
    std::unique_ptr<QGuiApplication> app_;
};

} // namespace vorla::plot
