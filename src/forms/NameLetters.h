#pragma once

#include <QString>

#include "reading/BirthDataRules.h"

namespace fortunix {

// The name box's rule for one typed character (a Unicode code point) when the program speaks
// `language`. In English it is the designed one: A to Z, in capitals. In any other language a
// reader types her name in her own script: a letter of any script is taken, with the marks
// that complete letters (Devanagari vowel signs, Arabic vowel marks, accents typed apart) and
// the joiners that some scripts need between them, in capitals where its script has them
// (Turkish i becomes İ). Digits and punctuation of every script are refused as in English;
// space, Enter and backspace are taken.
KeyVerdict FilterNameKeyIn(const QString& language, int code);

// The rule in the language the program speaks now; the main window's name box applies it.
KeyVerdict FilterNameKeyInUse(int code);

}  // namespace fortunix
