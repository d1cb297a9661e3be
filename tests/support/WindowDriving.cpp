#include "support/WindowDriving.h"

#include <QApplication>
#include <QKeyEvent>
#include <QMenu>

namespace fortunix::test_support {

void TypeKey(QWidget* control, Qt::Key key, const QString& text) {
    QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier, text);
    QApplication::sendEvent(control, &press);
}

QMenu* OpenMenu(QWidget* window, const char* name) {
    auto* menu = Child<QMenu>(window, name);
    emit menu->aboutToShow();
    menu->popup(window->mapToGlobal(QPoint(0, 0)));
    return menu;
}

void CloseMenus() {
    for (QWidget* window : QApplication::topLevelWidgets()) {
        if (auto* menu = qobject_cast<QMenu*>(window)) {
            menu->hide();
        }
    }
}

}  // namespace fortunix::test_support
