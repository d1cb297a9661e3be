#include "widgets/LinkLabelAccessible.h"

#include "widgets/LinkLabel.h"

namespace fortunix {

namespace {

QAccessibleInterface* LinkLabelAccessibleFactory(const QString&, QObject* object) {
    if (auto* label = qobject_cast<LinkLabel*>(object)) {
        return new LinkLabelAccessible(label);
    }
    return nullptr;
}

}  // namespace

LinkLabelAccessible::LinkLabelAccessible(LinkLabel* label)
    : QAccessibleWidget(label, QAccessible::Link) {}

LinkLabel* LinkLabelAccessible::label() const {
    return static_cast<LinkLabel*>(widget());
}

QString LinkLabelAccessible::text(QAccessible::Text kind) const {
    const QString name = label()->accessibleName();
    switch (kind) {
        case QAccessible::Name:
            return name.isEmpty() ? label()->text() : name;
        case QAccessible::Description: {
            const QString description = label()->accessibleDescription();
            if (!description.isEmpty() || name.isEmpty() || name == label()->text()) {
                return description;
            }
            return label()->text();
        }
        default:
            return QAccessibleWidget::text(kind);
    }
}

QAccessible::State LinkLabelAccessible::state() const {
    QAccessible::State state = QAccessibleWidget::state();
    state.linked = true;
    return state;
}

QStringList LinkLabelAccessible::actionNames() const {
    return {pressAction()};
}

void LinkLabelAccessible::doAction(const QString& actionName) {
    if (actionName == pressAction() && label()->isEnabled()) {
        label()->click();
    }
}

QStringList LinkLabelAccessible::keyBindingsForAction(const QString&) const {
    return {};
}

void InstallLinkLabelAccessibility() {
    static const bool installed = [] {
        QAccessible::installFactory(LinkLabelAccessibleFactory);
        return true;
    }();
    (void)installed;
}

}  // namespace fortunix
