#pragma once

#include <QObject>
#include <optional>

#include "reading/BirthDataRules.h"

class QInputMethodEvent;
class QKeyEvent;
class QLineEdit;

namespace fortunix {

// Alt with a letter or a digit: an access key, which chooses a menu or a control and types
// nothing. Ctrl+Alt is not one: on Windows it stands for AltGr, which types characters.
bool IsAccessKey(const QKeyEvent& event);

// The character code a key press types, as the form's key filters judge it: Ctrl with a
// letter gives the letter's control code (Ctrl+V = 22), backspace 8, Enter 13, Escape 27,
// any other key its character. Keys that type no character (arrows, Tab, Delete, Home,
// function keys, access keys) give nothing and are never filtered.
std::optional<int> TypedCharacterCode(const QKeyEvent& event);

// Sends every character typed into `box` through `rule` before the box sees it, and every
// character that an input method (dead keys, compose, an IME) commits to it. The rule's
// message, if any, is shown first (once for a whole commit); a code of 0 discards the
// character and another code is typed in its place. Access keys go on to the window without
// typing anything. Text that arrives by other ways (the context menu's Paste, setText) is
// not filtered.
class KeyPressFilter : public QObject {
    Q_OBJECT

  public:
    using Rule = KeyVerdict (*)(int code);

    KeyPressFilter(QLineEdit* box, Rule rule);

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    bool FilterKeyPress(QKeyEvent& event);
    void FilterCommit(QInputMethodEvent& event);
    void Report(const RuleFailure& refusal);

    QLineEdit* box_;
    Rule rule_;
};

}  // namespace fortunix
