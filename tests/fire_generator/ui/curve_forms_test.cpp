// The t-squared, semi-universal, pool and furniture forms: their controls and
// unit captions, their checks with message and focus, a built curve reaching
// the graph window, and the ways back to the main form.
#include "fire_generator/ui/furniture_form.h"
#include "generator_windows.h"

#include <QGroupBox>
#include <QPointer>

using namespace vorla::generator;
using namespace vorla::generator::testing;

Q_DECLARE_METATYPE(vorla::generator::CurveKind)

namespace {

const QString kDataError = "QDOT-XW: Input Data Error | ";

} // namespace

class CurveFormsTest : public QObject {
    Q_OBJECT

  private slots:
    void FormsKeepTheWindowConventions_data() {
        QTest::addColumn<CurveKind>("kind");
        QTest::addColumn<QString>("title");
        QTest::addColumn<QStringList>("withoutToolTip");
        QTest::newRow("t-squared")
            << CurveKind::TSquared << "QDOT-XW: T-Squared Fire Parameters" << QStringList{};
        QTest::newRow("semi-universal")
            << CurveKind::SemiUniversal << "QDOT-XW: Semi-Universal Fire Parameters"
            << QStringList{};
        QTest::newRow("pool") << CurveKind::Pool << "QDOT-XW: Pool Fire Parameters"
                              << QStringList{};
        // The furniture form's mass has never had a tool tip.
        QTest::newRow("furniture") << CurveKind::Furniture << "QDOT-XW: Furniture Fire Parameters"
                                   << QStringList{"txtCombustibleMass"};
    }
    void FormsKeepTheWindowConventions() {
        QFETCH(CurveKind, kind);
        QFETCH(QString, title);
        QFETCH(QStringList, withoutToolTip);
        Generator generator;
        auto* form = generator.Open(kind, "10");
        QVERIFY(form);
        QCOMPARE(WindowConventionProblems(*form, {.WithoutToolTip = withoutToolTip}),
                 QStringList());
        QCOMPARE(form->windowTitle(), title);
        QVERIFY(Button(form, "cmdOK")->isDefault());
        for (auto* box : form->findChildren<QLineEdit*>()) {
            QVERIFY2(box->text().isEmpty(), qPrintable(box->objectName()));
        }
    }

    void UnitCaptionsFollowTheUnitSystem_data() {
        QTest::addColumn<CurveKind>("kind");
        QTest::addColumn<bool>("us");
        QTest::addColumn<QStringList>("captions"); // "name|caption"
        QTest::newRow("t-squared S.I.")
            << CurveKind::TSquared << false << QStringList{"lblAlphaUnits|kW/s²"};
        QTest::newRow("t-squared U.S.")
            << CurveKind::TSquared << true << QStringList{"lblAlphaUnits|Btu/s/s²"};
        QTest::newRow("pool S.I.")
            << CurveKind::Pool << false
            << QStringList{"lblMLRInfUnits|kg/m²-s", "lblKBetaUnits|1/m", "lblDiameterUnits|m"};
        QTest::newRow("pool U.S.")
            << CurveKind::Pool << true
            << QStringList{"lblMLRInfUnits|lb/ft²-s", "lblKBetaUnits|1/ft", "lblDiameterUnits|ft"};
        QTest::newRow("furniture S.I.")
            << CurveKind::Furniture << false << QStringList{"lblCombustibleMassUnits|kg"};
        QTest::newRow("furniture U.S.")
            << CurveKind::Furniture << true << QStringList{"lblCombustibleMassUnits|lb"};
        QTest::newRow("custom S.I.")
            << CurveKind::Custom << false << QStringList{"lblQDOT|QDOT (kW)"};
        QTest::newRow("custom U.S.")
            << CurveKind::Custom << true << QStringList{"lblQDOT|QDOT (Btu/s)"};
    }
    void UnitCaptionsFollowTheUnitSystem() {
        QFETCH(CurveKind, kind);
        QFETCH(bool, us);
        QFETCH(QStringList, captions);
        Generator generator;
        if (us) {
            generator.SwitchToUSUnits();
        }
        // The heat of combustion box shows the stored value in the new unit.
        auto* form =
            generator.Open(kind, "10", Control<QLineEdit>(generator.input, "txtHoC")->text());
        QVERIFY(form);
        for (const auto& caption : captions) {
            auto* label = Label(form, caption.section(u'|', 0, 0));
            QVERIFY(label);
            QCOMPARE(label->text(), caption.section(u'|', 1));
        }
    }

    void ChecksShowTheirMessageAndFocus_data() {
        QTest::addColumn<CurveKind>("kind");
        QTest::addColumn<QString>("delay");
        QTest::addColumn<QStringList>("entries");
        QTest::addColumn<QString>("message");
        QTest::addColumn<QString>("focus");

        const auto tSquared = [](const QString& alpha, const QString& tMax, const QString& tEnd) {
            return QStringList{"txtAlpha=" + alpha, "txtTMax=" + tMax, "txtTEnd=" + tEnd};
        };
        QTest::newRow("alpha 0") << CurveKind::TSquared << "0" << tSquared("0", "100", "200")
                                 << "The fire growth factor must be a positive number"
                                 << "txtAlpha";
        QTest::newRow("alpha 2.12") << CurveKind::TSquared << "0" << tSquared("2.12", "100", "200")
                                    << "The fire growth factor is too large"
                                    << "txtAlpha";
        QTest::newRow("t max 0") << CurveKind::TSquared << "0" << tSquared("0.1", "0", "200")
                                 << "The time to maximum QDOT must be a positive number"
                                 << "txtTMax";
        QTest::newRow("t end 9001") << CurveKind::TSquared << "0" << tSquared("0.1", "100", "9001")
                                    << "The time to the end of the curve must not exceed 9000 s"
                                    << "txtTEnd";
        QTest::newRow("t end 0") << CurveKind::TSquared << "0" << tSquared("0.1", "100", "0")
                                 << "The time to the end of the curve must be positive"
                                 << "txtTEnd";
        QTest::newRow("semi-universal 601")
            << CurveKind::SemiUniversal << "0" << QStringList{"txtTEnd=601"}
            << "The time to the end of the curve must not exceed 600 s"
            << "txtTEnd";
        QTest::newRow("semi-universal empty")
            << CurveKind::SemiUniversal << "0" << QStringList{"txtTEnd="}
            << "The time to the end of the curve must be positive"
            << "txtTEnd";
        QTest::newRow("semi-universal past 32767 s")
            << CurveKind::SemiUniversal << "32500" << QStringList{"txtTEnd=600"}
            << "The delay time plus the time to the end of the curve must not exceed 32767 s"
            << "txtTEnd";

        const auto pool = [](const QString& rate, const QString& kBeta, const QString& diameter,
                             const QString& tEnd) {
            return QStringList{"txtMLRInf=" + rate, "txtKBeta=" + kBeta, "txtDiameter=" + diameter,
                               "txtTEnd=" + tEnd};
        };
        QTest::newRow("pool rate 0")
            << CurveKind::Pool << "0" << pool("0", "0.7", "1", "600")
            << "The infinite size pool mass loss rate must be greater than 0"
            << "txtMLRInf";
        QTest::newRow("pool rate 1.01") << CurveKind::Pool << "0" << pool("1.01", "0.7", "1", "600")
                                        << "The infinite size pool mass loss rate is too large"
                                        << "txtMLRInf";
        QTest::newRow("pool k beta 0") << CurveKind::Pool << "0" << pool("0.039", "0", "1", "600")
                                       << "KxBeta must be greater than 0"
                                       << "txtKBeta";
        QTest::newRow("pool k beta 10.1")
            << CurveKind::Pool << "0" << pool("0.039", "10.1", "1", "600") << "KxBeta is too large"
            << "txtKBeta";
        QTest::newRow("pool diameter 0.19 m")
            << CurveKind::Pool << "0" << pool("0.039", "0.7", "0.19", "600")
            << "The pool diameter must exceed 0.2 m or 8 in."
            << "txtDiameter";
        QTest::newRow("pool t end 9001")
            << CurveKind::Pool << "0" << pool("0.039", "0.7", "1", "9001")
            << "The time to the end of the curve must not exceed 9000 s"
            << "txtTEnd";
        QTest::newRow("pool t end -5") << CurveKind::Pool << "0" << pool("0.039", "0.7", "1", "-5")
                                       << "The time to the end of the curve must be positive"
                                       << "txtTEnd";
        QTest::newRow("pool past 32767 s")
            << CurveKind::Pool << "30000" << pool("0.039", "0.7", "1", "9000")
            << "The delay time plus the time to the end of the curve must not exceed 32767 s"
            << "txtTEnd";
        QTest::newRow("furniture mass 0")
            << CurveKind::Furniture << "0" << QStringList{"txtCombustibleMass=0"}
            << "The combustible mass must be greater than 0"
            << "txtCombustibleMass";
    }
    void ChecksShowTheirMessageAndFocus() {
        QFETCH(CurveKind, kind);
        QFETCH(QString, delay);
        QFETCH(QStringList, entries);
        QFETCH(QString, message);
        QFETCH(QString, focus);
        Generator generator;
        auto* form =
            generator.Open(kind, delay, Control<QLineEdit>(generator.input, "txtHoC")->text());
        QVERIFY(form);
        QVERIFY(TypeInto(form, entries));
        generator.platform.ClearRecords();
        QTest::mouseClick(Control<QPushButton>(form, "cmdOK"), Qt::LeftButton);

        QCOMPARE(generator.platform.Messages().size(), std::size_t{1});
        const auto& shown = generator.platform.Messages()[0];
        QCOMPARE(Shown(shown), kDataError + message);
        QCOMPARE(shown.Request.Icon, MessageIcon::Exclamation);
        QCOMPARE(shown.Request.Buttons, MessageButtons::Ok);
        QVERIFY(form->isVisible());
        QCOMPARE(FocusIn(form), focus);
        QVERIFY(!generator.Graph().isVisible());
        QVERIFY(!generator.input.isVisible());
        QCOMPARE(generator.Module().LastPoint, 0);
    }

    void ABuiltCurveReachesTheGraph_data() {
        QTest::addColumn<CurveKind>("kind");
        QTest::addColumn<bool>("us");
        QTest::addColumn<QString>("heatOfCombustion");
        QTest::addColumn<QString>("delay");
        QTest::addColumn<QStringList>("entries");
        QTest::addColumn<QStringList>("points"); // the first points, "time:rate"
        QTest::addColumn<int>("lastPoint");
        QTest::addColumn<QString>("yTitle");
        QTest::addColumn<QStringList>("xLabels");
        QTest::addColumn<QStringList>("yLabels");

        const QString kW = "Rate of Heat Release (kW)";
        const QString btu = "Rate of Heat Release (Btu/s)";
        QTest::newRow("t-squared")
            << CurveKind::TSquared << false << "12000"
            << "0" << QStringList{"txtAlpha=0.1", "txtTMax=100", "txtTEnd=200"}
            << QStringList{"0:0.0", "5:2.5", "10:10.0"} << 40 << kW
            << QStringList{"0", "1", "2", "3", "4", "5"}
            << QStringList{"0", "300", "600", "900", "1200", "1500"};
        // 2 Btu/s/s² is 2.11 kW/s²; the graph shows Btu/s again.
        QTest::newRow("t-squared U.S.")
            << CurveKind::TSquared << true << "5159"
            << "60" << QStringList{"txtAlpha=2", "txtTMax=4", "txtTEnd=20"}
            << QStringList{"0:0.0", "60:0.0", "65:33.8", "70:33.8", "75:33.8", "80:33.8"} << 5
            << btu << QStringList{"0", "0.5", "1.0", "1.5", "2.0", "2.5"}
            << QStringList{"0", "7", "14", "21", "28", "35"};
        QTest::newRow("semi-universal")
            << CurveKind::SemiUniversal << false << "12000"
            << "30" << QStringList{"txtTEnd=600"}
            << QStringList{"0:0.0", "29:0.0", "30:10.0", "35:11.3"} << 122 << kW
            << QStringList{"0", "3", "6", "9", "12", "15"}
            << QStringList{"0", "3000", "6000", "9000", "12000", "15000"};
        QTest::newRow("pool") << CurveKind::Pool << false << "43700"
                              << "0"
                              << QStringList{"txtMLRInf=0.039", "txtKBeta=0.7", "txtDiameter=1",
                                             "txtTEnd=600"}
                              << QStringList{"0:0.0", "1:673.8", "600:673.8"} << 2 << kW
                              << QStringList{"0", "2", "4", "6", "8", "10"}
                              << QStringList{"0", "200", "400", "600", "800", "1000"};
        QTest::newRow("furniture") << CurveKind::Furniture << false << "12000"
                                   << "0" << QStringList{"txtCombustibleMass=20"}
                                   << QStringList{"0:0.0", "21:10458.0", "41:0.0"} << 2 << kW
                                   << QStringList{"0", "0.2", "0.4", "0.6", "0.8", "1.0"}
                                   << QStringList{"0", "3000", "6000", "9000", "12000", "15000"};
    }
    void ABuiltCurveReachesTheGraph() {
        QFETCH(CurveKind, kind);
        QFETCH(bool, us);
        QFETCH(QString, heatOfCombustion);
        QFETCH(QString, delay);
        QFETCH(QStringList, entries);
        QFETCH(QStringList, points);
        QFETCH(int, lastPoint);
        QFETCH(QString, yTitle);
        QFETCH(QStringList, xLabels);
        QFETCH(QStringList, yLabels);
        Generator generator;
        if (us) {
            generator.SwitchToUSUnits();
        }
        QPointer<QWidget> form = generator.Open(kind, delay, heatOfCombustion);
        QVERIFY(form);
        QVERIFY(TypeInto(form, entries));
        generator.platform.ClearRecords();
        QTest::keyClick(form->focusWidget(), Qt::Key_Return); // Enter is OK
        QVERIFY(generator.platform.Messages().empty());

        const auto& module = generator.Module();
        QCOMPARE(module.LastPoint, lastPoint);
        QCOMPARE(TablePoints(module).mid(0, points.size()), points);
        QWidget& graph = generator.Graph();
        QVERIFY(graph.isVisible());
        QVERIFY(!generator.input.isVisible());
        QTRY_VERIFY(form.isNull());
        QCOMPARE(Control<QLabel>(graph, "lblPlotTitle")->text(), QString("Test fire"));
        QCOMPARE(Control<QLabel>(graph, "lblYTitle")->text(), yTitle);
        QCOMPARE(Control<QLabel>(graph, "lblXTitle")->text(), QString("Time (min)"));
        QCOMPARE(TickLabels(&graph, "lblXLabel"), xLabels);
        QCOMPARE(TickLabels(&graph, "lblYLabel"), yLabels);
        QCOMPARE(Control<vorla::ui::GraphPicture>(graph, "picGraph")->Series().size(),
                 std::size_t(lastPoint + 1));
        QCOMPARE(FocusIn(&graph), QString("cmdSave"));
        QVERIFY(Control<QPushButton>(graph, "cmdSave")->isEnabled());
    }

    void FurnitureOptionsShowTheirFactors() {
        Generator generator;
        auto* form = qobject_cast<frmFurniture*>(generator.Open(CurveKind::Furniture, "10"));
        QVERIFY(form);
        const QStringList frames = {"fraFabricFactor|Fabric Factor",
                                    "fraPaddingFactor|Padding Factor",
                                    "fraStyleFactor|Style Factor",
                                    "fraFrameCombustibilityFactor|Frame Combustibility Factor",
                                    "fraFrameMaterialFactor|Frame Material Factor"};
        for (const auto& frame : frames) {
            auto* box = Control<QGroupBox>(form, frame.section(u'|', 0, 0));
            QVERIFY(box);
            QCOMPARE(box->title(), frame.section(u'|', 1));
        }
        const QStringList options = {
            "optFabricFactor(0)|Thermoplastics|FF=1.00",
            "optFabricFactor(1)|Cellulosic Fabrics|FF=0.40",
            "optFabricFactor(2)|PVC or Polyurethane Film|FF=0.25",
            "optPaddingFactor(0)|Polyurethane and/or Latex Foam|PF=1.00",
            "optPaddingFactor(1)|Cotton Batting or Neoprene|PF=0.40",
            "optStyleFactor(0)|Ornate Convoluted Shapes|SF=1.50",
            "optStyleFactor(1)|Intermediate Shapes (High)|SF=1.30",
            "optStyleFactor(2)|Intermediate Shapes (Low)|SF=1.20",
            "optStyleFactor(3)|Plain, Primarily Rectangular|SF=1.00",
            "optFrameCombustibilityFactor(0)|Non-Combustible Frame|FC=1.66",
            "optFrameCombustibilityFactor(1)|Melting Plastic|FC=0.58",
            "optFrameCombustibilityFactor(2)|Wood|FC=0.30",
            "optFrameCombustibilityFactor(3)|Charring Plastic|FC=0.18",
            "optFrameMaterialFactor(0)|Metal or Plastic Frame|FM=1.80",
            "optFrameMaterialFactor(1)|Wood Frame|FM=1.30"};
        for (const auto& option : options) {
            const auto parts = option.split(u'|');
            auto* button = Control<QRadioButton>(form, parts[0]);
            QVERIFY(button);
            QCOMPARE(button->text(), parts[1]);
            QCOMPARE(button->toolTip(), parts[2]);
            QCOMPARE(button->isChecked(), parts[0].endsWith("(0)"));
        }

        // Wood frame, wood, plain, cotton, cellulosic: 30 kg at 12000 kJ/kg,
        // 10 s of delay.
        for (const char* name :
             {"optFrameMaterialFactor(1)", "optFrameCombustibilityFactor(2)", "optStyleFactor(3)",
              "optPaddingFactor(1)", "optFabricFactor(1)"}) {
            Control<QRadioButton>(form, name)->click();
        }
        QVERIFY(TypeInto(form, {"txtCombustibleMass=30"}));
        Control<QPushButton>(form, "cmdOK")->click();
        QCOMPARE(TablePoints(generator.Module()),
                 QStringList({"0:0.0", "10:0.0", "784:302.4", "1558:0.0"}));
        QVERIFY(generator.Graph().isVisible());
    }

    void CancelReturnsToTheMainForm_data() {
        QTest::addColumn<CurveKind>("kind");
        QTest::addColumn<QString>("how");
        for (const auto kind : {CurveKind::TSquared, CurveKind::SemiUniversal, CurveKind::Pool,
                                CurveKind::Furniture}) {
            for (const char* how : {"Cancel", "Escape", "frame"}) {
                QTest::addRow("%d %s", static_cast<int>(kind), how) << kind << QString(how);
            }
        }
    }
    void CancelReturnsToTheMainForm() {
        QFETCH(CurveKind, kind);
        QFETCH(QString, how);
        Generator generator;
        auto& module = generator.Module();
        module.LastPoint = 1;
        module.FireTime[1] = 77;
        QPointer<QWidget> form = generator.Open(kind, "10");
        QVERIFY(form);
        // Whatever is typed is dropped.
        for (auto* box : form->findChildren<QLineEdit*>()) {
            box->setText("1");
        }
        if (how == "Cancel") {
            QTest::mouseClick(Control<QPushButton>(form, "cmdCancel"), Qt::LeftButton);
        } else if (how == "Escape") {
            QTest::keyClick(form->focusWidget(), Qt::Key_Escape);
        } else {
            QVERIFY(form->close());
        }
        QTRY_VERIFY(form.isNull());
        QVERIFY(generator.input.isVisible());
        QCOMPARE(FocusIn(&generator.input), QString("txtDescription"));
        QVERIFY(!generator.Graph().isVisible());
        QCOMPARE(module.LastPoint, 1);
        QCOMPARE(module.FireTime[1], std::int16_t{77});
        QCOMPARE(Control<QLineEdit>(generator.input, "txtDescription")->text(),
                 QString("Test fire"));
        QCOMPARE(generator.ProgramEnded, 0);
    }
};

QTEST_MAIN(CurveFormsTest)
#include "curve_forms_test.moc"
