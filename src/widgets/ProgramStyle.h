#pragma once

#include <QProxyStyle>

namespace fortunix {

// The style of every window: the platform's own, except for a command button or a drop-down
// list whose background colour differs from the platform's. The Windows styles draw every
// command button and drop-down list in the theme's colours and ignore the palette; such a
// control is drawn by the Fusion style instead, which fills it with its palette's colour and
// keeps the focus frame, the pressed look and the arrow. Its size and text come from the
// platform's style as before.
class ProgramStyle final : public QProxyStyle {
    Q_OBJECT

  public:
    // Takes ownership of `platformStyle`.
    explicit ProgramStyle(QStyle* platformStyle);

    void drawControl(ControlElement element, const QStyleOption* option, QPainter* painter,
                     const QWidget* widget) const override;
    void drawComplexControl(ComplexControl control, const QStyleOptionComplex* option,
                            QPainter* painter, const QWidget* widget) const override;
    // Where a coloured drop-down list's text and arrow lie, as its painter draws them.
    QRect subControlRect(ComplexControl control, const QStyleOptionComplex* option,
                         SubControl subControl, const QWidget* widget) const override;
    // The arrows of the button for what does not fit in a menu bar or tool bar are read from
    // the platform's style when the button first shows them; the other icons at once.
    QIcon standardIcon(StandardPixmap icon, const QStyleOption* option,
                       const QWidget* widget) const override;

  private:
    QStyle* paletteStyle_;  // the Fusion style, a child of this one
};

// Gives the application the program's style over the style it has chosen for the platform.
void UseProgramStyle();

}  // namespace fortunix
