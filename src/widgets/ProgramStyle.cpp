#include "widgets/ProgramStyle.h"

#include <QApplication>
#include <QComboBox>
#include <QIconEngine>
#include <QPointer>
#include <QPushButton>
#include <QStyleFactory>
#include <QStyleOption>

namespace fortunix {

namespace {

// A command button or drop-down list whose button colour is not the one the application gives
// its kind.
bool HasOwnButtonColour(const QStyleOption* option, const QWidget* widget) {
    if (qobject_cast<const QPushButton*>(widget) == nullptr &&
        qobject_cast<const QComboBox*>(widget) == nullptr) {
        return false;
    }
    const QColor own = option->palette.color(QPalette::Active, QPalette::Button);
    return own != QApplication::palette(widget).color(QPalette::Active, QPalette::Button);
}

// An icon of a style, asked of the style when it is first drawn or measured. Every menu bar
// asks for the arrow of its button for menus that do not fit as it is made; reading that
// icon's files guesses their format and loads each image plugin of Qt (GIF, ICO, JPEG with
// its library) before the first window, and the button is hidden unless the window is
// narrower than its menus.
class StyleIconOnFirstUse final : public QIconEngine {
  public:
    StyleIconOnFirstUse(QStyle* style, QStyle::StandardPixmap which, const QWidget* widget)
        : style_(style), which_(which), widget_(widget) {}

    void paint(QPainter* painter, const QRect& rect, QIcon::Mode mode,
               QIcon::State state) override {
        Icon().paint(painter, rect, Qt::AlignCenter, mode, state);
    }
    QSize actualSize(const QSize& size, QIcon::Mode mode, QIcon::State state) override {
        return Icon().actualSize(size, mode, state);
    }
    QPixmap pixmap(const QSize& size, QIcon::Mode mode, QIcon::State state) override {
        return Icon().pixmap(size, mode, state);
    }
    QPixmap scaledPixmap(const QSize& size, QIcon::Mode mode, QIcon::State state,
                         qreal scale) override {
        return Icon().pixmap(size, scale, mode, state);
    }
    QList<QSize> availableSizes(QIcon::Mode mode, QIcon::State state) override {
        return Icon().availableSizes(mode, state);
    }
    bool isNull() override { return Icon().isNull(); }
    QIconEngine* clone() const override { return new StyleIconOnFirstUse(*this); }

  private:
    const QIcon& Icon() {
        if (!read_) {
            icon_ = style_ != nullptr ? style_->standardIcon(which_, nullptr, widget_) : QIcon();
            read_ = true;
        }
        return icon_;
    }

    QPointer<QStyle> style_;
    QStyle::StandardPixmap which_;
    QPointer<const QWidget> widget_;
    bool read_ = false;
    QIcon icon_;
};

}  // namespace

ProgramStyle::ProgramStyle(QStyle* platformStyle)
    : QProxyStyle(platformStyle), paletteStyle_(QStyleFactory::create(QStringLiteral("Fusion"))) {
    paletteStyle_->setParent(this);
}

void ProgramStyle::drawControl(ControlElement element, const QStyleOption* option,
                               QPainter* painter, const QWidget* widget) const {
    if (element == CE_PushButton && HasOwnButtonColour(option, widget)) {
        paletteStyle_->drawControl(element, option, painter, widget);
        return;
    }
    QProxyStyle::drawControl(element, option, painter, widget);
}

void ProgramStyle::drawComplexControl(ComplexControl control, const QStyleOptionComplex* option,
                                      QPainter* painter, const QWidget* widget) const {
    if (control == CC_ComboBox && HasOwnButtonColour(option, widget)) {
        paletteStyle_->drawComplexControl(control, option, painter, widget);
        return;
    }
    QProxyStyle::drawComplexControl(control, option, painter, widget);
}

QRect ProgramStyle::subControlRect(ComplexControl control, const QStyleOptionComplex* option,
                                   SubControl subControl, const QWidget* widget) const {
    if (control == CC_ComboBox && HasOwnButtonColour(option, widget)) {
        return paletteStyle_->subControlRect(control, option, subControl, widget);
    }
    return QProxyStyle::subControlRect(control, option, subControl, widget);
}

QIcon ProgramStyle::standardIcon(StandardPixmap icon, const QStyleOption* option,
                                 const QWidget* widget) const {
    if (option == nullptr && (icon == SP_ToolBarHorizontalExtensionButton ||
                              icon == SP_ToolBarVerticalExtensionButton)) {
        return QIcon(new StyleIconOnFirstUse(baseStyle(), icon, widget));
    }
    return QProxyStyle::standardIcon(icon, option, widget);
}

void UseProgramStyle() {
    const QStyle* current = QApplication::style();
    if (const auto* program = qobject_cast<const ProgramStyle*>(current)) {
        current = program->baseStyle();
    }
    // A copy of the platform's style for the base: setStyle deletes the style it replaces.
    QApplication::setStyle(new ProgramStyle(QStyleFactory::create(current->name())));
}

}  // namespace fortunix
