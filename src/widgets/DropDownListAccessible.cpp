#include "widgets/DropDownListAccessible.h"

#include <QAbstractItemView>
#include <QComboBox>

namespace fortunix {

namespace {

QAccessibleInterface* DropDownListAccessibleFactory(const QString&, QObject* object) {
    auto* list = qobject_cast<QComboBox*>(object);
    if (list != nullptr && !list->isEditable()) {
        return new DropDownListAccessible(list);
    }
    return nullptr;
}

}  // namespace

DropDownListAccessible::DropDownListAccessible(QComboBox* list)
    : QAccessibleWidget(list, QAccessible::ComboBox) {}

QComboBox* DropDownListAccessible::list() const {
    return static_cast<QComboBox*>(widget());
}

QString DropDownListAccessible::text(QAccessible::Text kind) const {
    switch (kind) {
        case QAccessible::Name: {
            const QString name = list()->accessibleName();
            return name.isEmpty() ? list()->currentText() : name;
        }
        case QAccessible::Value:
            return list()->currentText();
        default:
            return QAccessibleWidget::text(kind);
    }
}

int DropDownListAccessible::childCount() const {
    return list()->view() != nullptr ? 1 : 0;
}

QAccessibleInterface* DropDownListAccessible::child(int index) const {
    if (index != 0 || list()->view() == nullptr) {
        return nullptr;
    }
    return QAccessible::queryAccessibleInterface(list()->view());
}

int DropDownListAccessible::indexOfChild(const QAccessibleInterface* child) const {
    return child != nullptr && child->object() == list()->view() ? 0 : -1;
}

QStringList DropDownListAccessible::actionNames() const {
    return {showMenuAction(), pressAction()};
}

// Both open the list, or close it when it is open, as a click on the arrow does.
void DropDownListAccessible::doAction(const QString& actionName) {
    if (actionName != showMenuAction() && actionName != pressAction()) {
        return;
    }
    if (list()->view()->isVisible()) {
        list()->hidePopup();
    } else {
        list()->showPopup();
    }
}

QStringList DropDownListAccessible::keyBindingsForAction(const QString& actionName) const {
    if (actionName == showMenuAction() || actionName == pressAction()) {
        return {QKeySequence(Qt::AltModifier | Qt::Key_Down).toString(QKeySequence::NativeText)};
    }
    return {};
}

void InstallDropDownListAccessibility() {
    static const bool installed = [] {
        QAccessible::installFactory(DropDownListAccessibleFactory);
        return true;
    }();
    (void)installed;
}

}  // namespace fortunix
