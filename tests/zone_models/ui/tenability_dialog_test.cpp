// The Smoke and Tenability dialog: off by default, every value wrong once
// refused with the batch command's own sentence (compared with the batch
// command's message for the same option), a fuel filling its yields, the
// units switched without losing a value's exact S.I. value, Cancel keeping
// what was kept, and File Open's reading of a report's tenability line.
#include "cli/vorla_command.h"
#include "common/ui/fake_platform.h"
#include "zone_models/ui/tenability_dialog.h"
#include "tests/common/ui/window_conventions.h"
#include "tests/support/access_keys.h"
#include "tests/support/file_bytes.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QtTest>
#include <sstream>

using namespace vorla;
using namespace vorla::ui;
using tenability::TenabilityInputs;
using tenability::TenabilityTexts;

namespace {

QLineEdit* Box(TenabilityDialog& dialog, const char* name) {
    return dialog.findChild<QLineEdit*>(name);
}
void Click(TenabilityDialog& dialog, const char* name) {
    dialog.findChild<QPushButton*>(name)->click();
}
QCheckBox* Follow(TenabilityDialog& dialog) {
    return dialog.findChild<QCheckBox*>("chkFollow");
}
QString Problem(TenabilityDialog& dialog) {
    return dialog.findChild<QLabel*>("lblProblem")->text();
}

// What `vorla compartment` says of the office room with one more option.
std::string BatchMessage(const std::string& option, const std::string& value) {
    const std::vector<std::string> args = {"compartment",
                                           "--fire",
                                           VORLA_EXAMPLES_DIR "/office-sofa-tsquared.fir",
                                           "--floor-area",
                                           "20",
                                           "--room-height",
                                           "2.4",
                                           "--vent-width",
                                           "0.9",
                                           "--sill-height",
                                           "0",
                                           "--soffit-height",
                                           "2",
                                           "--fire-height",
                                           "0",
                                           "--run-time",
                                           "60",
                                           "--flashover",
                                           "continue",
                                           "-o",
                                           "/dev/null",
                                           option,
                                           value};
    std::ostringstream out, err;
    vorla::cli::RunVorla(args, out, err);
    return err.str();
}

} // namespace

class TenabilityDialogTest : public QObject {
    Q_OBJECT

    QTemporaryDir folder_;
    std::string Data() const { return folder_.filePath("DATA").toStdString(); }

  private slots:
    void TenabilityIsNotFollowedUntilChecked() {
        FakePlatform platform(Data());
        TenabilityDialog dialog(platform, "VORLA-XW", {}, UnitSystem::SI, 2.4, nullptr);
        QCOMPARE(dialog.windowTitle(), QString("VORLA-XW: Smoke and Tenability"));
        QCOMPARE(test_support::WindowConventionProblems(dialog), QStringList());
        QCOMPARE(test_support::AccessKeyCollisions(dialog), QStringList());
        QVERIFY(!Follow(dialog)->isChecked());
        QVERIFY(!Box(dialog, "txtSootYield")->isEnabled());
        // The defaults shown: polystyrene's yields, 1.8 m, the criteria.
        QCOMPARE(Box(dialog, "txtSootYield")->text(), QString("0.164"));
        QCOMPARE(Box(dialog, "txtHeadHeight")->text(), QString("1.8"));
        QCOMPARE(Box(dialog, "txtRadiantFluxLimit")->text(), QString("2.5"));
        QCOMPARE(Box(dialog, "txtVisibilityLimit")->text(), QString());
        Click(dialog, "cmdOK");
        QCOMPARE(dialog.result(), int(QDialog::Accepted));
        QVERIFY(!dialog.Tenability().Given);
        QVERIFY(platform.Messages().empty());

        TenabilityDialog again(platform, "VORLA-XW", {}, UnitSystem::SI, 2.4, nullptr);
        Follow(again)->setChecked(true);
        QVERIFY(Box(again, "txtSootYield")->isEnabled());
        Click(again, "cmdOK");
        QCOMPARE(again.result(), int(QDialog::Accepted));
        QVERIFY(again.Tenability().Given);
        QCOMPARE(again.Tenability().Inputs, TenabilityInputs{});
    }

    // Each row: the box, the text typed, and the option the batch command
    // is given the same text as: the dialog's sentence is the batch
    // command's, without the program's name, and the box gets the focus.
    void EachWrongValueIsRefusedWithTheBatchCommandsSentence() {
        struct Case {
            const char* box;
            const char* typed;
            const char* option;
        };
        const Case cases[] = {
            {"txtHeatOfCombustion", "0", "--heat-of-combustion"},
            {"txtSootYield", "abc", "--soot-yield"},
            {"txtSootYield", "1.5", "--soot-yield"},
            {"txtCoYield", "-0.1", "--co-yield"},
            {"txtHcnYield", "2", "--hcn-yield"},
            {"txtCo2Yield", "4", "--co2-yield"},
            {"txtHeadHeight", "3", "--head-height"},
            {"txtVisibilityLimit", "0", "--visibility-limit"},
            {"txtFedToxicLimit", "11", "--fed-toxic-limit"},
            {"txtFedHeatLimit", "0", "--fed-heat-limit"},
            {"txtRadiantFluxLimit", "x", "--radiant-flux-limit"},
            {"txtLayerHeightLimit", "2.4", "--tenability-layer-height"},
            {"txtTemperatureLimit", "20", "--tenability-temperature"},
        };
        for (const Case& c : cases) {
            FakePlatform platform(Data());
            TenabilityTexts kept;
            kept.Given = true;
            TenabilityDialog dialog(platform, "VORLA-XW", kept, UnitSystem::SI, 2.4, nullptr);
            dialog.show();
            Box(dialog, c.box)->setText(c.typed);
            Click(dialog, "cmdOK");
            const std::string batch = BatchMessage(c.option, c.typed);
            const QString what = QString("%1 \"%2\": %3").arg(c.box, c.typed, batch.c_str());
            QVERIFY2(dialog.isVisible() && dialog.result() != QDialog::Accepted, qPrintable(what));
            QVERIFY2(("vorla compartment: " + Problem(dialog) + "\n").toStdString() == batch,
                     qPrintable(what + " / dialog: " + Problem(dialog)));
            QVERIFY2(dialog.focusWidget() == Box(dialog, c.box), qPrintable(what));
            QVERIFY(platform.Messages().empty());
            // Nothing was kept.
            QCOMPARE(dialog.Tenability().Inputs, TenabilityInputs{});
            dialog.hide();
        }
    }

    // Tewarson's propane: 43.7 kJ/g, soot 0.024, CO 0.005, CO2 2.85.
    void AFuelFillsItsYields() {
        FakePlatform platform(Data());
        TenabilityTexts kept;
        kept.Given = true;
        TenabilityDialog dialog(platform, "SKEVA-XW", kept, UnitSystem::SI, std::nullopt, nullptr);
        Box(dialog, "txtFedToxicLimit")->setText("0.5");
        auto* fuel = dialog.findChild<QComboBox*>("cboFuel");
        fuel->setCurrentIndex(1);
        emit fuel->activated(1);
        QCOMPARE(fuel->currentText(), QString("Propane"));
        // The heat of combustion left to the fire file stays so; typed, the
        // fuel's replaces it.
        QCOMPARE(Box(dialog, "txtHeatOfCombustion")->text(), QString());
        QCOMPARE(Box(dialog, "txtSootYield")->text(), QString("0.024"));
        QCOMPARE(Box(dialog, "txtCoYield")->text(), QString("0.005"));
        QCOMPARE(Box(dialog, "txtHcnYield")->text(), QString("0"));
        QCOMPARE(Box(dialog, "txtCo2Yield")->text(), QString("2.85"));
        QCOMPARE(Box(dialog, "txtFedToxicLimit")->text(), QString("0.5"));
        dialog.findChild<QComboBox*>("cboSign")->setCurrentIndex(1);
        Click(dialog, "cmdOK");
        QCOMPARE(dialog.result(), int(QDialog::Accepted));
        const TenabilityTexts& read = dialog.Tenability();
        QVERIFY(read.FuelKind == tenability::Fuel::Propane);
        QVERIFY(!read.HeatOfCombustionGiven);
        QCOMPARE(read.Inputs.Yields.HeatOfCombustion, 43700.0); // without a fire file's
        TenabilityDialog typed(platform, "SKEVA-XW", kept, UnitSystem::SI, std::nullopt, nullptr);
        Box(typed, "txtHeatOfCombustion")->setText("15000");
        auto* typedFuel = typed.findChild<QComboBox*>("cboFuel");
        typedFuel->setCurrentIndex(1);
        emit typedFuel->activated(1);
        QCOMPARE(Box(typed, "txtHeatOfCombustion")->text(), QString("43700"));
        Click(typed, "cmdOK");
        QVERIFY(typed.Tenability().HeatOfCombustionGiven);
        QCOMPARE(typed.Tenability().Inputs.Yields.HeatOfCombustion, 43700.0);
        QCOMPARE(read.Inputs.Yields.CarbonDioxide, 2.85);
        QCOMPARE(read.Inputs.Criteria.FedToxic, 0.5);
        QVERIFY(read.Inputs.Sign == tenability::SignKind::Lit);
    }

    void TheUnitsSwitchShowsConvertedValuesAndKeepsTheExactOnes() {
        FakePlatform platform(Data());
        TenabilityTexts kept;
        kept.Given = true;
        kept.Inputs.Criteria.LayerHeight = 1.5;
        TenabilityDialog dialog(platform, "VORLA-XW", kept, UnitSystem::US, 2.4, nullptr);
        // 1.8 m / 0.3048 m/ft; 1.5 m likewise; 60 °C = 140 °F.
        QCOMPARE(Box(dialog, "txtHeadHeight")->text(), QString("5.905511811"));
        QCOMPARE(Box(dialog, "txtLayerHeightLimit")->text(), QString("4.921259843"));
        QCOMPARE(Box(dialog, "txtTemperatureLimit")->text(), QString("140"));
        QCOMPARE(dialog.findChild<QLabel*>("lblHeadHeightUnits")->text(), QString("ft"));
        QCOMPARE(dialog.findChild<QLabel*>("lblTemperatureLimitUnits")->text(), QString("°F"));
        dialog.SetUnits(UnitSystem::SI);
        QCOMPARE(Box(dialog, "txtHeadHeight")->text(), QString("1.8"));
        dialog.SetUnits(UnitSystem::US);
        // A value typed in feet is feet: 5 ft = 1.524 m; 212 °F = 100 °C.
        Box(dialog, "txtVisibilityLimit")->setText("10");
        Box(dialog, "txtTemperatureLimit")->setText("212");
        Click(dialog, "cmdOK");
        QCOMPARE(dialog.result(), int(QDialog::Accepted));
        const TenabilityInputs& read = dialog.Tenability().Inputs;
        QCOMPARE(read.HeadHeight, 1.8); // exactly, never 1.7999999999
        QCOMPARE(*read.Criteria.LayerHeight, 1.5);
        QVERIFY(std::abs(*read.Criteria.Visibility - 3.048) < 1e-12);
        QVERIFY(std::abs(read.Criteria.Temperature - 100) < 1e-9);
    }

    void CancelKeepsWhatWasKept() {
        FakePlatform platform(Data());
        TenabilityTexts kept;
        kept.Given = true;
        kept.Inputs.HeadHeight = 1.6;
        TenabilityDialog dialog(platform, "VORLA-XW", kept, UnitSystem::SI, 2.4, nullptr);
        Follow(dialog)->setChecked(false);
        Box(dialog, "txtHeadHeight")->setText("1.2");
        Click(dialog, "cmdCancel");
        QVERIFY(dialog.Tenability().Given);
        QCOMPARE(dialog.Tenability().Inputs.HeadHeight, 1.6);
        // Unchecked, a wrong value is not kept, and neither is tenability.
        TenabilityDialog off(platform, "VORLA-XW", kept, UnitSystem::SI, 2.4, nullptr);
        Box(off, "txtHeadHeight")->setText("x");
        Follow(off)->setChecked(false);
        Click(off, "cmdOK");
        QCOMPARE(off.result(), int(QDialog::Accepted));
        QVERIFY(!off.Tenability().Given);
        QCOMPARE(off.Tenability().Inputs.HeadHeight, 1.6);
    }

    // Run's check against the room and File Open's reading of a report.
    void TheRoomAndTheReportAreChecked() {
        FakePlatform platform(Data());
        TenabilityTexts kept;
        kept.Given = true;
        QVERIFY(TenabilityDialog::TenabilityFitsRoom(platform, "VORLA-XW", kept, 2.4));
        QVERIFY(!TenabilityDialog::TenabilityFitsRoom(platform, "VORLA-XW", kept, 1.5));
        QCOMPARE(platform.Messages().back().Request.Title,
                 std::string("VORLA-XW: Smoke and Tenability"));
        QCOMPARE(platform.Messages().back().Request.Text,
                 std::string("--head-height: The head height must be above the floor and below "
                             "the ceiling (1.5 m); 1.8 was given."));
        kept.Given = false; // not followed: nothing to fit
        QVERIFY(TenabilityDialog::TenabilityFitsRoom(platform, "VORLA-XW", kept, 1.5));

        const std::string report = "VORLA-XW 1.0\r\ntitle\r\nRun complete.\r\n";
        const std::string good = folder_.filePath("good.vof").toStdString();
        QVERIFY(test_support::WriteFile(
            good, report + "Tenability: --fuel heptane --soot-yield 0.05 --sign lit\r\n"));
        const auto messages = platform.Messages().size();
        const TenabilityTexts read =
            TenabilityDialog::TenabilityOfReport(platform, "VORLA-XW", good, 2.4);
        QVERIFY(read.Given);
        QCOMPARE(read.Inputs.Yields.Soot, 0.05);
        QCOMPARE(read.Inputs.Yields.HeatOfCombustion, 41200.0); // heptane's
        QCOMPARE(platform.Messages().size(), messages);

        const std::string bad = folder_.filePath("bad.vof").toStdString();
        QVERIFY(test_support::WriteFile(bad, report + "Tenability: --head-height 2.5\r\n"));
        QVERIFY(!TenabilityDialog::TenabilityOfReport(platform, "VORLA-XW", bad, 2.4).Given);
        QCOMPARE(platform.Messages().back().Request.Text,
                 bad + ": Line 4: --head-height: The head height must be above the floor and "
                       "below the ceiling (2.4 m); 2.5 was given. The report opens without its "
                       "tenability.");
    }
};

QTEST_MAIN(TenabilityDialogTest)
#include "tenability_dialog_test.moc"
