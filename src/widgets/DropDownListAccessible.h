#pragma once

#include <QAccessibleWidget>

class QComboBox;

namespace fortunix {

// What assistive technology sees of a drop-down list (a combo box the user cannot type
// into): named by its accessible name on every platform, with its chosen entry as value and
// as read-only text, and its entries as the one child, the chosen one selected. Qt names such
// a list after its chosen entry on Linux and expects a caption to point at it; the program's
// lists share their captions ("Date of Birth" stands before three of them), so each carries
// its own name, and a screen reader reads the chosen entry from the text ("Month of birth,
// combo box, March").
class DropDownListAccessible : public QAccessibleWidget, public QAccessibleTextInterface {
  public:
    explicit DropDownListAccessible(QComboBox* list);

    void* interface_cast(QAccessible::InterfaceType type) override;
    QString text(QAccessible::Text kind) const override;
    int childCount() const override;
    QAccessibleInterface* child(int index) const override;
    int indexOfChild(const QAccessibleInterface* child) const override;
    QStringList actionNames() const override;
    void doAction(const QString& actionName) override;
    QStringList keyBindingsForAction(const QString& actionName) const override;

    // The chosen entry as text that cannot be selected or edited.
    QString text(int startOffset, int endOffset) const override;
    int characterCount() const override;
    int cursorPosition() const override;
    void setCursorPosition(int position) override;
    void selection(int selectionIndex, int* startOffset, int* endOffset) const override;
    int selectionCount() const override;
    void addSelection(int startOffset, int endOffset) override;
    void removeSelection(int selectionIndex) override;
    void setSelection(int selectionIndex, int startOffset, int endOffset) override;
    QRect characterRect(int offset) const override;
    int offsetAtPoint(const QPoint& point) const override;
    void scrollToSubstring(int startIndex, int endIndex) override;
    QString attributes(int offset, int* startOffset, int* endOffset) const override;

  private:
    QComboBox* list() const;
};

// Makes every drop-down list answer with the interface above; lists the user can type into
// keep Qt's own. The program's windows call it before they create their first list.
void InstallDropDownListAccessibility();

}  // namespace fortunix
