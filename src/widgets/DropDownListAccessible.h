#pragma once

#include <QAccessibleWidget>

class QComboBox;

namespace fortunix {

// What assistive technology sees of a drop-down list (a combo box the user cannot type
// into): named by its accessible name on every platform, with its chosen entry as value and
// its entries as the one child. Qt names such a list after its chosen entry on Linux and
// expects a caption to point at it; the program's lists share their captions ("Date of
// Birth" stands before three of them), so each carries its own name instead.
class DropDownListAccessible : public QAccessibleWidget {
  public:
    explicit DropDownListAccessible(QComboBox* list);

    QString text(QAccessible::Text kind) const override;
    int childCount() const override;
    QAccessibleInterface* child(int index) const override;
    int indexOfChild(const QAccessibleInterface* child) const override;
    QStringList actionNames() const override;
    void doAction(const QString& actionName) override;
    QStringList keyBindingsForAction(const QString& actionName) const override;

  private:
    QComboBox* list() const;
};

// Makes every drop-down list answer with the interface above; lists the user can type into
// keep Qt's own. The program's windows call it before they create their first list.
void InstallDropDownListAccessibility();

}  // namespace fortunix
