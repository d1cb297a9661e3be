#include "widgets/KeyPressFilter.h"

#include <QKeyEvent>
#include <QLineEdit>

#include "platform/Platform.h"

namespace fortunix {

namespace {

constexpr int kBackspace = 8;
constexpr int kEnter = 13;
constexpr int kEscape = 27;

}  // namespace

std::optional<int> TypedCharacterCode(const QKeyEvent& event) {
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
    if (watched != box_ || event->type() != QEvent::KeyPress) {
        return false;
    }
    const std::optional<int> code = TypedCharacterCode(*static_cast<QKeyEvent*>(event));
    if (!code) {
        return false;
    }
    const KeyVerdict verdict = rule_(*code);
    if (verdict.message) {
        const std::string_view text = verdict.message->message;
        ShowMessage(box_->window(),
                    QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())),
                    verdict.message->icon);
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

}  // namespace fortunix
