// The custom fire form: its rows and pages, the pre-filled delay rows, the
// checks of Next 10 Points and OK, the last page, and Cancel with its question.
#include "fire_generator/ui/custom_form.h"
#include "generator_windows.h"

#include <QPointer>

using namespace vorla::generator;
using namespace vorla::generator::testing;

namespace {

QString TimeBox(int i) {
    return QStringLiteral("txtTime(%1)").arg(i);
}
QString RateBox(int i) {
    return QStringLiteral("txtQDOT(%1)").arg(i);
}

// Types the page's rows: "time:rate" each, empty rows as "".
bool TypePage(QWidget* form, const QStringList& rows) {
    for (int i = 0; i < kCustomRowsPerPage; ++i) {
        const QString row = rows.value(i);
        Control<QLineEdit>(form, Element("txtTime", i))->setText(row.section(u':', 0, 0));
        Control<QLineEdit>(form, Element("txtQDOT", i))->setText(row.section(u':', 1));
    }
    return true;
}

// Ten rows from time `first` s on, 10 s apart, each at `rate` kW.
QStringList FullPage(int first, const QString& rate = "100") {
    QStringList rows;
    for (int i = 0; i < kCustomRowsPerPage; ++i) {
        rows << QStringLiteral("%1:%2").arg(first + 10 * i).arg(rate);
    }
    return rows;
}

QStringList Captions(const QWidget* form) {
    QStringList captions;
    for (int i = 0; i < kCustomRowsPerPage; ++i) {
        captions << Control<QLabel>(form, Element("lblDataPointNo", i))->text();
    }
    return captions;
}

// The table index of the page's first row, from its caption: "Data point # 1"
// on the first page, "Data Point # 11" (index 10) on the next.
int PageStart(const QWidget* form) {
    const QString caption = Control<QLabel>(form, "lblDataPointNo(0)")->text();
    return caption.startsWith("Data point") ? 0 : caption.section(u'#', 1).trimmed().toInt() - 1;
}

QStringList BoxTexts(const QWidget* form) {
    QStringList texts;
    for (int i = 0; i < kCustomRowsPerPage; ++i) {
        texts << Control<QLineEdit>(form, Element("txtTime", i))->text() + ":" +
                     Control<QLineEdit>(form, Element("txtQDOT", i))->text();
    }
    return texts;
}

} // namespace

class CustomFormTest : public QObject {
    Q_OBJECT

    static QWidget* Open(Generator& generator, const QString& delay = "0") {
        return qobject_cast<QWidget*>(generator.Open(CurveKind::Custom, delay));
    }

  private slots:
    void TheFormOpensOnThePageOfPointOne_data() {
        QTest::addColumn<QString>("delay");
        QTest::addColumn<QStringList>("rows");
        QTest::addColumn<QString>("focus");
        const QStringList empty(8, ":");
        QTest::newRow("no delay") << "0" << QStringList{"0:", ":"} + empty << "txtQDOT(0)";
        QTest::newRow("delay 30 s")
            << "30" << QStringList{"0:0.0", "30:0.0"} + empty << "txtTime(2)";
        QTest::newRow("delay 1 s") << "1" << QStringList{"0:0.0", "1:0.0"} + empty << "txtTime(2)";
    }
    void TheFormOpensOnThePageOfPointOne() {
        QFETCH(QString, delay);
        QFETCH(QStringList, rows);
        QFETCH(QString, focus);
        Generator generator;
        auto* form = Open(generator, delay);
        QVERIFY(form);
        QCOMPARE(form->windowTitle(), QString("QDOT-XW: Custom Fire Parameters"));
        QCOMPARE(Control<QLabel>(form, "lblTime")->text(), QString("Time (s)"));
        QCOMPARE(Control<QLabel>(form, "lblQDOT")->text(), QString("QDOT (kW)"));
        QCOMPARE(Control<QPushButton>(form, "cmdNextTen")->text(), QString("&Next 10 Points"));
        QVERIFY(Control<QPushButton>(form, "cmdNextTen")->isEnabled());
        QCOMPARE(BoxTexts(form), rows);
        QCOMPARE(Captions(form), QStringList({"Data point # 1", "Data point # 2", "Data point # 3",
                                              "Data point # 4", "Data point # 5", "Data point # 6",
                                              "Data point # 7", "Data point # 8", "Data point # 9",
                                              "Data point # 10"}));
        QCOMPARE(FocusIn(form), focus);
        QCOMPARE(PageStart(form), 0);
        // A row's caption names its time box; the rate box beside it shares the
        // row. The table's boxes have never had tool tips.
        ConventionExceptions table;
        for (int i = 0; i < kCustomRowsPerPage; ++i) {
            table.WithoutToolTip << Element("txtTime", i) << Element("txtQDOT", i);
            table.WithoutBuddy << Element("txtQDOT", i);
        }
        QCOMPARE(WindowConventionProblems(*form, table), QStringList());
    }

    void NextTurnsThePageAndOkEndsAPartialOne() {
        Generator generator;
        auto* form = Open(generator);
        QVERIFY(form);
        TypePage(form, FullPage(0));
        QTest::mouseClick(Control<QPushButton>(form, "cmdNextTen"), Qt::LeftButton);
        QVERIFY(generator.platform.Messages().empty());
        QCOMPARE(PageStart(form), 10);
        QCOMPARE(
            Captions(form),
            QStringList({"Data Point # 11", "Data Point # 12", "Data Point # 13", "Data Point # 14",
                         "Data Point # 15", "Data Point # 16", "Data Point # 17", "Data Point # 18",
                         "Data Point # 19", "Data Point # 20"}));
        QCOMPARE(BoxTexts(form), QStringList(10, ":"));
        QCOMPARE(FocusIn(form), QString("txtTime(0)"));
        // Nothing reaches the fire table before OK.
        QCOMPARE(generator.Module().LastPoint, 0);

        // Three rows on the second page, then OK.
        TypePage(form, {"100:250", "110:300.5", "120:0"});
        QTest::mouseClick(Control<QPushButton>(form, "cmdOK"), Qt::LeftButton);
        QVERIFY(generator.platform.Messages().empty());
        const auto& module = generator.Module();
        QCOMPARE(module.LastPoint, 12);
        QCOMPARE(TablePoints(module).mid(8),
                 QStringList({"80:100.0", "90:100.0", "100:250.0", "110:300.5", "120:0.0"}));
        QVERIFY(generator.Graph().isVisible());
        QVERIFY(!generator.input.isVisible());
    }

    void ChecksStopAtTheRowInQuestion_data() {
        QTest::addColumn<bool>("next"); // Next 10 Points, else OK
        QTest::addColumn<QStringList>("rows");
        QTest::addColumn<QString>("message");
        QTest::addColumn<QString>("focus");
        const QString empty = "There are empty time fields on the present screen.";
        const QString order = "Data points are not entered in ascending order.";
        const QString negative = "Heat release rate values can not be negative.";
        QStringList gap = FullPage(0);
        gap[3] = ":";
        QStringList equal = FullPage(0);
        equal[4] = "30:100";
        QStringList below = FullPage(0);
        below[8] = "80:-1";
        QTest::newRow("Next, empty row") << true << gap << empty << TimeBox(3);
        QTest::newRow("Next, equal times") << true << equal << order << TimeBox(4);
        QTest::newRow("Next, negative rate") << true << below << negative << RateBox(8);
        QTest::newRow("OK, a single point")
            << false << QStringList{"0:100"} << "At least two data points must be entered."
            << TimeBox(1);
        QStringList comma = FullPage(0);
        comma[2] = "20:1,5";
        QTest::newRow("Next, a rate with a decimal comma")
            << true << comma
            << "The value of QDOT (kW) of Data point # 3 is not a number. Type digits with a "
               "point (.) as the decimal separator, for example 20.5."
            << RateBox(2);
        QTest::newRow("OK, a time with a unit")
            << false << QStringList{"0:0", "10 s:10"}
            << "The value of Time (s) of Data point # 2 is not a number. Type digits with a "
               "point (.) as the decimal separator, for example 20.5."
            << TimeBox(1);
        QTest::newRow("OK, time past 16 bits")
            << false << QStringList{"0:0", "40000:10"}
            << "Time values must lie between -32768 s and 32767 s." << TimeBox(1);
    }
    void ChecksStopAtTheRowInQuestion() {
        QFETCH(bool, next);
        QFETCH(QStringList, rows);
        QFETCH(QString, message);
        QFETCH(QString, focus);
        Generator generator;
        auto* form = Open(generator);
        QVERIFY(form);
        TypePage(form, rows);
        generator.platform.ClearRecords();
        QTest::mouseClick(next ? Control<QPushButton>(form, "cmdNextTen")
                               : Control<QPushButton>(form, "cmdOK"),
                          Qt::LeftButton);
        QCOMPARE(generator.platform.Messages().size(), std::size_t{1});
        const auto& shown = generator.platform.Messages()[0];
        QCOMPARE(Shown(shown), "QDOT-XW: Input Data Error | " + message);
        QCOMPARE(shown.Request.Icon, MessageIcon::Exclamation);
        QCOMPARE(shown.Request.Buttons, MessageButtons::Ok);
        QCOMPARE(FocusIn(form), focus);
        // The page stays as typed.
        QCOMPARE(PageStart(form), 0);
        QCOMPARE(Control<QLineEdit>(form, "txtTime(0)")->text(), rows[0].section(u':', 0, 0));
        QVERIFY(form->isVisible());
        QVERIFY(!generator.Graph().isVisible());
        QCOMPARE(generator.Module().LastPoint, 0);
    }

    void RatesAreTypedInTheShownUnit() {
        Generator generator;
        generator.SwitchToUSUnits();
        auto* form = qobject_cast<QWidget*>(generator.Open(
            CurveKind::Custom, "0", Control<QLineEdit>(generator.input, "txtHoC")->text()));
        QVERIFY(form);
        QCOMPARE(Control<QLabel>(form, "lblQDOT")->text(), QString("QDOT (Btu/s)"));
        TypePage(form, {"0:0", "60:100"});
        Control<QPushButton>(form, "cmdOK")->click();
        QCOMPARE(generator.Module().FireRate[1], 105.5F);
        QCOMPARE(Control<QLabel>(generator.Graph(), "lblYTitle")->text(),
                 QString("Rate of Heat Release (Btu/s)"));
    }

    // Previous 10 Points, from the keyboard too: back a page with the rows as
    // they were typed; a page's entries not wholly numbers are named first.
    void PreviousTurnsBackKeepingWhatWasTyped() {
        Generator generator;
        auto* form = Open(generator);
        QVERIFY(form);
        auto* previous = Control<QPushButton>(form, "cmdPreviousTen");
        QCOMPARE(previous->text(), QString("&Previous 10 Points"));
        QVERIFY(!previous->isEnabled());
        TypePage(form, FullPage(0));
        Control<QPushButton>(form, "cmdNextTen")->click();
        QVERIFY(previous->isEnabled());
        TypePage(form, {"100:7", "110:8"});

        Box(form, "txtQDOT(1)")->setText("8,5");
        previous->click();
        QCOMPARE(generator.platform.Messages().size(), std::size_t(1));
        QCOMPARE(PageStart(form), 10);
        Box(form, "txtQDOT(1)")->setText("8");

        WaitUntilActive(form);
        QTest::keyClick(form, Qt::Key_P, Qt::AltModifier);
        QTRY_COMPARE(PageStart(form), 0); // a button's key presses it after a moment
        QCOMPARE(BoxTexts(form), FullPage(0));
        QVERIFY(!previous->isEnabled());
        QCOMPARE(FocusIn(form), QString("txtTime(0)"));
        Control<QPushButton>(form, "cmdNextTen")->click();
        QCOMPARE(BoxTexts(form).mid(0, 3), QStringList({"100:7", "110:8", ":"}));

        // OK on the first page reads the second one too: 12 points.
        previous->click();
        Control<QPushButton>(form, "cmdOK")->click();
        QCOMPARE(TablePoints(generator.Module()).mid(9),
                 QStringList({"90:100.0", "100:7.0", "110:8.0"}));
        QCOMPARE(generator.platform.Messages().size(), std::size_t(1));
    }

    // A row refused on a later page filled earlier: that page is shown, the
    // focus on the row.
    void OkShowsAPageFilledEarlierThatHasARefusedRow() {
        Generator generator;
        auto* form = Open(generator);
        QVERIFY(form);
        TypePage(form, FullPage(0));
        Control<QPushButton>(form, "cmdNextTen")->click();
        TypePage(form, {"100:7", "95:8"});
        Control<QPushButton>(form, "cmdPreviousTen")->click();
        Control<QPushButton>(form, "cmdOK")->click();
        QCOMPARE(generator.platform.Messages().size(), std::size_t(1));
        QCOMPARE(generator.platform.Messages()[0].Request.Text,
                 std::string("Data points are not entered in ascending order."));
        QCOMPARE(PageStart(form), 10);
        QCOMPARE(BoxTexts(form).mid(0, 2), QStringList({"100:7", "95:8"}));
        QCOMPARE(FocusIn(form), QString("txtTime(1)"));
        QVERIFY(Generator::CurveForm() == form);
    }

    void TheLastPageHasNoNext() {
        Generator generator;
        auto* form = Open(generator);
        QVERIFY(form);
        for (int page = 0; page < 179; ++page) {
            TypePage(form, FullPage(10 * kCustomRowsPerPage * page + (page == 0 ? 0 : 1), "50"));
            Control<QPushButton>(form, "cmdNextTen")->click();
        }
        QVERIFY(generator.platform.Messages().empty());
        QCOMPARE(PageStart(form), 1790);
        QVERIFY(!Control<QPushButton>(form, "cmdNextTen")->isEnabled());
        QCOMPARE(Captions(form).first(), QString("Data Point # 1791"));
        QCOMPARE(Captions(form).last(), QString("Data Point # 1800"));
        QCOMPARE(FocusIn(form), QString("txtTime(0)"));
        TypePage(form, FullPage(17901, "60"));
        Control<QPushButton>(form, "cmdOK")->click();
        QVERIFY(generator.platform.Messages().empty());
        const auto& module = generator.Module();
        QCOMPARE(module.LastPoint, 1799);
        QCOMPARE(module.FireTime[1799], std::int16_t{17991});
        QCOMPARE(module.FireRate[1799], 60.0F);
        QVERIFY(generator.Graph().isVisible());
    }

    void CancelAsksFirst_data() {
        QTest::addColumn<QString>("how");
        QTest::addColumn<bool>("yes");
        for (const char* how : {"Cancel", "Escape", "frame"}) {
            QTest::addRow("%s, Yes", how) << QString(how) << true;
            QTest::addRow("%s, No", how) << QString(how) << false;
        }
    }
    void CancelAsksFirst() {
        QFETCH(QString, how);
        QFETCH(bool, yes);
        Generator generator;
        auto& module = generator.Module();
        module.LastPoint = 1;
        module.FireTime[1] = 600;
        QPointer<QWidget> form = Open(generator, "30");
        QVERIFY(form);
        TypePage(form, FullPage(0));
        Control<QPushButton>(form, "cmdNextTen")->click();
        generator.platform.ClearRecords();
        generator.platform.AnswerNextQuestion(yes ? MessageButton::Yes : MessageButton::No);
        if (how == "Cancel") {
            QTest::mouseClick(Control<QPushButton>(form, "cmdCancel"), Qt::LeftButton);
        } else if (how == "Escape") {
            QTest::keyClick(form->focusWidget(), Qt::Key_Escape);
        } else {
            QCOMPARE(form->close(), yes);
        }
        QCOMPARE(generator.platform.Messages().size(), std::size_t{1});
        const auto& shown = generator.platform.Messages()[0];
        QCOMPARE(Shown(shown),
                 QString("QDOT-XW: Input Data Check | Do you really want to cancel?"));
        QCOMPARE(shown.Request.Icon, MessageIcon::Exclamation);
        QCOMPARE(shown.Request.Buttons, MessageButtons::YesNo);
        if (yes) {
            QTRY_VERIFY(form.isNull());
            QVERIFY(generator.input.isVisible());
            QCOMPARE(FocusIn(&generator.input), QString("txtDescription"));
            // The points typed never reach the fire table.
            QCOMPARE(module.LastPoint, 1);
            QCOMPARE(module.FireTime[1], std::int16_t{600});
        } else {
            QVERIFY(form->isVisible());
            QVERIFY(!generator.input.isVisible());
            QCOMPARE(FocusIn(form), QString("cmdOK"));
            QCOMPARE(PageStart(form), 10);
        }
        QVERIFY(!generator.Graph().isVisible());
    }
};

QTEST_MAIN(CustomFormTest)
#include "custom_form_test.moc"
