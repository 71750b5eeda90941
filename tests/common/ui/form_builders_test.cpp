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

namespace {

constexpr int kNoLimit = QWIDGETSIZE_MAX;

int Advance(const QString& sample) {
    return QFontMetrics(QLineEdit().font()).horizontalAdvance(sample);
}

} // namespace

class FormBuildersTest : public QObject {
    Q_OBJECT

  private slots:
    // What a user of the builder relies on, as properties of the box made, not
    // the builder's arithmetic again: a box shows its sample whole, padding
    // only widens it, "at most twice" bounds it between its least width and
    // twice that, and a box that keeps its width does not stretch.
    void NumberBoxWidthHasItsBounds() {
        const QString eight = "00000000";
        const auto made = [](const NumberBoxWidth& width, QWidget* form) {
            return vorla::ui::MakeNumberBox("txtArea", "Must be positive", form, width, "12");
        };
        QWidget form;
        auto* unbounded = made({}, &form);
        QCOMPARE(unbounded->objectName(), QString("txtArea"));
        QCOMPARE(unbounded->toolTip(), QString("Must be positive"));
        QCOMPARE(unbounded->text(), QString("12"));
        QCOMPARE(unbounded->minimumWidth(), 0);
        QCOMPARE(unbounded->maximumWidth(), kNoLimit);
        QVERIFY(unbounded->sizePolicy().horizontalPolicy() != QSizePolicy::Fixed);

        auto* atLeast = made({.AtLeast = eight}, &form);
        QVERIFY(atLeast->minimumWidth() >= Advance(eight));
        QCOMPARE(atLeast->maximumWidth(), kNoLimit);

        auto* padded = made({.AtLeast = eight, .Padding = 16}, &form);
        QVERIFY(padded->minimumWidth() > atLeast->minimumWidth());
        QCOMPARE(padded->maximumWidth(), kNoLimit);

        auto* twice = made({.AtLeast = eight, .Padding = 16, .AtMostTwiceAtLeast = true}, &form);
        QCOMPARE(twice->minimumWidth(), padded->minimumWidth());
        QVERIFY(twice->maximumWidth() > twice->minimumWidth());
        QVERIFY(twice->maximumWidth() <= 2 * twice->minimumWidth());

        auto* atMost = made({.AtMost = eight}, &form);
        QCOMPARE(atMost->minimumWidth(), 0);
        QVERIFY(atMost->maximumWidth() >= Advance(eight));
        QVERIFY(atMost->maximumWidth() < kNoLimit);

        auto* kept = made({.AtLeastDigits = 3, .KeepsItsWidth = true}, &form);
        QVERIFY(kept->minimumWidth() >= Advance("000"));
        QCOMPARE(kept->sizePolicy().horizontalPolicy(), QSizePolicy::Fixed);
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
