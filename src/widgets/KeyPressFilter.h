#pragma once

#include <QObject>
#include <optional>

#include "reading/BirthDataRules.h"

class QKeyEvent;
class QLineEdit;

namespace fortunix {

// The character code a key press types, as the form's key filters judge it: Ctrl with a
// letter gives the letter's control code (Ctrl+V = 22), backspace 8, Enter 13, Escape 27,
// any other key its character. Keys that type no character (arrows, Tab, Delete, Home,
// function keys) give nothing and are never filtered.
std::optional<int> TypedCharacterCode(const QKeyEvent& event);

// Sends every character typed into `box` through `rule` before the box sees it. The rule's
// message, if any, is shown first; a code of 0 discards the key and another code is typed in
// place of the key's own. Text that arrives by other ways (the context menu's Paste, setText)
// is not filtered.
class KeyPressFilter : public QObject {
    Q_OBJECT

  public:
    using Rule = KeyVerdict (*)(int code);

    KeyPressFilter(QLineEdit* box, Rule rule);

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    QLineEdit* box_;
    Rule rule_;
};

}  // namespace fortunix
