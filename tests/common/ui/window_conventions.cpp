#include "tests/common/ui/window_conventions.h"

#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QWidget>
#include <algorithm>
#include <vector>

namespace vorla::test_support {
namespace {

// Controls whose tops differ by no more than this stand in one row.
constexpr int kRowTolerance = 4;

bool TabReaches(const QWidget& window, const QWidget& widget) {
    return (widget.focusPolicy() & Qt::TabFocus) && widget.isVisibleTo(&window) &&
           !widget.objectName().startsWith("qt_");
}

std::vector<QWidget*> ChainOf(const QWidget& window) {
    std::vector<QWidget*> chain;
    for (QWidget* widget = window.nextInFocusChain(); widget != &window;
         widget = widget->nextInFocusChain()) {
        if (widget->window() == &window && TabReaches(window, *widget)) {
            chain.push_back(widget);
        }
    }
    return chain;
}

// The containers from the window down to the widget: the widget's frames
// (group boxes), outermost first, then the widget itself.
std::vector<const QWidget*> ReadingPath(const QWidget& window, const QWidget* widget) {
    std::vector<const QWidget*> path{widget};
    for (const QWidget* parent = widget->parentWidget(); parent && parent != &window;
         parent = parent->parentWidget()) {
        if (qobject_cast<const QGroupBox*>(parent)) {
            path.insert(path.begin(), parent);
        }
    }
    return path;
}

// -1, 0 or 1 as `a` comes before, beside or after `b` when reading the window.
int CompareReading(const QWidget& window, const QWidget* a, const QWidget* b) {
    const QPoint topLeftA = a->mapTo(&window, QPoint(0, 0));
    const QPoint topLeftB = b->mapTo(&window, QPoint(0, 0));
    if (std::abs(topLeftA.y() - topLeftB.y()) > kRowTolerance) {
        return topLeftA.y() < topLeftB.y() ? -1 : 1;
    }
    if (topLeftA.x() != topLeftB.x()) {
        return topLeftA.x() < topLeftB.x() ? -1 : 1;
    }
    return 0;
}

bool ReadBefore(const QWidget& window, const QWidget* a, const QWidget* b) {
    const auto pathA = ReadingPath(window, a);
    const auto pathB = ReadingPath(window, b);
    for (std::size_t level = 0; level < std::min(pathA.size(), pathB.size()); ++level) {
        if (pathA[level] == pathB[level]) {
            continue;
        }
        return CompareReading(window, pathA[level], pathB[level]) < 0;
    }
    return pathA.size() < pathB.size();
}

QString NameOf(const QWidget* widget) {
    return widget->objectName().isEmpty()
               ? QString("(a %1 without a name)").arg(widget->metaObject()->className())
               : widget->objectName();
}

} // namespace

QStringList TabChain(const QWidget& window) {
    QStringList names;
    for (const QWidget* widget : ChainOf(window)) {
        names << NameOf(widget);
    }
    return names;
}

QStringList WindowConventionProblems(const QWidget& window,
                                     const ConventionExceptions& exceptions) {
    QStringList problems;
    auto chain = ChainOf(window);
    for (const QWidget* widget : chain) {
        if (widget->objectName().isEmpty()) {
            problems << NameOf(widget) + " has no object name";
        }
    }

    QList<const QWidget*> buddies;
    for (const QLabel* label : window.findChildren<QLabel*>()) {
        if (label->buddy() != nullptr) {
            buddies << label->buddy();
        }
    }
    for (const QLineEdit* box : window.findChildren<QLineEdit*>()) {
        if (box->window() != &window || !box->isVisibleTo(&window) ||
            box->objectName().startsWith("qt_")) {
            continue;
        }
        const QString name = NameOf(box);
        if (!buddies.contains(box) && !exceptions.WithoutBuddy.contains(name)) {
            problems << name + " has no caption label as its buddy";
        }
        if (box->toolTip().isEmpty() && !exceptions.WithoutToolTip.contains(name)) {
            problems << name + " has no tool tip";
        }
    }

    // Tab goes round: the chain is read from the control that comes first on
    // the window, wherever the window itself stands in it.
    if (!chain.empty()) {
        const auto first = std::min_element(
            chain.begin(), chain.end(),
            [&window](const QWidget* a, const QWidget* b) { return ReadBefore(window, a, b); });
        std::rotate(chain.begin(), first, chain.end());
    }
    for (std::size_t k = 1; k < chain.size(); ++k) {
        if (ReadBefore(window, chain[k], chain[k - 1])) {
            problems << QString("Tab goes from %1 to %2, which comes before it on the window")
                            .arg(NameOf(chain[k - 1]), NameOf(chain[k]));
        }
    }
    return problems;
}

} // namespace vorla::test_support
