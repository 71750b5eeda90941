// The conventions every window of the suite keeps, checked the same way for
// each of them instead of in tables that restate how each control is built:
//
//   - every control the keyboard reaches has an object name (its control name),
//   - every text box has a caption label as its buddy, and a tool tip,
//   - Tab visits the controls in reading order: a frame's controls together,
//     frames and loose controls top to bottom, a row left to right.
//
// A window that knowingly departs from a rule names the controls:
//
//   QCOMPARE(WindowConventionProblems(form, {.WithoutToolTip = {"txtDelayTime"}}),
//            QStringList());
#pragma once

#include <QStringList>

class QWidget;

namespace vorla::test_support {

struct ConventionExceptions {
    QStringList WithoutToolTip{}; // text boxes the window shows no tool tip for
    QStringList WithoutBuddy{};   // text boxes without a caption of their own
};

// One sentence per broken rule, naming the control; empty when the window
// keeps every convention.
QStringList WindowConventionProblems(const QWidget& window,
                                     const ConventionExceptions& exceptions = {});

// The object names of the controls Tab visits, in the order of the focus
// chain, starting after the window itself.
QStringList TabChain(const QWidget& window);

} // namespace vorla::test_support
