// The progress bar of `vorla study` on standard error: runs done, runs per
// second and the time left, redrawn in place on a terminal.
#pragma once

#include "study/study_runner.h"

#include <iosfwd>
#include <string>

namespace vorla::cli {

// One line of progress without its line end, `barWidth` characters of bar:
// "[##########----------]  500/1000 runs  812 runs/s  1 s left".
std::string ProgressLine(const study::StudyProgress& progress, std::size_t barWidth = 30);

// Draws each progress over the last on `err` ("\r" first) and ends the line
// once every run is done.
class ProgressBar {
  public:
    explicit ProgressBar(std::ostream& err) : err_(err) {}
    void Show(const study::StudyProgress& progress);

  private:
    std::ostream& err_;
    std::size_t lastWidth_ = 0;
    bool ended_ = false;
};

} // namespace vorla::cli
