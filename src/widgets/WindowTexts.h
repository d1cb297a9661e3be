#pragma once

#include <QRect>
#include <QString>

class QWidget;

namespace fortunix {

// The context under which the windows' texts are translated (lupdate: QT_TRANSLATE_NOOP).
inline constexpr char kTextContext[] = "Fortunix";

// `english` in the language the program speaks now.
QString Translated(const char* english);

// Puts every text `window` was built with into the language the program speaks: captions,
// frame titles, menus and their items, tool tips and the names and descriptions a screen
// reader speaks. Each control keeps its English text, so that the next language starts from
// it; a text the program has set since (a result, a place) is taken as it now stands. The
// windows call it when they are built and at every QEvent::LanguageChange.
void TranslateWindowTexts(QWidget* window);

// Where a translated text is longer than the English one its control was laid out for, the
// control first grows into the free room beside it, a caption then wraps onto a second line
// where there is height for it, and last its letters grow smaller until the whole text
// shows. A control whose text is the English one keeps its designed place and font. In a
// language written from right to left the controls then take the mirror image of their places.
// Called by TranslateWindowTexts.
void FitTranslatedTexts(QWidget* window);

// A caption and the value after it on one line ("Part Of Fortune :-  21º Gemini"): where the
// caption's text needs more width than its box, the caption widens and the value moves
// right, keeping the designed distance, both at their designed letter size, as far as the
// value still has room on the line.
void KeepOnOneLine(QWidget* caption, QWidget* value);

// Places `control` at `place`, given as the design draws it from left to right; the next
// TranslateWindowTexts mirrors it with the rest where the language runs right to left.
void PlaceAsDesigned(QWidget* control, const QRect& place);

}  // namespace fortunix
