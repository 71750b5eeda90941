// What the window tests of both zone models compare their windows with: the
// batch command's `--summary` (run in the test's process, batch_run.h) read as
// JSON, and the lines of a window's Key Results panel.
#pragma once

#include "tests/support/batch_run.h"
#include "tests/support/window_controls.h"

#include <QByteArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QPlainTextEdit>
#include <QString>
#include <QStringList>
#include <QtGlobal>
#include <string>
#include <vector>

namespace vorla::test_support {

// `vorla` with `args` and `--summary -`: the summary, or an empty object (the
// command's errors written as a warning) when the command failed.
inline QJsonObject BatchSummary(std::vector<std::string> args) {
    args.insert(args.end(), {"--summary", "-"});
    const BatchOutcome run = RunBatch(args);
    if (run.Status != 0) {
        qWarning("%s", run.Err.c_str());
        return {};
    }
    return QJsonDocument::fromJson(QByteArray::fromStdString(run.Out)).object();
}

// The lines of the Key Results panel (txtKeyResults) of a report or Explore
// window.
template <typename W> QStringList PanelLines(const W& window) {
    return Control<QPlainTextEdit>(window, "txtKeyResults")->toPlainText().split('\n');
}

} // namespace vorla::test_support
