#pragma once

#include <QAccessible>
#include <QList>
#include <QString>
#include <QWidget>

namespace fortunix::a11ytests {

// Everything assistive technology can reach below `window`, found as a screen reader finds
// it: through the accessibility interfaces, child by child.
inline QList<QAccessibleInterface*> AccessibleDescendants(QWidget* window) {
    QList<QAccessibleInterface*> found;
    QList<QAccessibleInterface*> pending = {QAccessible::queryAccessibleInterface(window)};
    while (!pending.isEmpty()) {
        QAccessibleInterface* node = pending.takeFirst();
        if (node == nullptr) {
            continue;
        }
        for (int index = 0; index < node->childCount(); ++index) {
            QAccessibleInterface* child = node->child(index);
            found.append(child);
            pending.append(child);
        }
    }
    return found;
}

// The interfaces below `window` whose accessible name is `name`.
inline QList<QAccessibleInterface*> AccessibleNamed(QWidget* window, const QString& name) {
    QList<QAccessibleInterface*> named;
    for (QAccessibleInterface* node : AccessibleDescendants(window)) {
        if (node != nullptr && node->text(QAccessible::Name) == name) {
            named.append(node);
        }
    }
    return named;
}

}  // namespace fortunix::a11ytests
