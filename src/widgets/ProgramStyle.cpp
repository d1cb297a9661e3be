#include "widgets/ProgramStyle.h"

#include <QApplication>
#include <QComboBox>
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

void UseProgramStyle() {
    const QStyle* current = QApplication::style();
    if (const auto* program = qobject_cast<const ProgramStyle*>(current)) {
        current = program->baseStyle();
    }
    // A copy of the platform's style for the base: setStyle deletes the style it replaces.
    QApplication::setStyle(new ProgramStyle(QStyleFactory::create(current->name())));
}

}  // namespace fortunix
