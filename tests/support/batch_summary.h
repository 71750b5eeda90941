// What the window tests of both zone models compare their windows with: the
// batch command run in the test's process and its `--summary` read as JSON,
// the options of the office the compartment fixture's FillRoom types, and the
// lines of a window's Key Results panel.
#pragma once

#include "cli/vorla_command.h"
#include "tests/support/window_controls.h"

#include <QByteArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QPlainTextEdit>
#include <QString>
#include <QStringList>
#include <QtGlobal>
#include <sstream>
#include <string>
#include <vector>

namespace vorla::test_support {

// `vorla` with `args`: its exit status and what it wrote.
struct BatchOutcome {
    int Status = -1;
    std::string Out;
    std::string Err;
};

inline BatchOutcome RunBatch(const std::vector<std::string>& args) {
    std::ostringstream out, err;
    const int status = cli::RunVorla(args, out, err);
    return {status, out.str(), err.str()};
}

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

// `vorla compartment` on the office FillRoom types (20 m² unless `area`, 2.4 m
// high, a door 0.9 m wide up to 2 m, the fire on the floor), flashover going
// on; `extra` after.
inline std::vector<std::string> OfficeCommand(const std::string& fire, const std::string& runTime,
                                              const std::vector<std::string>& extra = {},
                                              const std::string& area = "20") {
    std::vector<std::string> args = {"compartment", "--fire",        fire,      "--floor-area",
                                     area,          "--room-height", "2.4",     "--vent-width",
                                     "0.9",         "--sill-height", "0",       "--soffit-height",
                                     "2",           "--fire-height", "0",       "--run-time",
                                     runTime,       "--flashover",   "continue"};
    args.insert(args.end(), extra.begin(), extra.end());
    return args;
}

// The lines of the Key Results panel (txtKeyResults) of a report or Explore
// window.
template <typename W> QStringList PanelLines(const W& window) {
    return Control<QPlainTextEdit>(window, "txtKeyResults")->toPlainText().split('\n');
}

} // namespace vorla::test_support
