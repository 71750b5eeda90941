// The Detectors and Sprinklers dialog: every value wrong once names the device
// and the value as typed, rows added, duplicated and removed, the units
// switched without losing a value's exact S.I. value, a smoke detector's
// obscuration threshold, and the suppression rule under the table.
#include "zone_models/ui/devices_dialog.h"
#include "common/ui/fake_platform.h"
#include "common/text/units.h"
#include "tests/support/access_keys.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QtTest>

using namespace vorla;
using namespace vorla::ui;
using detection::Device;
using detection::DeviceKind;

namespace {

Device Sprinkler(std::string name, double radius) {
    Device d;
    d.Name = std::move(name);
    d.Kind = DeviceKind::Sprinkler;
    d.Radius = radius;
    d.BelowCeiling = 0.05;
    d.Rti = 50;
    d.OperatingTemperature = 68 + kKelvinAtZeroCelsius;
    return d;
}

QTableWidget& Table(DevicesDialog& dialog) {
    return *dialog.findChild<QTableWidget*>("tblDevices");
}
void Click(DevicesDialog& dialog, const char* name) {
    dialog.findChild<QPushButton*>(name)->click();
}
QString Cell(DevicesDialog& dialog, int row, int column) {
    return Table(dialog).item(row, column)->text();
}
void Type(DevicesDialog& dialog, int row, int column, const QString& text) {
    Table(dialog).item(row, column)->setText(text);
}
QStringList Names(DevicesDialog& dialog) {
    QStringList names;
    for (int row = 0; row < Table(dialog).rowCount(); ++row) {
        names << Cell(dialog, row, DevicesDialog::Name);
    }
    return names;
}

QComboBox& Combo(DevicesDialog& dialog, int row, int column) {
    return *static_cast<QComboBox*>(Table(dialog).cellWidget(row, column));
}
QLineEdit& Box(DevicesDialog& dialog, const char* name) {
    return *dialog.findChild<QLineEdit*>(name);
}
QRadioButton& Rule(DevicesDialog& dialog, int index) {
    return *dialog.findChild<QRadioButton*>(QString("optSuppression(%1)").arg(index));
}

} // namespace

class DevicesDialogTest : public QObject {
    Q_OBJECT

    QTemporaryDir folder_;
    std::string Data() const { return folder_.filePath("DATA").toStdString(); }

  private slots:
    void EachWrongValueIsRefusedNamingTheDeviceAndTheValue() {
        struct Case {
            int column;
            QString typed;
            std::string starts; // the message begins so
            std::string holds;  // and quotes the value typed
        };
        using D = DevicesDialog;
        const Case cases[] = {
            {D::Radius, "abc", "S1: radius: “abc” is not a number.", ""},
            {D::Radius, "-1", "Device “S1”: ", "-1"},
            {D::BelowCeiling, "x", "S1: below-ceiling: “x” is not a number.", ""},
            {D::BelowCeiling, "-0.5", "Device “S1”: ", "-0.5"},
            {D::Rti, "", "S1: rti: “” is not a number.", ""},
            {D::Rti, "-5", "Device “S1”: ", "-5"},
            {D::Conduction, "fast", "S1: c: “fast” is not a number.", ""},
            {D::Conduction, "-1", "Device “S1”: ", "-1"},
            {D::Threshold, "hot", "S1: temperature: “hot” is not a number.", ""},
            {D::Threshold, "-300", "Device “S1”: ", "-300"},
            {D::Name, "", "device 1: name: a device's name cannot be empty.", ""},
            {D::Name, "a,b", "a,b: name: ", "comma"},
        };
        for (const Case& c : cases) {
            FakePlatform platform(Data());
            DevicesDialog dialog(platform, "VORLA-XW", {Sprinkler("S1", 2)}, UnitSystem::SI,
                                 nullptr);
            Type(dialog, 0, c.column, c.typed);
            Click(dialog, "cmdOK");
            const QString what = QString("column %1, \"%2\"").arg(c.column).arg(c.typed);
            QVERIFY2(dialog.result() != QDialog::Accepted, qPrintable(what));
            QVERIFY2(platform.Messages().size() == 1, qPrintable(what));
            const MessageRequest& m = platform.Messages().front().Request;
            QCOMPARE(m.Title, std::string("VORLA-XW: Detectors and Sprinklers"));
            QVERIFY2(m.Text.rfind(c.starts, 0) == 0, qPrintable(what + ": " + m.Text.c_str()));
            QVERIFY2(m.Text.find(c.holds) != std::string::npos,
                     qPrintable(what + ": " + m.Text.c_str()));
            // Nothing was kept.
            QCOMPARE(dialog.Devices().front(), Sprinkler("S1", 2));
        }
    }

    void TwoDevicesOfOneNameAreRefused() {
        FakePlatform platform(Data());
        DevicesDialog dialog(platform, "SKEVA-XW", {Sprinkler("S1", 2), Sprinkler("S2", 3)},
                             UnitSystem::SI, nullptr);
        Type(dialog, 1, DevicesDialog::Name, "S1");
        Click(dialog, "cmdOK");
        QCOMPARE(platform.Messages().size(), std::size_t(1));
        QVERIFY(platform.Messages().front().Request.Text.find("S1") != std::string::npos);
        QVERIFY(dialog.result() != QDialog::Accepted);
    }

    void RowsAreAddedDuplicatedAndRemoved() {
        FakePlatform platform(Data());
        DevicesDialog dialog(platform, "VORLA-XW", {}, UnitSystem::SI, nullptr);
        QCOMPARE(test_support::AccessKeyCollisions(dialog), QStringList());
        Click(dialog, "cmdAdd");
        Click(dialog, "cmdAdd");
        QCOMPARE(Names(dialog), QStringList({"device 1", "device 2"}));
        Table(dialog).selectRow(0);
        Type(dialog, 0, DevicesDialog::Radius, "2.5");
        Click(dialog, "cmdDuplicate");
        QCOMPARE(Names(dialog), QStringList({"device 1", "device 2", "device 1 copy"}));
        QCOMPARE(Cell(dialog, 2, DevicesDialog::Radius), QString("2.5"));
        Table(dialog).selectRow(1);
        Click(dialog, "cmdRemove");
        QCOMPARE(Names(dialog), QStringList({"device 1", "device 1 copy"}));
        // A smoke detector: no RTI needed, the rise its threshold (default 10 K).
        Click(dialog, "cmdAdd");
        QCOMPARE(Names(dialog).back(), QString("device 3"));
        static_cast<QComboBox*>(Table(dialog).cellWidget(2, DevicesDialog::Kind))
            ->setCurrentIndex(2);
        Type(dialog, 2, DevicesDialog::Rti, "");
        Type(dialog, 2, DevicesDialog::Threshold, "10");
        Click(dialog, "cmdOK");
        QCOMPARE(platform.Messages().size(), std::size_t(0));
        QCOMPARE(dialog.result(), int(QDialog::Accepted));
        const auto& devices = dialog.Devices();
        QCOMPARE(devices.size(), std::size_t(3));
        QCOMPARE(devices[0].Radius, 2.5);
        QCOMPARE(devices[1].Radius, 2.5);
        QCOMPARE(devices[1].Name, std::string("device 1 copy"));
        QVERIFY(devices[2].Kind == DeviceKind::SmokeDetector);
        QCOMPARE(devices[2].TemperatureRise, 10.0);
        QCOMPARE(devices[2].Rti, 0.0);
    }

    void TheUnitsSwitchShowsConvertedValuesAndKeepsTheExactOnes() {
        FakePlatform platform(Data());
        const Device s1 = Sprinkler("S1", 0.1);
        DevicesDialog dialog(platform, "VORLA-XW", {s1}, UnitSystem::SI, nullptr);
        QCOMPARE(Cell(dialog, 0, DevicesDialog::Radius), QString("0.1"));
        dialog.SetUnits(UnitSystem::US);
        // 0.1 m / 0.3048 m/ft; 68 °C = 154.4 °F; 0.05 m = 0.1640419948 ft.
        QCOMPARE(Cell(dialog, 0, DevicesDialog::Radius), QString("0.3280839895"));
        QCOMPARE(Cell(dialog, 0, DevicesDialog::BelowCeiling), QString("0.1640419948"));
        QCOMPARE(Cell(dialog, 0, DevicesDialog::Threshold), QString("154.4"));
        QCOMPARE(Cell(dialog, 0, DevicesDialog::Rti), QString("50"));
        dialog.SetUnits(UnitSystem::SI);
        QCOMPARE(Cell(dialog, 0, DevicesDialog::Radius), QString("0.1"));
        dialog.SetUnits(UnitSystem::US);
        // A value typed in feet is feet: 10 ft = 3.048 m; 212 °F = 100 °C.
        Type(dialog, 0, DevicesDialog::BelowCeiling, "0.5");
        Type(dialog, 0, DevicesDialog::Threshold, "212");
        Click(dialog, "cmdOK");
        QCOMPARE(dialog.result(), int(QDialog::Accepted));
        const Device& kept = dialog.Devices().front();
        QCOMPARE(kept.Radius, s1.Radius); // exactly, never 0.09999999999
        QVERIFY(std::abs(kept.BelowCeiling - 0.1524) < 1e-12);
        QVERIFY(std::abs(kept.OperatingTemperature - (100 + kKelvinAtZeroCelsius)) < 1e-9);
    }

    // A smoke detector reads its rise or its obscuration, as its row says;
    // the criterion is a smoke detector's only. 2 %/m is an optical density
    // of −log10(1 − 0.02) = 0.0087739243 per metre.
    void ASmokeDetectorTakesARiseOrAnObscuration() {
        FakePlatform platform(Data());
        DevicesDialog dialog(platform, "VORLA-XW", {Sprinkler("S1", 2)}, UnitSystem::SI, nullptr);
        QVERIFY(!Combo(dialog, 0, DevicesDialog::SmokeCriterion).isEnabled());
        Combo(dialog, 0, DevicesDialog::Kind).setCurrentIndex(2);
        QVERIFY(Combo(dialog, 0, DevicesDialog::SmokeCriterion).isEnabled());
        Combo(dialog, 0, DevicesDialog::SmokeCriterion).setCurrentIndex(1);
        Type(dialog, 0, DevicesDialog::Rti, "");
        Type(dialog, 0, DevicesDialog::Threshold, "150");
        Click(dialog, "cmdOK");
        QCOMPARE(platform.Messages().size(), std::size_t(1));
        const std::string refused = platform.Messages().front().Request.Text;
        QVERIFY2(refused.rfind("S1: obscuration: ", 0) == 0 &&
                     refused.find("150") != std::string::npos,
                 refused.c_str());
        Type(dialog, 0, DevicesDialog::Threshold, "2");
        Click(dialog, "cmdOK");
        QCOMPARE(dialog.result(), int(QDialog::Accepted));
        const Device& smoke = dialog.Devices().front();
        QVERIFY(smoke.Kind == DeviceKind::SmokeDetector);
        QVERIFY(smoke.Obscuration.has_value());
        QVERIFY(std::abs(*smoke.Obscuration - 0.0087739243) < 1e-10);

        // Shown again, the threshold is in %/m and OK keeps it exactly.
        DevicesDialog again(platform, "VORLA-XW", {smoke}, UnitSystem::US, nullptr);
        QCOMPARE(Combo(again, 0, DevicesDialog::SmokeCriterion).currentIndex(), 1);
        QCOMPARE(Cell(again, 0, DevicesDialog::Threshold), QString("2"));
        Click(again, "cmdOK");
        QCOMPARE(again.Devices().front(), smoke);
        // Back to the rise: the default 10 K surrogate.
        DevicesDialog rise(platform, "VORLA-XW", {smoke}, UnitSystem::SI, nullptr);
        Combo(rise, 0, DevicesDialog::SmokeCriterion).setCurrentIndex(0);
        Type(rise, 0, DevicesDialog::Threshold, "10");
        Click(rise, "cmdOK");
        QCOMPARE(rise.result(), int(QDialog::Accepted));
        QVERIFY(!rise.Devices().front().Obscuration);
        QCOMPARE(rise.Devices().front().TemperatureRise, 10.0);
    }

    // The rule's boxes are enabled only for a decaying fire; each wrong value
    // is refused with the batch command's sentence, its box selected; a rule
    // without a sprinkler to operate it is refused; OK keeps the rule.
    void TheSuppressionRuleIsCheckedAsTheBatchCommandChecksIt() {
        const auto boxesEnabled = [](DevicesDialog& dialog) {
            return Box(dialog, "txtSprayDensity").isEnabled() &&
                   Box(dialog, "txtSuppressionConstant").isEnabled() &&
                   Box(dialog, "txtSuppressionExponent").isEnabled();
        };
        {
            FakePlatform platform(Data());
            DevicesDialog dialog(platform, "VORLA-XW", {Sprinkler("S1", 2)}, UnitSystem::SI,
                                 nullptr);
            QVERIFY(Rule(dialog, 0).isChecked());
            QVERIFY(!Box(dialog, "txtSprayDensity").isEnabled());
            QCOMPARE(Box(dialog, "txtSuppressionConstant").text(), QString("3"));
            QCOMPARE(Box(dialog, "txtSuppressionExponent").text(), QString("1.85"));
            Rule(dialog, 2).click();
            QVERIFY(boxesEnabled(dialog));
            Rule(dialog, 1).click();
            QVERIFY(!Box(dialog, "txtSuppressionExponent").isEnabled());
            Click(dialog, "cmdOK");
            QCOMPARE(dialog.result(), int(QDialog::Accepted));
            QVERIFY(dialog.AcceptedSuppression().Rule ==
                    detection::SuppressionRule::HeldAtActivation);
        }
        struct Case {
            const char* box;
            QString typed;
            std::string message;
        };
        const Case cases[] = {
            {"txtSprayDensity", "", "The value of --spray-density is not a number: \"\"."},
            {"txtSprayDensity", "wet", "The value of --spray-density is not a number: \"wet\"."},
            {"txtSprayDensity", "0",
             "--suppression: The spray density must be a number above 0 "
             "and up to 10 mm/s; 0 was given."},
            {"txtSuppressionConstant", "-3",
             "--suppression: The suppression constant A must be "
             "a number above 0 and up to 1000000; -3 was given."},
            {"txtSuppressionExponent", "-1.85",
             "--suppression: The suppression exponent B must "
             "be a number from 0 to 10; -1.85 was given."},
        };
        for (const Case& c : cases) {
            FakePlatform platform(Data());
            DevicesDialog dialog(platform, "SKEVA-XW", {Sprinkler("S1", 2)}, UnitSystem::SI,
                                 nullptr);
            dialog.show();
            Rule(dialog, 2).click();
            Box(dialog, "txtSprayDensity").setText("0.07");
            Box(dialog, c.box).setText(c.typed);
            Click(dialog, "cmdOK");
            QVERIFY2(dialog.result() != QDialog::Accepted, c.box);
            QCOMPARE(platform.Messages().size(), std::size_t(1));
            QCOMPARE(platform.Messages().front().Request.Text, c.message);
            QCOMPARE(platform.Messages().front().Request.Title,
                     std::string("SKEVA-XW: Detectors and Sprinklers"));
            QCOMPARE(dialog.focusWidget(), &Box(dialog, c.box));
        }
        {
            FakePlatform platform(Data());
            Device heat = Sprinkler("H", 1);
            heat.Kind = DeviceKind::HeatDetector;
            DevicesDialog dialog(platform, "VORLA-XW", {heat}, UnitSystem::US, nullptr);
            Rule(dialog, 1).click();
            Click(dialog, "cmdOK");
            QVERIFY(dialog.result() != QDialog::Accepted);
            QVERIFY2(platform.Messages().front().Request.Text.find("needs a sprinkler") !=
                         std::string::npos,
                     platform.Messages().front().Request.Text.c_str());
        }
        {
            // Shown with a rule, in U.S. units: w stays in mm/s, as the batch
            // command takes it.
            FakePlatform platform(Data());
            DevicesDialog dialog(platform, "VORLA-XW", {Sprinkler("S1", 2)}, UnitSystem::US,
                                 nullptr);
            dialog.ShowSuppression({detection::SuppressionRule::Decaying, 0.07, 2.5, 1.9});
            QVERIFY(Rule(dialog, 2).isChecked() && boxesEnabled(dialog));
            QCOMPARE(Box(dialog, "txtSprayDensity").text(), QString("0.07"));
            QVERIFY(dialog.findChild<QLabel*>("lblSprayDensityUnits")->text() == "mm/s");
            Box(dialog, "txtSuppressionExponent").setText("2");
            Click(dialog, "cmdOK");
            QCOMPARE(dialog.result(), int(QDialog::Accepted));
            const detection::Suppression& kept = dialog.AcceptedSuppression();
            QVERIFY(kept.Rule == detection::SuppressionRule::Decaying);
            QCOMPARE(kept.SprayDensity, 0.07);
            QCOMPARE(kept.Constant, 2.5);
            QCOMPARE(kept.Exponent, 2.0);
            QCOMPARE(test_support::AccessKeyCollisions(dialog), QStringList());
        }
    }

    void CancelKeepsTheDevices() {
        FakePlatform platform(Data());
        DevicesDialog dialog(platform, "VORLA-XW", {Sprinkler("S1", 2)}, UnitSystem::SI, nullptr);
        Click(dialog, "cmdRemove");
        Table(dialog).selectRow(0);
        Click(dialog, "cmdRemove");
        Click(dialog, "cmdCancel");
        QCOMPARE(dialog.Devices().size(), std::size_t(1));
    }
};

QTEST_MAIN(DevicesDialogTest)
#include "devices_dialog_test.moc"
