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

// The zone list's entry for a birthplace whose offset no row holds, `offsetMinutes` east of
// UT: "Birthplace time,UTC+05:45" in English, "Ortszeit des Geburtsorts,UTC+05:45" in German.
QString BirthplaceTimeText(int offsetMinutes);

// Month `month` (1..12) as the month list shows it: "January" in English, as the language
// names a month standing alone elsewhere ("Januar", "Январь"); "?" for no month.
QString MonthText(int month);

// A date written out in full, without the weekday: "1 January 2000" in English, as the
// language writes it elsewhere ("1. Januar 2000", "2000年1月1日"). A day the month lacks,
// which the form lets one pick, keeps the English order.
QString LongDateText(int year, int month, int day);

}  // namespace fortunix
