#pragma once

#include <QAccessibleWidget>

namespace fortunix {

class LinkLabel;

// What assistive technology sees of a link label: a link, named by its accessible name (or
// its caption), described by its accessible description (or, when a short name stands for a
// long caption, by the caption itself), with a press action that follows it.
class LinkLabelAccessible : public QAccessibleWidget {
  public:
    explicit LinkLabelAccessible(LinkLabel* label);

    QString text(QAccessible::Text kind) const override;
    QAccessible::State state() const override;
    QStringList actionNames() const override;
    void doAction(const QString& actionName) override;
    QStringList keyBindingsForAction(const QString& actionName) const override;

  private:
    LinkLabel* label() const;
};

// Makes every link label answer with the interface above; the first LinkLabel calls it.
void InstallLinkLabelAccessibility();

}  // namespace fortunix
