#pragma once

#include <QDate>
#include <QLocale>
#include <QPageSize>
#include <QString>
#include <optional>

#include "forms/ReadingSheet.h"

class QImage;
class QMimeData;
class QPrinter;

namespace fortunix {

// The paper of a sheet where the system names none: Letter where it is the usual size (the
// United States, Canada, Mexico and most of Central and South America's letter-size countries,
// the Philippines), A4 elsewhere.
QPageSize::PageSizeId PaperForTerritory(QLocale::Territory territory);

// The paper of a saved sheet: the one the user chose for the system, else the usual one of
// the locale's territory.
QPageSize SheetPaper(const std::optional<QPageSize>& usersPaper, QLocale::Territory territory);

// Writes the sheet to the PDF file `path` on `paper`, whole or not at all: into a temporary
// file beside it, renamed over `path` only once complete. The PDF holds the sheet's text as
// text, its title and the program as its creator. Returns the reason when it could not be
// written; no file is then left behind.
std::optional<QString> WriteReadingPdf(const QString& path, const ReadingSheet& sheet,
                                       const QDate& made, const QPageSize& paper);

// Draws the sheet on the printer's page (the preview's printer too), on the paper the printer
// was set to. False when the printer could not be started.
bool PrintReadingSheet(QPrinter& printer, const ReadingSheet& sheet, const QDate& made);

// The wheel alone as a picture `pixels` wide and high, white behind it.
QImage ChartWheelPicture(const ReadingSheet& sheet, int pixels);

// What Copy Reading puts on the clipboard: the sheet as plain text with the wheel's picture.
QMimeData* ReadingMimeData(const ReadingSheet& sheet, const QDate& made);

}  // namespace fortunix
