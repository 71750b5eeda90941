// The form builders: how wide a number box may grow and shrink, and what a
// grid row wires up (buddy, columns), checked against the box's own font.
#include "common/ui/form_builders.h"

#include <QFontMetrics>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QtTest>
#include <memory>

using vorla::ui::NumberBoxWidth;

Q_DECLARE_METATYPE(NumberBoxWidth)

namespace {

constexpr int kNoLimit = QWIDGETSIZE_MAX;

int Advance(const QString& sample) {
    return QFontMetrics(QLineEdit().font()).horizontalAdvance(sample);
}

} // namespace

class FormBuildersTest : public QObject {
    Q_OBJECT

  private slots:
    void NumberBoxWidthHasItsBounds_data() {
        QTest::addColumn<NumberBoxWidth>("width");
        QTest::addColumn<int>("least");
        QTest::addColumn<int>("most");
        QTest::addColumn<bool>("fixed");
        const QString eight = "00000000";
        // Each row: the bounds a user of the builder expects, measured here
        // from the sample text alone.
        QTest::newRow("no bound") << NumberBoxWidth{} << 0 << kNoLimit << false;
        QTest::newRow("at least a sample")
            << NumberBoxWidth{.AtLeast = eight} << Advance(eight) << kNoLimit << false;
        QTest::newRow("at least, padded") << NumberBoxWidth{.AtLeast = eight, .Padding = 16}
                                          << Advance(eight) + 16 << kNoLimit << false;
        QTest::newRow("at most twice at least")
            << NumberBoxWidth{.AtLeast = eight, .Padding = 16, .AtMostTwiceAtLeast = true}
            << Advance(eight) + 16 << 2 * (Advance(eight) + 16) << false;
        QTest::newRow("at most a sample")
            << NumberBoxWidth{.AtMost = eight} << 0 << Advance(eight) << false;
        QTest::newRow("eight whole digit cells")
            << NumberBoxWidth{.AtLeastDigits = 8} << 8 * Advance("0") << kNoLimit << false;
        QTest::newRow("keeps its width")
            << NumberBoxWidth{.AtLeastDigits = 3, .KeepsItsWidth = true} << 3 * Advance("0")
            << kNoLimit << true;
    }
    void NumberBoxWidthHasItsBounds() {
        QFETCH(NumberBoxWidth, width);
        QFETCH(int, least);
        QFETCH(int, most);
        QFETCH(bool, fixed);
        QWidget form;
        auto* box = vorla::ui::MakeNumberBox("txtArea", "Must be positive", &form, width, "12");
        QCOMPARE(box->objectName(), QString("txtArea"));
        QCOMPARE(box->toolTip(), QString("Must be positive"));
        QCOMPARE(box->text(), QString("12"));
        QCOMPARE(box->minimumWidth(), least);
        QCOMPARE(box->maximumWidth(), most);
        QCOMPARE(box->sizePolicy().horizontalPolicy() == QSizePolicy::Fixed, fixed);
    }

    // Digit cells are counted whole: never narrower than the digits set as one
    // text, whose fractional advances may add up to less.
    void DigitCellsHoldTheirDigits() {
        for (int digits : {1, 5, 12, 20}) {
            QWidget form;
            auto* box = vorla::ui::MakeNumberBox("txtX", {}, &form, {.AtLeastDigits = digits});
            QVERIFY2(box->minimumWidth() >= Advance(QString(digits, u'0')),
                     qPrintable(QString::number(digits)));
        }
    }

    void RightAlignedBoxesLineUpTheirDigits() {
        QWidget form;
        auto* plain = vorla::ui::MakeNumberBox("txtA", {}, &form, {});
        auto* right = vorla::ui::MakeNumberBox("txtB", {}, &form, {.RightAligned = true});
        QVERIFY(!(plain->alignment() & Qt::AlignRight));
        QVERIFY(right->alignment() & Qt::AlignRight);
    }

    void ARowPutsCaptionBoxAndUnitsSideBySide() {
        QWidget form;
        auto* grid = new QGridLayout(&form);
        auto* caption = vorla::ui::MakeLabel("lblArea", "&Floor Area", &form);
        auto* box = vorla::ui::MakeNumberBox("txtArea", {}, &form, {});
        auto* units = vorla::ui::MakeUnitLabel("lblAreaUnits", "m²", &form, "ft²  ");
        vorla::ui::AddRow(grid, 2, caption, box, units, 3);
        QCOMPARE(caption->buddy(), box);
        int row = -1, column = -1, rows = 0, columns = 0;
        grid->getItemPosition(grid->indexOf(box), &row, &column, &rows, &columns);
        QCOMPARE(QList<int>({row, column, rows, columns}), QList<int>({2, 1, 1, 3}));
        grid->getItemPosition(grid->indexOf(units), &row, &column, &rows, &columns);
        QCOMPARE(QList<int>({row, column}), QList<int>({2, 4}));
        // The unit label keeps room for its widest caption.
        QVERIFY(units->minimumWidth() >= units->fontMetrics().horizontalAdvance("ft²  "));
    }
};

QTEST_MAIN(FormBuildersTest)
#include "form_builders_test.moc"
