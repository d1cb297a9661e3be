#pragma once

#include <QColor>
#include <QFont>
#include <QIcon>
#include <QLocale>

class QWidget;

namespace fortunix {

// The program's colours.
inline const QColor kSkyBlue{96, 211, 232};    // input panel, result window, about box
inline const QColor kMintGreen{82, 222, 152};  // strips, frames and the other inputs
inline const QColor kVioletText{90, 35, 220};  // input text, units and link labels
inline const QColor kNavyText{0, 0, 128};      // latitude and longitude boxes
inline const QColor kDarkGreen{0, 100, 0};     // product description
inline const QColor kInstructionBlue{0, 0, 255};
inline const QColor kFocusNavy{0, 0, 128};  // focus frames and selected text

// Verdana where the system has it, else the closest sans-serif (DejaVu Sans descends from
// Verdana's sibling, Bitstream Vera). In Chinese and Japanese, the system's own interface font
// for the language where it has one.
QFont ProgramFont(double pointSize = 8.25, bool bold = false, bool underline = false);

// Makes ProgramFont write in the letters `language` needs, from now on.
void UseFamiliesFor(QLocale::Language language);

// `font` in the families of the language in use, if it is in those of another; its size and
// style stay.
QFont InProgramFamilies(QFont font);

// `font` in the designed families, the English windows' own, if it is in the program's.
QFont InDesignedFamilies(QFont font);

// The window and its controls written in the program's families move to the language's.
void FollowProgramFamilies(QWidget* window);

// The product icon, in every size the desktop asks for.
inline constexpr int kProgramIconSizes[] = {16, 24, 32, 48, 64, 128, 256};
QIcon ProgramIcon();

// Solid background of a widget through its palette.
void SetBackground(QWidget* widget, const QColor& colour);
void SetTextColour(QWidget* widget, const QColor& colour);

// Focus frames and selections of a window and its controls in navy. The style draws the
// focus frame from the highlight colour, and its default blue is hard to tell from the
// program's own blues and greens.
void SetFocusColour(QWidget* window);

}  // namespace fortunix
