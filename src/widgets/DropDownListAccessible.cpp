#include "widgets/DropDownListAccessible.h"

#include <QAbstractItemView>
#include <QComboBox>
#include <QItemSelectionModel>

namespace fortunix {

namespace {

// Whether the list of entries has been made: Qt makes it when something first asks for it, the
// opening of the list or a screen reader looking at the entries, and it takes a good part of
// a millisecond for each list.
bool HasEntryList(const QComboBox* list) {
    return list->findChild<QAbstractItemView*>() != nullptr;
}

// The chosen entry, selected in the list of entries as the open list shows it.
void SelectChosenEntry(QComboBox* list) {
    QAbstractItemView* view = list->view();
    if (view == nullptr || view->selectionModel() == nullptr) {
        return;
    }
    view->selectionModel()->setCurrentIndex(
        list->model()->index(list->currentIndex(), list->modelColumn(), list->rootModelIndex()),
        QItemSelectionModel::ClearAndSelect);
}

// Keeps assistive technology up to date with the chosen entry: selected among the entries
// once they are made (child() selects it when it makes them), and its text announced as
// changed.
void FollowChosenEntry(QComboBox* list) {
    if (HasEntryList(list)) {
        SelectChosenEntry(list);
    }
    QObject::connect(list, &QComboBox::currentTextChanged, list,
                     [list, shown = list->currentText()](const QString& chosen) mutable {
                         if (HasEntryList(list)) {
                             SelectChosenEntry(list);
                         }
                         QAccessibleTextUpdateEvent event(list, 0, shown, chosen);
                         QAccessible::updateAccessibility(&event);
                         shown = chosen;
                     });
}

QAccessibleInterface* DropDownListAccessibleFactory(const QString&, QObject* object) {
    auto* list = qobject_cast<QComboBox*>(object);
    if (list != nullptr && !list->isEditable()) {
        FollowChosenEntry(list);
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

void* DropDownListAccessible::interface_cast(QAccessible::InterfaceType type) {
    if (type == QAccessible::TextInterface) {
        return static_cast<QAccessibleTextInterface*>(this);
    }
    return QAccessibleWidget::interface_cast(type);
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

// The list of entries is made on demand, so there is always one.
int DropDownListAccessible::childCount() const {
    return 1;
}

QAccessibleInterface* DropDownListAccessible::child(int index) const {
    if (index != 0 || list()->view() == nullptr) {
        return nullptr;
    }
    SelectChosenEntry(list());
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

QString DropDownListAccessible::text(int startOffset, int endOffset) const {
    const QString chosen = list()->currentText();
    const int start = qBound(0, startOffset, static_cast<int>(chosen.size()));
    const int end = endOffset < 0 ? static_cast<int>(chosen.size())
                                  : qBound(start, endOffset, static_cast<int>(chosen.size()));
    return chosen.mid(start, end - start);
}

int DropDownListAccessible::characterCount() const {
    return static_cast<int>(list()->currentText().size());
}

int DropDownListAccessible::cursorPosition() const {
    return 0;
}

void DropDownListAccessible::setCursorPosition(int) {}

void DropDownListAccessible::selection(int, int* startOffset, int* endOffset) const {
    *startOffset = 0;
    *endOffset = 0;
}

int DropDownListAccessible::selectionCount() const {
    return 0;
}

void DropDownListAccessible::addSelection(int, int) {}

void DropDownListAccessible::removeSelection(int) {}

void DropDownListAccessible::setSelection(int, int, int) {}

// The whole box stands for every character: the entry is drawn by the style, not laid out
// character by character.
QRect DropDownListAccessible::characterRect(int) const {
    return rect();
}

int DropDownListAccessible::offsetAtPoint(const QPoint& point) const {
    return rect().contains(point) ? 0 : -1;
}

void DropDownListAccessible::scrollToSubstring(int, int) {}

QString DropDownListAccessible::attributes(int, int* startOffset, int* endOffset) const {
    *startOffset = 0;
    *endOffset = characterCount();
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
