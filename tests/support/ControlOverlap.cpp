#include "support/ControlOverlap.h"

#include <QDialog>
#include <QGroupBox>
#include <QStackedWidget>
#include <QWidget>
#include <vector>

namespace zamt::test {
namespace {

QString boxText(const QWidget* widget) {
    const QRect r = widget->geometry();
    return QStringLiteral("%1 (%2,%3 %4x%5)")
        .arg(widget->objectName())
        .arg(r.x())
        .arg(r.y())
        .arg(r.width())
        .arg(r.height());
}

// Holders whose children are the window's own controls; a control's own
// children (a combo box's line, a spin box's buttons) are its business.
bool holdsControls(const QWidget* widget) {
    return qobject_cast<const QGroupBox*>(widget) || qobject_cast<const QStackedWidget*>(widget) ||
           qobject_cast<const QDialog*>(widget) ||
           widget->metaObject() == &QWidget::staticMetaObject;
}

void check(QWidget* window, QWidget* holder, QStringList& faults) {
    std::vector<QWidget*> shown;
    for (QWidget* child : holder->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
        if (child->isWindow() || !child->isVisibleTo(window) || child->objectName().isEmpty() ||
            child->objectName().startsWith(QLatin1String("qt_")))
            continue;
        shown.push_back(child);
    }
    for (size_t i = 0; i < shown.size(); ++i) {
        if (!holder->rect().contains(shown[i]->geometry()))
            faults << QStringLiteral("%1 runs out of %2").arg(boxText(shown[i]), boxText(holder));
        for (size_t j = i + 1; j < shown.size(); ++j)
            if (shown[i]->geometry().intersects(shown[j]->geometry()))
                faults << QStringLiteral("%1 runs into %2")
                              .arg(boxText(shown[i]), boxText(shown[j]));
        if (holdsControls(shown[i]))
            check(window, shown[i], faults);
    }
}

} // namespace

QStringList controlsThatOverlap(QWidget* window) {
    QStringList faults;
    check(window, window, faults);
    return faults;
}

} // namespace zamt::test
