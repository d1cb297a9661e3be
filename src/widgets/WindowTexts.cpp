#include "widgets/WindowTexts.h"

#include <QAbstractButton>
#include <QAction>
#include <QCheckBox>
#include <QCoreApplication>
#include <QGroupBox>
#include <QLabel>
#include <QLayout>
#include <QMenu>
#include <QPushButton>
#include <QRadioButton>
#include <QStyle>
#include <QStyleOption>
#include <QWidget>
#include <algorithm>
#include <cmath>
#include <functional>

#include "widgets/Appearance.h"
#include "widgets/WrappingButton.h"

namespace fortunix {

namespace {

// One text of one object: read it, write it, and the name under which its English is kept.
struct TextSlot {
    QObject* holder;
    const char* role;
    std::function<QString()> read;
    std::function<void(const QString&)> write;
};

void Translate(const TextSlot& slot) {
    const QByteArray englishKey = QByteArray("fortunix.english.") + slot.role;
    const QByteArray shownKey = QByteArray("fortunix.shown.") + slot.role;
    const QString current = slot.read();
    const QVariant shown = slot.holder->property(shownKey.constData());
    // A text set since the last translation is the program's own; it is the new English.
    const QString english = shown.isValid() && shown.toString() == current
                                ? slot.holder->property(englishKey.constData()).toString()
                                : current;
    if (english.isEmpty()) {
        return;
    }
    const QString translated = Translated(english.toUtf8().constData());
    slot.holder->setProperty(englishKey.constData(), english);
    slot.holder->setProperty(shownKey.constData(), translated);
    if (translated != current) {
        slot.write(translated);
    }
}

void TranslateWidget(QWidget* widget) {
    Translate({widget, "accessibleName", [widget] { return widget->accessibleName(); },
               [widget](const QString& text) { widget->setAccessibleName(text); }});
    Translate({widget, "accessibleDescription",
               [widget] { return widget->accessibleDescription(); },
               [widget](const QString& text) { widget->setAccessibleDescription(text); }});
    Translate({widget, "toolTip", [widget] { return widget->toolTip(); },
               [widget](const QString& text) { widget->setToolTip(text); }});
    if (auto* label = qobject_cast<QLabel*>(widget)) {
        Translate({label, "text", [label] { return label->text(); },
                   [label](const QString& text) { label->setText(text); }});
    } else if (auto* button = qobject_cast<QAbstractButton*>(widget)) {
        Translate({button, "text", [button] { return button->text(); },
                   [button](const QString& text) { button->setText(text); }});
    } else if (auto* frame = qobject_cast<QGroupBox*>(widget)) {
        Translate({frame, "title", [frame] { return frame->title(); },
                   [frame](const QString& text) { frame->setTitle(text); }});
    } else if (auto* menu = qobject_cast<QMenu*>(widget)) {
        Translate({menu, "title", [menu] { return menu->title(); },
                   [menu](const QString& text) { menu->setTitle(text); }});
    }
}

// The text a control shows, and the room its style gives it.
QString ShownText(const QWidget* control) {
    if (const auto* label = qobject_cast<const QLabel*>(control)) {
        return label->text();
    }
    if (const auto* frame = qobject_cast<const QGroupBox*>(control)) {
        return frame->title();
    }
    if (const auto* button = qobject_cast<const QAbstractButton*>(control)) {
        return button->text();
    }
    return {};
}

QStyle::SubElement ContentsOf(const QAbstractButton* button) {
    if (qobject_cast<const QCheckBox*>(button) != nullptr) {
        return QStyle::SE_CheckBoxContents;
    }
    return qobject_cast<const QRadioButton*>(button) != nullptr ? QStyle::SE_RadioButtonContents
                                                                : QStyle::SE_PushButtonContents;
}

constexpr char kGrewTaller[] = "fortunix.grewTaller";    // for the language in use
constexpr char kLineValue[] = "fortunix.lineValue";      // on a caption: the value after it
constexpr char kLineCaption[] = "fortunix.lineCaption";  // on a value: the caption before it
constexpr char kEnglishTextHeight[] = "fortunix.englishTextHeight";  // one line of the design

bool IsCommandButton(const QAbstractButton* button) {
    return qobject_cast<const QCheckBox*>(button) == nullptr &&
           qobject_cast<const QRadioButton*>(button) == nullptr;
}

// A caption in a script with taller letters (Chinese, Japanese) may not stand taller than
// the English one its control was laid out for: neighbours and frame titles lie close by.
bool HeldToEnglishHeight(const QWidget* control) {
    const auto* label = qobject_cast<const QLabel*>(control);
    const auto* button = qobject_cast<const QAbstractButton*>(control);
    return control->property(kEnglishTextHeight).isValid() &&
           !(label != nullptr && label->wordWrap()) && !control->property(kGrewTaller).toBool() &&
           !(button != nullptr && IsCommandButton(button));
}

bool NoTallerThanEnglish(const QWidget* control) {
    return !HeldToEnglishHeight(control) ||
           control->fontMetrics().boundingRect(ShownText(control)).height() <=
               control->property(kEnglishTextHeight).toInt();
}

// The room a caption's or button's text has, as its style lays the control out, and the
// rectangle the text needs there.
struct TextPlace {
    QRect room;
    QRect needed;
};

TextPlace PlaceOfText(const QWidget* control) {
    if (const auto* label = qobject_cast<const QLabel*>(control)) {
        const int flags = static_cast<int>(label->alignment()) |
                          (label->wordWrap() ? Qt::TextWordWrap : 0) | Qt::TextShowMnemonic;
        const QRect room = label->contentsRect();
        return {room, label->fontMetrics().boundingRect(room, flags, label->text())};
    }
    const auto* button = qobject_cast<const QAbstractButton*>(control);
    QStyleOptionButton option;
    option.initFrom(button);
    option.text = button->text();
    const QRect room = button->style()->subElementRect(ContentsOf(button), &option, button);
    const bool wraps = qobject_cast<const WrappingButton*>(button) != nullptr;
    const int flags = Qt::AlignCenter | Qt::TextShowMnemonic | (wraps ? Qt::TextWordWrap : 0);
    return {room, button->fontMetrics().boundingRect(room, flags, button->text())};
}

bool TextFits(const QWidget* control) {
    if (const auto* label = qobject_cast<const QLabel*>(control)) {
        const TextPlace text = PlaceOfText(label);
        const QRect inParent = label->parentWidget()->rect().translated(-label->pos());
        return text.room.contains(text.needed) && inParent.contains(text.needed) &&
               NoTallerThanEnglish(label);
    }
    if (const auto* button = qobject_cast<const QAbstractButton*>(control)) {
        const TextPlace text = PlaceOfText(button);
        // A command button's text stands inside the button, away from its neighbours.
        return text.needed.width() <= text.room.width() &&
               text.needed.height() <= text.room.height() && NoTallerThanEnglish(button);
    }
    if (const auto* frame = qobject_cast<const QGroupBox*>(control)) {
        return frame->fontMetrics().horizontalAdvance(frame->title()) < frame->width() &&
               NoTallerThanEnglish(frame);
    }
    return true;
}

// How far `control` may reach: to the right or down, the width or height it may take up to its
// container's edge or the next visible control beside or below it; up, how far its top may rise
// to its container's top or the control above it.
enum class Reach { Right, Down, Up };
int Room(const QWidget* control, Reach reach) {
    const QRect own = control->geometry();
    const QWidget* container = control->parentWidget();
    int edge = reach == Reach::Right  ? container->width()
               : reach == Reach::Down ? container->height()
                                      : 0;
    for (const QObject* child : container->children()) {
        const auto* sibling = qobject_cast<const QWidget*>(child);
        if (sibling == nullptr || sibling == control || !sibling->isVisibleTo(container)) {
            continue;
        }
        const QRect other = sibling->geometry();
        const bool sameRows = other.top() < own.bottom() && other.bottom() > own.top();
        const bool sameColumns = other.left() < own.right() && other.right() > own.left();
        if (reach == Reach::Right && sameRows && other.left() >= own.right()) {
            edge = std::min(edge, other.left() - 1);
        } else if (reach == Reach::Down && sameColumns && other.top() >= own.bottom()) {
            edge = std::min(edge, other.top() - 1);
        } else if (reach == Reach::Up && sameColumns && other.bottom() <= own.top()) {
            edge = std::max(edge, other.bottom() + 1);
        }
    }
    switch (reach) {
        case Reach::Right:
            return edge - own.left();
        case Reach::Down:
            return edge - own.top();
        case Reach::Up:
            break;
    }
    return own.top() - edge;
}

int RoomToTheRight(const QWidget* control) {
    return Room(control, Reach::Right);
}

int RoomBelow(const QWidget* control) {
    return Room(control, Reach::Down);
}

// The height a caption or check box needs for its text at its width.
int TextHeight(const QWidget* control) {
    const TextPlace text = PlaceOfText(control);
    return text.needed.height() + control->height() - text.room.height();
}

// A caption on one line or a check box whose letters stand taller than the English ones
// (Chinese, Japanese) grows to the height of its text where there is room for all of it, and
// keeps its letter size.
void StandTallerWhereThereIsRoom(QWidget* control) {
    // Half up, half down where it can, so that the text stays level with its neighbours.
    const QRect place = control->geometry();
    const int taller = std::max(TextHeight(control) - place.height(), 0);
    const int up = std::clamp(Room(control, Reach::Up), 0, taller / 2);
    if (taller == 0 || place.height() + taller - up <= RoomBelow(control)) {
        control->setGeometry(place.adjusted(0, -up, 0, taller - up));
        control->setProperty(kGrewTaller, true);
    }
}

// About the share of its letter size at which `control`'s text would fit on its line: the width
// and height a line needs grow with the letters. A height is whole pixels, so half a pixel is
// allowed either way. A paragraph breaks its lines anew at each size: no share to go by (1).
double ShareThatFits(const QWidget* control) {
    const auto* label = qobject_cast<const QLabel*>(control);
    const auto* button = qobject_cast<const QAbstractButton*>(control);
    if ((label != nullptr && label->wordWrap()) || qobject_cast<const WrappingButton*>(control)) {
        return 1.0;
    }
    const QFontMetrics metrics = control->fontMetrics();
    const QString text = ShownText(control);
    const auto [room, needed] =  // a frame's title: the width of its text
        label != nullptr || button != nullptr
            ? PlaceOfText(control)
            : TextPlace{control->rect(), QRect(0, 0, metrics.horizontalAdvance(text), 0)};
    const auto share = [](double has, double needs) { return needs > has ? has / needs : 1.0; };
    double least = std::min(share(room.width(), needed.width()),
                            share(room.height() + 0.5, needed.height() - 0.5));
    if (HeldToEnglishHeight(control)) {
        const int english = control->property(kEnglishTextHeight).toInt();
        least = std::min(least, share(english + 0.5, metrics.boundingRect(text).height() - 0.5));
    }
    return least;
}

// The largest letters, a quarter point at a time down to 6 points, in which the text fits. Each
// size tried loads its fonts and measures the text anew, so the search starts at the size the
// text's own measure suggests rather than walking down from the designed size.
void TakeSmallerLetters(QWidget* control) {
    constexpr double kSmallestPoints = 6.0;
    constexpr double kStep = 0.25;
    QFont font = control->font();
    const double designed = font.pointSizeF();
    if (designed <= kSmallestPoints) {
        return;
    }
    const auto fitsAt = [&](double points) {
        font.setPointSizeF(points);
        control->setFont(font);
        return TextFits(control);
    };
    const double mostSteps = std::ceil((designed - kSmallestPoints) / kStep);
    const double guessedSteps = std::ceil(designed * (1 - ShareThatFits(control)) / kStep);
    double points = designed - std::clamp(guessedSteps, 1.0, mostSteps) * kStep;
    if (fitsAt(points)) {
        while (points + kStep < designed && fitsAt(points + kStep)) {
            points += kStep;
        }
        font.setPointSizeF(points);
        control->setFont(font);
        return;
    }
    while (points > kSmallestPoints) {
        points -= kStep;
        if (fitsAt(points)) {
            return;
        }
    }
}

// Keeps the place, letters and wrapping `control` was built with, once, so that each language
// starts from them.
void KeepDesign(QWidget* control) {
    if (control->property("fortunix.designedGeometry").isValid()) {
        return;
    }
    control->setProperty("fortunix.designedGeometry", control->geometry());
    control->setProperty("fortunix.designedFont", control->font());
    if (const auto* label = qobject_cast<const QLabel*>(control)) {
        control->setProperty("fortunix.designedWrap", label->wordWrap());
    }
}

QRect DesignedGeometry(const QWidget* control) {
    const QVariant designed = control->property("fortunix.designedGeometry");
    return designed.isValid() ? designed.toRect() : control->geometry();
}

// The designed distance between the end of a caption and the value after it on its line.
int LineGap(const QWidget* caption, const QWidget* value) {
    const QRect captionBox = DesignedGeometry(caption);
    return DesignedGeometry(value).left() - (captionBox.left() + captionBox.width());
}

// A value after a caption that grew keeps its designed distance from the caption's end, and
// stands as tall as the caption where the caption's letters made it taller.
void FollowCaption(QWidget* value) {
    const auto* caption = value->property(kLineCaption).value<QWidget*>();
    if (caption == nullptr) {
        return;
    }
    const int left = caption->x() + caption->width() + LineGap(caption, value);
    if (left > value->x()) {
        KeepDesign(value);
        value->move(left, value->y());
    }
    if (caption->property(kGrewTaller).toBool() && caption->height() > value->height()) {
        KeepDesign(value);
        value->setGeometry(value->x(), caption->y(), value->width(), caption->height());
    }
}

// How wide a caption with a value after it may grow: as far as the value, moved along, still
// has room on the line. Zero for any other control.
int RoomBeforeValue(const QWidget* caption) {
    const auto* value = caption->property(kLineValue).value<QWidget*>();
    if (value == nullptr) {
        return 0;
    }
    const int valueEnd = value->x() + RoomToTheRight(value);
    return valueEnd - value->width() - LineGap(caption, value) - caption->x();
}

void Fit(QWidget* control) {
    // Each language starts from the design.
    control->setProperty(kGrewTaller, false);
    const QVariant designed = control->property("fortunix.designedGeometry");
    if (designed.isValid()) {
        control->setGeometry(designed.toRect());
        control->setFont(
            InProgramFamilies(control->property("fortunix.designedFont").value<QFont>()));
        if (auto* label = qobject_cast<QLabel*>(control)) {
            label->setWordWrap(control->property("fortunix.designedWrap").toBool());
        }
    }
    FollowCaption(control);
    const bool frame = qobject_cast<QGroupBox*>(control) != nullptr;
    const QVariant english =
        control->property(frame ? "fortunix.english.title" : "fortunix.english.text");
    if (!english.isValid() || english.toString() == ShownText(control)) {
        return;
    }
    if (!control->property(kEnglishTextHeight).isValid()) {
        // The English texts are in the designed font alone: one line of it.
        control->setProperty(kEnglishTextHeight,
                             QFontMetrics(InDesignedFamilies(control->font())).height());
    }
    KeepDesign(control);
    // A paragraph drawn wider than its container breaks its lines at the container's edge.
    if (auto* label = qobject_cast<QLabel*>(control); label != nullptr && label->wordWrap()) {
        const int inside = label->parentWidget()->width() - label->x();
        label->resize(std::min(label->width(), inside), label->height());
    }
    if (auto* caption = qobject_cast<QLabel*>(control);
        (caption != nullptr && !caption->wordWrap()) ||
        qobject_cast<QCheckBox*>(control) != nullptr) {
        // Not an option button: one of a pair stacked close together would stand taller than
        // the other.
        StandTallerWhereThereIsRoom(control);
    }
    if (TextFits(control)) {
        return;
    }
    // A caption with a value after it takes the width its text needs, moving the value along.
    if (auto* label = qobject_cast<QLabel*>(control); label != nullptr && !label->wordWrap()) {
        const int needed = label->width() - label->contentsRect().width() +
                           label->fontMetrics().horizontalAdvance(label->text()) + 1;
        if (needed > label->width() && needed <= RoomBeforeValue(label)) {
            label->resize(needed, label->height());
            if (TextFits(control)) {
                return;
            }
        }
    }
    const int room = RoomToTheRight(control);
    const bool grows = qobject_cast<QLabel*>(control) != nullptr ||
                       qobject_cast<QCheckBox*>(control) != nullptr ||
                       qobject_cast<QRadioButton*>(control) != nullptr;
    if (grows && room > control->width()) {
        control->resize(room, control->height());
        if (TextFits(control)) {
            return;
        }
    }
    if (auto* label = qobject_cast<QLabel*>(control); label != nullptr && !label->wordWrap()) {
        label->setWordWrap(true);
        if (TextFits(control)) {
            return;
        }
        label->setWordWrap(false);
    }
    if (frame) {
        // The frame's letters only: its controls keep theirs.
        for (QWidget* inside : control->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
            inside->setFont(inside->font());
        }
    }
    TakeSmallerLetters(control);
}

// The program's own controls placed by hand in a container without a layout: Qt mirrors what
// layouts place, not these.
bool PlacedByHand(const QWidget* widget) {
    const QWidget* container = widget->parentWidget();
    return container != nullptr && container->layout() == nullptr && !widget->isWindow() &&
           !widget->objectName().isEmpty() && !widget->objectName().startsWith(u"qt_");
}

// Puts every hand-placed control at the mirror image of its place in its container, or back.
void SetMirrored(QWidget* window, bool mirrored) {
    for (QWidget* control : window->findChildren<QWidget*>()) {
        if (!PlacedByHand(control) || control->property("fortunix.mirrored").toBool() == mirrored) {
            continue;
        }
        const QRect place = control->geometry();
        control->move(control->parentWidget()->width() - place.x() - place.width(), place.y());
        control->setProperty("fortunix.mirrored", mirrored);
    }
}

}  // namespace

QString Translated(const char* english) {
    return QCoreApplication::translate(kTextContext, english);
}

void TranslateWindowTexts(QWidget* window) {
    Translate({window, "windowTitle", [window] { return window->windowTitle(); },
               [window](const QString& text) { window->setWindowTitle(text); }});
    TranslateWidget(window);
    for (QWidget* widget : window->findChildren<QWidget*>()) {
        TranslateWidget(widget);
    }
    for (QAction* action : window->findChildren<QAction*>()) {
        if (!action->isSeparator() && !action->menu()) {
            Translate({action, "text", [action] { return action->text(); },
                       [action](const QString& text) { action->setText(text); }});
        }
    }
    FitTranslatedTexts(window);
}

void FitTranslatedTexts(QWidget* window) {
    FollowProgramFamilies(window);
    SetMirrored(window, false);  // fitted in the design's own direction
    for (QWidget* control : window->findChildren<QWidget*>()) {
        if (qobject_cast<QLabel*>(control) != nullptr ||
            qobject_cast<QAbstractButton*>(control) != nullptr ||
            qobject_cast<QGroupBox*>(control) != nullptr) {
            Fit(control);
        }
    }
    // A language written from right to left mirrors the window's places as Qt mirrors layouts.
    SetMirrored(window, window->layoutDirection() == Qt::RightToLeft);
    if (window->layout() != nullptr) {
        window->layout()->activate();  // a menu bar on two lines makes the window taller
    }
}

void KeepOnOneLine(QWidget* caption, QWidget* value) {
    caption->setProperty(kLineValue, QVariant::fromValue(value));
    value->setProperty(kLineCaption, QVariant::fromValue(caption));
}

void PlaceAsDesigned(QWidget* control, const QRect& place) {
    control->setGeometry(place);
    control->setProperty("fortunix.mirrored", false);
}

}  // namespace fortunix
