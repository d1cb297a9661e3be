#include "widgets/KeyPressFilter.h"

#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QLineEdit>

#include "platform/Platform.h"
#include "widgets/Utf8Text.h"

namespace fortunix {

namespace {

constexpr int kBackspace = 8;
constexpr int kEnter = 13;
constexpr int kEscape = 27;

}  // namespace

bool IsAccessKey(const QKeyEvent& event) {
    const Qt::KeyboardModifiers modifiers = event.modifiers();
    const int key = event.key();
    return modifiers.testFlag(Qt::AltModifier) && !modifiers.testFlag(Qt::ControlModifier) &&
           ((key >= Qt::Key_A && key <= Qt::Key_Z) || (key >= Qt::Key_0 && key <= Qt::Key_9));
}

std::optional<int> TypedCharacterCode(const QKeyEvent& event) {
    if (IsAccessKey(event)) {
        return std::nullopt;
    }
    const Qt::KeyboardModifiers modifiers = event.modifiers();
    const int key = event.key();
    const bool control =
        modifiers.testFlag(Qt::ControlModifier) && !modifiers.testFlag(Qt::AltModifier);
    if (control && key >= Qt::Key_A && key <= Qt::Key_Z) {
        return key - Qt::Key_A + 1;  // Ctrl+A is 1 ... Ctrl+Z is 26
    }
    switch (key) {
        case Qt::Key_Backspace:
            return kBackspace;
        case Qt::Key_Return:
        case Qt::Key_Enter:
            return kEnter;
        case Qt::Key_Escape:
            return kEscape;
        default:
            break;
    }
    const QString text = event.text();
    if (text.isEmpty() || !text.front().isPrint()) {
        return std::nullopt;
    }
    return static_cast<int>(text.front().unicode());
}

KeyPressFilter::KeyPressFilter(QLineEdit* box, Rule rule) : QObject(box), box_(box), rule_(rule) {
    box_->installEventFilter(this);
}

bool KeyPressFilter::eventFilter(QObject* watched, QEvent* event) {
    if (watched != box_) {
        return false;
    }
    if (event->type() == QEvent::KeyPress) {
        return FilterKeyPress(*static_cast<QKeyEvent*>(event));
    }
    if (event->type() == QEvent::InputMethod) {
        FilterCommit(*static_cast<QInputMethodEvent*>(event));
    }
    return false;
}

bool KeyPressFilter::FilterKeyPress(QKeyEvent& event) {
    if (IsAccessKey(event)) {
        event.ignore();  // on to the window and its menus, never typed into the box
        return true;
    }
    const std::optional<int> code = TypedCharacterCode(event);
    if (!code) {
        return false;
    }
    const KeyVerdict verdict = rule_(*code);
    if (verdict.message) {
        Report(*verdict.message);
    }
    if (verdict.code == 0) {
        return true;
    }
    if (verdict.code == *code) {
        return false;  // the box types the key itself
    }
    box_->insert(QString(QChar(verdict.code)));
    return true;
}

void KeyPressFilter::FilterCommit(QInputMethodEvent& event) {
    const QString committed = event.commitString();
    if (committed.isEmpty()) {
        return;
    }
    QString accepted;
    std::optional<RuleFailure> refusal;
    for (const QChar character : committed) {
        const KeyVerdict verdict = rule_(character.unicode());
        if (verdict.message && !refusal) {
            refusal = verdict.message;
        }
        // Enter and backspace have no place inside committed text.
        if (verdict.code != 0 && QChar(verdict.code).isPrint()) {
            accepted.append(QChar(verdict.code));
        }
    }
    if (refusal) {
        Report(*refusal);
    }
    if (accepted != committed) {
        event.setCommitString(accepted, event.replacementStart(), event.replacementLength());
    }
}

void KeyPressFilter::Report(const RuleFailure& refusal) {
    ShowMessage(box_->window(), FromUtf8(refusal.message), refusal.icon);
}

}  // namespace fortunix
