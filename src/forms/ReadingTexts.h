#pragma once

#include <QString>

namespace fortunix {

// The texts of the engines in the language the program speaks, where a window shows them. The
// engines hold them in English, marked FORTUNIX_TRANSLATABLE; English shows them unchanged.

// The name of sign `signIndex` (0 = Aries ... 11 = Pisces): "Zwillinge" for 2 in German.
QString SignName(int signIndex);

// A whole-degree longitude as the caption writes it: the degree within its sign, "º" and the
// sign's name, "21º Zwillinge"; in English the engine's own caption, "21º Gemini".
QString DegreeInSignCaption(int degrees);

// The interpretation paragraph of sign `signIndex`.
QString InterpretationParagraphText(int signIndex);

// The zone list's text of row `row` of the time-zone table: the zone's name in the language,
// its abbreviation and offset as they are ("Mitteleuropäische Zeit,CET,+1.0").
QString TimeZoneListText(int row);

}  // namespace fortunix
