// SKEVA-XW's windows as a test drives them: the program state, the scripted
// platform, and the input form shown and active, with helpers to fill the form
// and to start a run.
#pragma once

#include "common/ui/fake_platform.h"
#include "smoke_filling/model/calculations.h"
#include "smoke_filling/ui/input_form.h"
#include "tests/common/ui/window_conventions.h"
#include "tests/support/window_controls.h"

#include <QString>
#include <memory>
#include <string>

class QLineEdit;

namespace vorla::smoke::testing {

// A file of the folder of the fire files the model's tests read.
std::string DataFile(const std::string& name);

// The inputs of one run as they are typed into the form (S.I. units unless the
// test selects U.S. units first).
struct TypedRun {
    QString RunTitle = "Test run";
    QString OutputFile = "RUN.SOF";
    QString FloorArea = "1000";
    QString RoomHeight = "30";
    QString FireHeight = "0";
    QString LossFraction = "0.6";
    QString RunTime = "600";
    QString FireFile = QString::fromStdString(DataFile("steady_100kw_10000s.fir"));
};

class SkevaWindows {
  public:
    // `dataDirectory` is the fake platform's data directory.
    explicit SkevaWindows(const std::string& dataDirectory);
    ~SkevaWindows();

    std::unique_ptr<Calculations> calc;
    ui::FakePlatform platform;
    int quits = 0;
    frmInput input;

    // Types `text` into `box` as a user does (focus, select all, keys) and
    // leaves the box with the focus on txtRunTitle.
    void Type(QLineEdit* box, const QString& text);
    // Sets every box at once; the file boxes as their dialogs would.
    void Fill(const TypedRun& run);
    // Run from the menu; the report window when it opened.
    QWidget* Run();
    // The report window on screen, or nothing.
    static QWidget* Report();
    // Deletes windows closed with deleteLater.
    static void FlushDeletes();
};

} // namespace vorla::smoke::testing
