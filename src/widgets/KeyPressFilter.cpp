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

QString OneCharacter(int code) {
    const auto character = static_cast<char32_t>(code);
    return QString::fromUcs4(&character, 1);
}

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
    const QList<uint> characters = text.toUcs4();  // a letter beyond U+FFFF is one character
    if (characters.isEmpty() || !QChar::isPrint(characters.front())) {
        return std::nullopt;
    }
    return static_cast<int>(characters.front());
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
    box_->insert(OneCharacter(verdict.code));
    return true;
}

void KeyPressFilter::FilterCommit(QInputMethodEvent& event) {
    const QString committed = event.commitString();
    if (committed.isEmpty()) {
        return;
    }
    QString accepted;
    std::optional<RuleFailure> refusal;
    for (const uint character : committed.toUcs4()) {
        const KeyVerdict verdict = rule_(static_cast<int>(character));
        if (verdict.message && !refusal) {
            refusal = verdict.message;
        }
        // Enter and backspace have no place inside committed text.
        const auto kept = static_cast<char32_t>(verdict.code);
        if (kept != 0 && QChar::category(kept) != QChar::Other_Control) {
            accepted.append(OneCharacter(verdict.code));
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
