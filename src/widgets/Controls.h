#pragma once

#include <QColor>
#include <QString>
#include <optional>

#include "widgets/Twips.h"

class QButtonGroup;
class QCheckBox;
class QComboBox;
class QFrame;
class QGroupBox;
class QIcon;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QRadioButton;
class QWidget;

namespace fortunix {

class LinkLabel;

// The one way the windows build their controls. Each factory creates a control in
// `container`, gives it its design name and its rectangle in twips (Place), and the look
// that every control of its kind has in this program; the window sets what is its own
// (fonts, alignment, accessible names) on the control it gets back.

// A control's own colours; a colour left out is the one the control takes from its container.
struct ControlColours {
    std::optional<QColor> background;
    std::optional<QColor> text;
};

// A frame without border: a coloured panel that holds other controls.
QWidget* Panel(QWidget* container, const char* name, const TwipsBox& box, const QColor& background);

// A frame with its caption on the border.
QGroupBox* Frame(QWidget* container, const char* name, const QString& caption, const TwipsBox& box,
                 const ControlColours& colours = {});

// A one-line caption.
QLabel* Label(QWidget* container, const char* name, const QString& text, const TwipsBox& box,
              const ControlColours& colours = {});

// Text wrapped at word boundaries, from the top left corner of its box.
QLabel* Paragraph(QWidget* container, const char* name, const QString& text, const TwipsBox& box,
                  const ControlColours& colours = {});

// A picture box showing `icon` at the size of its box.
QLabel* Picture(QWidget* container, const char* name, const QIcon& icon, const TwipsBox& box);

// A link label (centred, bold and underlined, hand pointer); the window connects `clicked`.
LinkLabel* Link(QWidget* container, const char* name, const QString& text, const TwipsBox& box,
                const ControlColours& colours = {});

// A one-line text box, empty, without a length limit.
QLineEdit* TextBox(QWidget* container, const char* name, const TwipsBox& box,
                   const ControlColours& colours = {});

// A text box of several lines.
QPlainTextEdit* MultiLineTextBox(QWidget* container, const char* name, const TwipsBox& box);

// A list to pick from that cannot be typed into, showing twelve entries when it drops down.
QComboBox* DropDownList(QWidget* container, const char* name, const TwipsBox& box,
                        const ControlColours& colours = {});

// A check box. On a background of its own, the box to tick stays white.
QCheckBox* CheckBox(QWidget* container, const char* name, const QString& text, const TwipsBox& box,
                    const ControlColours& colours = {});

// Element `index` of the option-button array `array`, named after the array with the index
// after an underscore ("optLat_1"). On a background of its own, the circle stays white.
QRadioButton* OptionButton(QWidget* container, QButtonGroup* array, int index, const QString& text,
                           const TwipsBox& box, const ControlColours& colours = {});

// Tab stops at the chosen button of an option array only, as on Windows; the arrow keys move
// the choice within the array.
void TabStopOnChosenOption(QButtonGroup* array);

// A command button. Enter presses the command button that has the focus, as on Windows.
QPushButton* CommandButton(QWidget* container, const char* name, const QString& caption,
                           const TwipsBox& box, const ControlColours& colours = {});

// The same, with a caption that wraps at word boundaries (for a tall narrow button).
QPushButton* WrappingCommandButton(QWidget* container, const char* name, const QString& caption,
                                   const TwipsBox& box, const ControlColours& colours = {});

// A sunken horizontal line.
QFrame* HorizontalRule(QWidget* container, const char* name, const TwipsBox& box);

}  // namespace fortunix
