#pragma once

#include <QDate>
#include <QString>
#include <vector>

#include "ephemeris/Calendar.h"
#include "reading/BirthFormState.h"
#include "reading/Records.h"

namespace fortunix {

// Everything a reading sheet shows of one reading, taken when the reading is made: the form as
// the user filled it, and what the reading computed from it.
struct ReadingSheet {
    BirthFormState form;
    CivilMoment universal;  // the birth moment in universal time, as the engines used it
    ChartPositions chart;   // whole degrees
    int fortuneDegrees = 0;
    QString caption;    // the Part of Fortune, "21º Gemini"
    QString paragraph;  // the interpretation the result window shows
};

// What the chart wheel marks, by name: "Sun", "Moon", "Ascendant" and "Part of Fortune" (the
// same words as the sheet's lines), and the longitude and the degree in its sign of each.
struct SheetMarker {
    QString name;
    double longitude = 0;
    QString degree;  // "22º Leo"
};
std::vector<SheetMarker> SheetMarkers(const ReadingSheet& sheet);

// One line of the sheet: what it tells and its value.
struct SheetLine {
    QString label;
    QString value;
};

// The sheet's title and the file names: "Fortunix reading".
QString SheetTitle();

// The lines under the name, in the sheet's order: the birth, its zone (with its offset from
// UTC) and universal time, the birthplace, the three positions and the formula the birth's
// clock time chose.
std::vector<SheetLine> SheetLines(const ReadingSheet& sheet);

// "Part of Fortune".
QString FortuneLabel();

// The footer: the program's name and version and the date the sheet was made.
QString SheetFooter(const QDate& made);

// "1 January 2000" and "09:05": a date and a clock time as the sheet writes them.
QString SheetDate(int year, int month, int day);
QString SheetClock(int hour, int minute);

// The whole sheet as plain text, the wheel left out.
QString SheetPlainText(const ReadingSheet& sheet, const QDate& made);

// The file name proposed for a saved sheet: "Fortunix reading - ANN - 2026-12-07.pdf", with the
// characters no file name may hold replaced and the name cut to kProposedNameLength characters
// (a long name would pass the limits of some systems); without a name,
// "Fortunix reading - 2026-12-07.pdf".
inline constexpr int kProposedNameLength = 60;
QString ProposedPdfName(const QString& name, const QDate& made);

// The file a save writes for the name chosen: the name itself when it ends in ".pdf" (in any
// case), else the name with ".pdf" added.
QString PdfPathFor(const QString& chosen);

}  // namespace fortunix
