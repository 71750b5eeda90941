// VORLA-XW's File > Model Options…: the dialog's values and keys, a run with
// the fire in a corner and the model uncertainty against `vorla compartment`
// with the same options, the saved line read back by File Open, Open Results
// and `--from`, and a report of the default options as it always was.
#include "program_fixture.h"
#include "tests/support/access_keys.h"
#include "tests/support/batch_summary.h"
#include "tests/support/zone_dialogs.h"
#include "zone_models/ui/explore_number_box.h"
#include "zone_models/ui/explore_window.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialog>
#include <QJsonObject>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPointer>
#include <QRegularExpression>
#include <QSettings>
#include <QStandardPaths>
#include <cmath>
#include <sstream>

using namespace vorla::compartment;
using namespace vorla::compartment::testing;
using vorla::test_support::BatchSummary;
using vorla::test_support::OfficeCommand;
using vorla::test_support::PanelLines;

namespace {

const std::string kFire = VORLA_EXAMPLES_DIR "/office-sofa-tsquared.fir";

// The rows of a saved report and every line after them (the header names
// files, which differ between the window and the command).
QStringList FromTheRule(const QString& report) {
    QStringList lines = report.split("\r\n");
    const qsizetype rule = lines.indexOf(QRegularExpression("^\\s*====.*"));
    return rule < 0 ? QStringList() : lines.mid(rule);
}

// `vorla compartment` on FillRoom's office with `extra` options, its report
// written to `report`; its summary.
QJsonObject BatchRun(const std::vector<std::string>& extra, const std::string& report) {
    std::vector<std::string> options = extra;
    options.insert(options.end(), {"-o", report});
    return BatchSummary(OfficeCommand(kFire, "200", options));
}

QJsonObject FromRun(const std::vector<std::string>& extra) {
    std::vector<std::string> args = {"compartment", "-o", "/dev/null", "--flashover", "continue"};
    args.insert(args.end(), extra.begin(), extra.end());
    return BatchSummary(args);
}

QPointer<QDialog> OpenDialog(const Program& program) {
    Trigger(program.input, "mnuFileModelOptions");
    return Control<QDialog>(program.input, "dlgModelOptions");
}

// The dialog's choices: fire position, plume (list indexes) and the check box.
struct Shown {
    int Position, Plume;
    bool Uncertainty;
    bool operator==(const Shown&) const = default;
};
Shown ShownIn(const QDialog* dialog) {
    return {Control<QComboBox>(dialog, "cboFirePosition")->currentIndex(),
            Control<QComboBox>(dialog, "cboPlume")->currentIndex(),
            Control<QCheckBox>(dialog, "chkModelUncertainty")->isChecked()};
}

// Chooses in the dialog and presses OK; false when it did not close.
bool ChooseOptions(const Program& program, const Shown& choice) {
    return vorla::test_support::TypeModelOptions(program.input.get(), choice.Position, choice.Plume,
                                                 choice.Uncertainty)
        .Closed;
}

// The panel's line of the peak layer temperature rise, written from the
// summary's numbers as the panel words it (whole kelvins and °F).
QString RiseLine(const QJsonObject& keys) {
    const auto kelvins = [](double k) {
        return QString::number(k, 'f', 0) + " K (" + QString::number(k * 9 / 5, 'f', 0) + " °F)";
    };
    return "Peak layer temperature rise " +
           kelvins(keys["peak_layer_temperature_rise_k"].toDouble()) + ", bias-corrected " +
           kelvins(keys["peak_layer_temperature_rise_k_corrected"].toDouble());
}

// The panel's lines of the model uncertainty, written from the summary's
// numbers as the panel words them: the rise in whole kelvins and °F, the
// depth in metres and feet to the hundredth, each with its 95 % range.
QStringList UncertaintyLines(const QJsonObject& keys) {
    const auto kelvins = [](double k) {
        return QString::number(k, 'f', 0) + " K (" + QString::number(k * 9 / 5, 'f', 0) + " °F)";
    };
    const auto metres = [](double m) {
        return QString::number(m, 'f', 2) + " m (" + QString::number(m / 0.3048, 'f', 2) + " ft)";
    };
    QStringList lines;
    const auto add = [&](const char* caption, const QString& name, auto shown) {
        lines << caption + shown(keys[name].toDouble()) + ", bias-corrected " +
                     shown(keys[name + "_corrected"].toDouble());
        lines << "  95 % range " + shown(keys[name + "_low95"].toDouble()) + " to " +
                     shown(keys[name + "_high95"].toDouble());
    };
    add("Peak layer temperature rise ", "peak_layer_temperature_rise_k", kelvins);
    add("Deepest layer ", "greatest_layer_depth_m", metres);
    return lines;
}

// The lines of the panel from its first model uncertainty line on, as many
// as `count`.
QStringList PanelUncertainty(const QWidget* report, qsizetype count) {
    const QStringList lines = PanelLines(report);
    const qsizetype first = lines.indexOf(QRegularExpression("^Peak layer temperature rise .*"));
    return first < 0 ? QStringList() : lines.mid(first, count);
}

// Open Results' model uncertainty against the run that saved the report.
// The saved rows hold the layer temperature to the whole °C and the interface
// to the centimetre, and the peak and the lowest row of rounded rows are the
// rounded peak and lowest row, so the prediction read back is within 0.5 K
// and 0.005 m of the run's. Each value shown is then within half its printed
// unit (0.5 K, 0.005 m) plus that half unit scaled as the value scales the
// prediction (its ratio to it in the run's summary). The first value out of
// its bound, named; empty when every one is within.
QString OffByMoreThanTheRows(const QStringList& lines, const QJsonObject& keys) {
    if (lines.size() != 4) {
        return "not the four lines of the model uncertainty: " + lines.join(" | ");
    }
    const QRegularExpression shownValue("([0-9]+(?:\\.[0-9]+)?) (K|m) \\(");
    // In the order of the lines, two values each.
    const struct {
        QString Name;
        double Half;
    } kValues[] = {
        {"peak_layer_temperature_rise_k", 0.5},
        {"peak_layer_temperature_rise_k_corrected", 0.5},
        {"peak_layer_temperature_rise_k_low95", 0.5},
        {"peak_layer_temperature_rise_k_high95", 0.5},
        {"greatest_layer_depth_m", 0.005},
        {"greatest_layer_depth_m_corrected", 0.005},
        {"greatest_layer_depth_m_low95", 0.005},
        {"greatest_layer_depth_m_high95", 0.005},
    };
    std::vector<double> shown;
    for (const QString& line : lines) {
        for (auto match = shownValue.globalMatch(line); match.hasNext();) {
            shown.push_back(match.next().captured(1).toDouble());
        }
    }
    if (shown.size() != std::size(kValues)) {
        return "not two values a line: " + lines.join(" | ");
    }
    for (std::size_t i = 0; i < shown.size(); ++i) {
        const QString& name = kValues[i].Name;
        const QString predicted =
            name.startsWith("peak") ? "peak_layer_temperature_rise_k" : "greatest_layer_depth_m";
        const double value = keys[name].toDouble();
        const double bound = kValues[i].Half * (1 + value / keys[predicted].toDouble());
        if (std::abs(shown[i] - value) > bound) {
            return name + ": shown " + QString::number(shown[i]) + ", the run's " +
                   QString::number(value) + ", bound " + QString::number(bound);
        }
    }
    return {};
}

// File Open of `saved` with `from` replaced by `to`: the message File Open
// showed, and what it should say, "PATH: Line N: " with N the line that
// starts with `prefix`, then `problem`.
struct DamagedOpen {
    std::string Shown;
    std::string Expected;
};
DamagedOpen OpenDamaged(Program& program, const QString& saved, const QString& from,
                        const QString& to, const QString& prefix, const std::string& problem) {
    const QString damaged = QString(saved).replace(from, to);
    const std::string path = program.WriteFile("damaged.sdf", damaged.toStdString());
    program.platform.ChooseInNextDialog(path);
    Trigger(program.input, "mnuFileOpen");
    const qsizetype line =
        damaged.split("\r\n").indexOf(QRegularExpression("^" + prefix + ".*")) + 1;
    const auto& messages = program.platform.Messages();
    return {messages.empty() ? std::string() : messages.back().Request.Text,
            path + ": Line " + std::to_string(line) + ": " + problem};
}

} // namespace

class ModelOptionsTest : public QObject {
    Q_OBJECT
  private slots:
    void initTestCase() {
        QStandardPaths::setTestModeEnabled(true);
        QSettings().clear();
    }

    // The menu item, the dialog's keys, OK keeping and Cancel and Escape
    // leaving the choices.
    void TheDialogKeepsWhatOkAccepts() {
        Program program;
        auto* action = program.input->findChild<QAction*>("mnuFileModelOptions");
        QVERIFY(action);
        QCOMPARE(action->text(), QString("&Model Options…"));
        QCOMPARE(action->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_M));
        QCOMPARE(AccessKeyCollisions(*program.input), QStringList());

        QPointer<QDialog> dialog = OpenDialog(program);
        QVERIFY(dialog && dialog->isVisible());
        QCOMPARE(dialog->windowTitle(), QString("VORLA-XW: Model Options"));
        QCOMPARE(AccessKeyCollisions(*dialog), QStringList());
        QCOMPARE(ShownIn(dialog), (Shown{0, 0, false}));
        QCOMPARE(Control<QCheckBox>(dialog, "chkModelUncertainty")->text().remove('&'),
                 QString("Show the model uncertainty in the key results"));
        // The list items name the batch command's words in order.
        auto* position = Control<QComboBox>(dialog, "cboFirePosition");
        QCOMPARE(position->count(), 3);
        QVERIFY(position->itemText(1).contains("wall"));
        QVERIFY(position->itemText(2).contains("corner"));
        QVERIFY(Control<QComboBox>(dialog, "cboPlume")->itemText(1).contains("Heskestad"));
        // Alt+P and Alt+R reach the lists through their captions, Alt+U is the
        // check box's; Tab goes down the dialog; Escape cancels.
        QCOMPARE(Control<QLabel>(dialog, "lblFirePosition")->buddy(), position);
        QCOMPARE(Control<QLabel>(dialog, "lblPlume")->buddy(),
                 Control<QComboBox>(dialog, "cboPlume"));
        QCOMPARE(QKeySequence::mnemonic(Control<QLabel>(dialog, "lblFirePosition")->text()),
                 QKeySequence(Qt::ALT | Qt::Key_P));
        QCOMPARE(QKeySequence::mnemonic(Control<QLabel>(dialog, "lblPlume")->text()),
                 QKeySequence(Qt::ALT | Qt::Key_R));
        QCOMPARE(QKeySequence::mnemonic(Control<QCheckBox>(dialog, "chkModelUncertainty")->text()),
                 QKeySequence(Qt::ALT | Qt::Key_U));
        QCOMPARE(position->nextInFocusChain(), Control<QComboBox>(dialog, "cboPlume"));
        QCOMPARE(Control<QComboBox>(dialog, "cboPlume")->nextInFocusChain(),
                 Control<QCheckBox>(dialog, "chkModelUncertainty"));
        Control<QCheckBox>(dialog, "chkModelUncertainty")->setChecked(true);
        QTest::keyClick(dialog, Qt::Key_Escape);
        Program::Settle();
        QVERIFY(!dialog || !dialog->isVisible());
        dialog = OpenDialog(program);
        QCOMPARE(ShownIn(dialog), (Shown{0, 0, false}));
        Click(dialog, "cmdCancel");
        Program::Settle();

        QVERIFY(ChooseOptions(program, {1, 1, true}));
        dialog = OpenDialog(program);
        QCOMPARE(ShownIn(dialog), (Shown{1, 1, true}));
        Click(dialog, "cmdCancel");
        Program::Settle();
        Trigger(program.input, "mnuFileNew");
        dialog = OpenDialog(program);
        QCOMPARE(ShownIn(dialog), (Shown{0, 0, false}));
        Click(dialog, "cmdCancel");
        Program::Settle();
    }

    // The fire in a corner with the model uncertainty shown: the window's
    // report and panel are the batch command's, saved with the options'
    // line, which File Open, Open Results and --from bring back.
    void ACornerRunIsTheBatchCommandsRun() {
        Program program;
        const std::string batchReport = program.Path("batch.vof");
        const QJsonObject corner =
            BatchRun({"--fire-position", "corner", "--model-uncertainty"}, batchReport);
        const QJsonObject centre = BatchRun({}, "/dev/null");
        QVERIFY(!corner.isEmpty() && !centre.isEmpty());
        // What the case stands on: a corner fire entrains less air, so its
        // layer is hotter than the same fire's in the open.
        QVERIFY(corner["peak_layer_temperature_c"].toDouble() >
                centre["peak_layer_temperature_c"].toDouble() + 1);
        // M/δ: the correction is the prediction over the bias.
        QVERIFY(std::abs(corner["peak_layer_temperature_rise_k_corrected"].toDouble() *
                             corner["peak_layer_temperature_rise_k_bias"].toDouble() -
                         corner["peak_layer_temperature_rise_k"].toDouble()) < 1e-9);

        program.FillRoom(kFire, "200");
        QVERIFY(ChooseOptions(program, {2, 0, true}));
        program.platform.AnswerNextQuestion(MessageButton::No); // flashover, if asked: go on
        QWidget* report = program.Run();
        QVERIFY(report);
        const QStringList lines = PanelLines(report);
        QVERIFY2(lines.contains(RiseLine(corner)), qPrintable(lines.join('\n')));
        QCOMPARE(PanelUncertainty(report, 4), UncertaintyLines(corner));

        const std::string saved = program.Path("corner.sdf");
        program.platform.ChooseInNextDialog(saved);
        Click(report, "cmdSave");
        const QString savedText = ReadText(saved);
        const QStringList savedLines = savedText.split("\r\n", Qt::SkipEmptyParts);
        QCOMPARE(savedLines.back(),
                 QString("Model options: --fire-position corner --model-uncertainty"));
        QCOMPARE(FromTheRule(savedText), FromTheRule(ReadText(batchReport)));
        Click(report, "cmdClose");
        Program::Settle();

        // --from follows the saved position; one given beside it overrides.
        const QJsonObject from = FromRun({"--from", saved, "--model-uncertainty"});
        QCOMPARE(from["peak_layer_temperature_c"].toDouble(),
                 corner["peak_layer_temperature_c"].toDouble());
        QCOMPARE(from["inputs"].toObject()["fire_position"].toString(), QString("corner"));
        const QJsonObject overridden = FromRun({"--from", saved, "--fire-position", "centre"});
        QCOMPARE(overridden["peak_layer_temperature_c"].toDouble(),
                 centre["peak_layer_temperature_c"].toDouble());

        // File New forgets the options, File Open brings them back.
        Trigger(program.input, "mnuFileNew");
        program.platform.ChooseInNextDialog(saved);
        Trigger(program.input, "mnuFileOpen");
        QPointer<QDialog> dialog = OpenDialog(program);
        QCOMPARE(ShownIn(dialog), (Shown{2, 0, true}));
        Click(dialog, "cmdCancel");
        Program::Settle();

        // Open Results shows the saved run with its model uncertainty.
        program.platform.ChooseInNextDialog(saved);
        Trigger(program.input, "mnuFileOpenResults");
        report = Program::Report();
        QVERIFY(report);
        const QString off = OffByMoreThanTheRows(PanelUncertainty(report, 4), corner);
        QVERIFY2(off.isEmpty(), qPrintable(off));
        Click(report, "cmdClose");
        Program::Settle();

        // A damaged line is named, and the report opens with the defaults.
        const DamagedOpen opened =
            OpenDamaged(program, savedText, "corner", "attic", "Model options: ",
                        "--fire-position must be centre, wall or corner, not \"attic\". The "
                        "report opens with the model's default options.");
        QCOMPARE(opened.Shown, opened.Expected);
    }

    // The default options: the report is the batch command's without any
    // options' line and the panel has no model uncertainty; an old report
    // (one without the line) opens with the defaults.
    void DefaultOptionsLeaveTheReportAsItWas() {
        Program program;
        const std::string batchReport = program.Path("plain.vof");
        QVERIFY(!BatchRun({}, batchReport).isEmpty());
        program.FillRoom(kFire, "200");
        program.platform.AnswerNextQuestion(MessageButton::No);
        QWidget* report = program.Run();
        QVERIFY(report);
        QVERIFY(PanelLines(report).filter("bias-corrected").isEmpty());
        const std::string saved = program.Path("plain.sdf");
        program.platform.ChooseInNextDialog(saved);
        Click(report, "cmdSave");
        QVERIFY(!ReadText(saved).contains("Model options"));
        QVERIFY(!ReadText(saved).contains("Loss fraction: "));
        QCOMPARE(FromTheRule(ReadText(saved)), FromTheRule(ReadText(batchReport)));
        Click(report, "cmdClose");
        Program::Settle();

        QVERIFY(ChooseOptions(program, {1, 1, false}));
        const std::size_t messages = program.platform.Messages().size();
        program.platform.ChooseInNextDialog(saved);
        Trigger(program.input, "mnuFileOpen");
        QCOMPARE(program.platform.Messages().size(), messages);
        QPointer<QDialog> dialog = OpenDialog(program);
        QCOMPARE(ShownIn(dialog), (Shown{0, 0, false}));
        Click(dialog, "cmdCancel");
        Program::Settle();
    }

    // The fraction the estimator typed into the box: the panel's model
    // uncertainty is the one of --loss-fraction estimate for the same room
    // (the estimator's statistics, δ 1.005 for the rise); once the box is
    // typed over, the fraction is the user's and a fraction the validation
    // did not measure is refused.
    void TheEstimatorsFractionHasItsOwnStatistics() {
        Program program;
        const QJsonObject batch =
            BatchRun({"--loss-fraction", "estimate", "--model-uncertainty"}, "/dev/null");
        QVERIFY(!batch.isEmpty());
        QCOMPARE(batch["model_uncertainty_chi_rule"].toString(), QString("estimate"));
        QCOMPARE(batch["peak_layer_temperature_rise_k_bias"].toDouble(), 1.005);

        program.FillRoom(kFire, "200");
        const QString estimate = program.EstimateLossFraction("1");
        QVERIFY(!estimate.isEmpty());
        QCOMPARE(estimate.toDouble(), batch["inputs"].toObject()["loss_fraction"].toDouble());
        QVERIFY(ChooseOptions(program, {0, 0, true}));
        program.platform.AnswerNextQuestion(MessageButton::No);
        QWidget* report = program.Run();
        QVERIFY(report);
        const QStringList expected = UncertaintyLines(batch);
        QCOMPARE(PanelUncertainty(report, expected.size()), expected);
        Click(report, "cmdClose");
        Program::Settle();

        // Explore on the estimate: the same lines. The fraction moved there
        // is the user's, which the validation did not measure.
        Trigger(program.input, "mnuFileExplore");
        auto* explore = VisibleWindow<vorla::ui::ExploreWindow>("frmExplore");
        QVERIFY(explore);
        QTRY_VERIFY(explore->UpToDate());
        QCOMPARE(PanelUncertainty(explore, expected.size()), expected);
        // Another floor area is another room, whose estimate is not 0.5714.
        auto* area = Control<vorla::ui::ExploreNumberBox>(explore, "txtFloorArea");
        const double opened = area->value();
        area->setValue(opened * 2);
        QTRY_VERIFY(explore->UpToDate());
        QVERIFY(PanelUncertainty(explore, 1).isEmpty());
        area->setValue(opened);
        QTRY_VERIFY(explore->UpToDate());
        QCOMPARE(PanelUncertainty(explore, expected.size()), expected);
        Control<vorla::ui::ExploreNumberBox>(explore, "txtTotalLossFraction")->setValue(0.571);
        QTRY_VERIFY(explore->UpToDate());
        QVERIFY(PanelUncertainty(explore, 1).isEmpty());
        QCOMPARE(PanelLines(explore)
                     .filter(QRegularExpression("^The model uncertainty cannot be shown: .*"
                                                "not with 0\\.571\\."))
                     .size(),
                 1);
        delete explore;

        // Typed over, even with a number near it: the user's own fraction.
        program.Set(InputBox::txtTotalLossFraction, "0.571");
        QVERIFY(!program.Run());
        const std::string message = program.platform.Messages().back().Request.Text;
        QVERIFY2(message.starts_with("The model uncertainty cannot be shown: ") &&
                     message.find("not with 0.571.") != std::string::npos,
                 message.c_str());
        // Typed back, the estimator's text is no longer its estimate either.
        program.Set(InputBox::txtTotalLossFraction, estimate);
        QVERIFY(!program.Run());
    }

    // A run on the estimator's fraction, saved and opened again: the report
    // ends with the estimate's line, as the batch command's does; File Open
    // gives the box the estimate back and Run the estimator's model
    // uncertainty (a typed 0.571 has none), as Open Results and --from do; a
    // fraction typed over in the file is the user's number, and a damaged
    // line is named.
    void AnEstimatedFractionIsSavedAndOpenedAgain() {
        Program program;
        const std::string batchReport = program.Path("estimate.vof");
        const QJsonObject batch = BatchRun(
            {"--loss-fraction", "estimate", "--aspect-ratio", "1.25", "--model-uncertainty"},
            batchReport);
        QVERIFY(!batch.isEmpty());
        QCOMPARE(batch["model_uncertainty_chi_rule"].toString(), QString("estimate"));
        const QStringList expected = UncertaintyLines(batch);

        program.FillRoom(kFire, "200");
        const QString estimate = program.EstimateLossFraction("1.25");
        QVERIFY(!estimate.isEmpty());
        QCOMPARE(estimate.toDouble(), batch["inputs"].toObject()["loss_fraction"].toDouble());
        QVERIFY(ChooseOptions(program, {0, 0, true}));
        program.platform.AnswerNextQuestion(MessageButton::No);
        QWidget* report = program.Run();
        QVERIFY(report);
        QCOMPARE(PanelUncertainty(report, expected.size()), expected);
        const std::string saved = program.Path("estimate.sdf");
        program.platform.ChooseInNextDialog(saved);
        Click(report, "cmdSave");
        const QString savedText = ReadText(saved);
        const QStringList savedLines = savedText.split("\r\n", Qt::SkipEmptyParts);
        QCOMPARE(savedLines.mid(savedLines.size() - 2),
                 (QStringList{"Loss fraction: --loss-fraction estimate --aspect-ratio 1.25 "
                              "--ceiling smooth",
                              "Model options: --model-uncertainty"}));
        QCOMPARE(FromTheRule(savedText), FromTheRule(ReadText(batchReport)));
        Click(report, "cmdClose");
        Program::Settle();

        // File Open: the estimate in the box and the estimator's statistics;
        // saved again, the same report.
        Trigger(program.input, "mnuFileNew");
        program.platform.ChooseInNextDialog(saved);
        Trigger(program.input, "mnuFileOpen");
        QCOMPARE(program.Box(InputBox::txtTotalLossFraction)->text(), estimate);
        program.platform.AnswerNextQuestion(MessageButton::No);
        report = program.Run();
        QVERIFY(report);
        QCOMPARE(PanelUncertainty(report, expected.size()), expected);
        const std::string again = program.Path("again.sdf");
        program.platform.ChooseInNextDialog(again);
        Click(report, "cmdSave");
        QCOMPARE(FromTheRule(ReadText(again)), FromTheRule(savedText));
        Click(report, "cmdClose");
        Program::Settle();

        // Open Results: the saved rows with the estimator's statistics.
        program.platform.ChooseInNextDialog(saved);
        Trigger(program.input, "mnuFileOpenResults");
        report = Program::Report();
        QVERIFY(report);
        const QString off = OffByMoreThanTheRows(PanelUncertainty(report, 4), batch);
        QVERIFY2(off.isEmpty(), qPrintable(off));
        program.platform.AnswerNextQuestion(MessageButton::No); // not saved again
        Click(report, "cmdClose");
        Program::Settle();

        // --from estimates again with the line's options: the batch run.
        const QJsonObject from = FromRun({"--from", saved});
        QCOMPARE(from["model_uncertainty_chi_rule"].toString(), QString("estimate"));
        QCOMPARE(from["inputs"].toObject()["loss_fraction_rule"].toString(), QString("estimate"));
        QCOMPARE(from["inputs"].toObject()["aspect_ratio"].toDouble(), 1.25);
        QCOMPARE(from["inputs"].toObject()["loss_fraction"].toDouble(),
                 batch["inputs"].toObject()["loss_fraction"].toDouble());
        QCOMPARE(from["peak_layer_temperature_rise_k_high95"].toDouble(),
                 batch["peak_layer_temperature_rise_k_high95"].toDouble());

        // The fraction typed over in the file: the user's 0.6, with its own
        // statistics, in the window and for --from alike.
        const QJsonObject typed = BatchRun({"--model-uncertainty"}, "/dev/null");
        QVERIFY(!typed.isEmpty());
        const QString edited = QString(savedText).replace("HEAT LOSS FRACTION          :   0.571",
                                                          "HEAT LOSS FRACTION          :   0.600");
        QVERIFY(edited != savedText);
        const std::string editedPath = program.WriteFile("edited.sdf", edited.toStdString());
        program.platform.ChooseInNextDialog(editedPath);
        Trigger(program.input, "mnuFileOpen");
        QCOMPARE(program.Box(InputBox::txtTotalLossFraction)->text(), QString("0.6"));
        program.platform.AnswerNextQuestion(MessageButton::No);
        report = program.Run();
        QVERIFY(report);
        QCOMPARE(PanelUncertainty(report, 4), UncertaintyLines(typed));
        Click(report, "cmdClose");
        Program::Settle();
        const QJsonObject editedFrom = FromRun({"--from", editedPath});
        QCOMPARE(editedFrom["model_uncertainty_chi_rule"].toString(),
                 typed["model_uncertainty_chi_rule"].toString());
        QVERIFY(!editedFrom["inputs"].toObject().contains("loss_fraction_rule"));

        // A damaged line is named; the fraction is the report's number.
        const DamagedOpen opened = OpenDamaged(
            program, savedText, "--ceiling smooth", "--ceiling bumpy", "Loss fraction: ",
            "--ceiling must be smooth, moderately-rough or irregular, not \"bumpy\". The report "
            "opens with its heat loss fraction as a typed number.");
        QCOMPARE(opened.Shown, opened.Expected);
        QCOMPARE(program.Box(InputBox::txtTotalLossFraction)->text(), QString("0.571"));
        QVERIFY(Program::Report() == nullptr);
        QCOMPARE(program.platform.Problems(), std::vector<std::string>());
    }

    // An estimate made for another room: once the floor area has changed, the
    // box's number is the user's own, and the saved report has no Loss
    // fraction line; estimated again, it has.
    void AnEstimateForAnotherRoomIsTyped() {
        Program program;
        program.FillRoom(kFire, "200");
        QVERIFY(!program.EstimateLossFraction("1.25").isEmpty());
        const auto savedLines = [&program](const char* name) {
            program.platform.AnswerNextQuestion(MessageButton::No);
            QWidget* report = program.Run();
            if (report == nullptr) {
                return QStringList{"no report"};
            }
            const std::string path = program.Path(name);
            program.platform.ChooseInNextDialog(path);
            Click(report, "cmdSave");
            Click(report, "cmdClose");
            Program::Settle();
            return ReadText(path).split("\r\n", Qt::SkipEmptyParts);
        };
        const QString rule = "Loss fraction: --loss-fraction estimate --aspect-ratio 1.25 "
                             "--ceiling smooth";
        QCOMPARE(savedLines("estimated.sdf").back(), rule);
        program.Set(InputBox::txtFloorArea, "40");
        QVERIFY(!savedLines("moved.sdf").contains(rule));
        program.Set(InputBox::txtFloorArea, "20");
        QCOMPARE(savedLines("back.sdf").back(), rule);
    }

    // A heat loss fraction the validation did not measure: Run says so and
    // opens no report.
    void RunRefusesAnUncertaintyTheValidationDidNotMeasure() {
        Program program;
        program.FillRoom(kFire, "200");
        program.Set(InputBox::txtTotalLossFraction, "0.7");
        QVERIFY(ChooseOptions(program, {0, 0, true}));
        QVERIFY(!program.Run());
        const std::string message = program.platform.Messages().back().Request.Text;
        QVERIFY2(message.starts_with("The model uncertainty cannot be shown: ") &&
                     message.find("0.7") != std::string::npos,
                 message.c_str());
    }
};

QTEST_MAIN(ModelOptionsTest)
#include "model_options_test.moc"
