#pragma once

#include <QDate>
#include <QLineF>
#include <QPointF>
#include <QRectF>
#include <QString>
#include <vector>

#include "forms/ReadingSheet.h"

class QPainter;

namespace fortunix {

// Where the drawing put one marker of the chart wheel.
struct WheelMarker {
    QString name;  // "Sun", "Moon", "Ascendant", "Part of Fortune"
    double longitude = 0;
    QPointF point;  // the mark on the inner edge of the sign ring
    QRectF label;   // its name and degree
    QLineF leader;  // from its marker's line to a label moved from its first place, else null
};

// Where the drawing wrote a sign's name along the ring.
struct WheelSignName {
    QString name;
    QPointF centre;
    double rotation = 0;  // of the text's baseline, clockwise from left-to-right, degrees
};

struct WheelDrawing {
    std::vector<WheelMarker> markers;
    std::vector<WheelSignName> signNames;
};

// Draws the chart wheel of `sheet` in the circle inscribed in `square` (the painter's device
// units): the twelve signs as a ring, the horizon with the ascendant on its left end, and the
// Sun, the Moon, the ascendant and the Part of Fortune marked at their longitudes with their
// names. Black lines and text only, sized from the square, so that it reads in black and white
// at any size. No label covers another or the ring. Returns where each marker and name went.
WheelDrawing DrawChartWheel(QPainter& painter, const QRectF& square, const ReadingSheet& sheet);

struct SheetDrawing : WheelDrawing {
    QRectF wheel;  // the square the wheel was drawn in
};

// Draws the whole reading sheet on one page whose printable area is `page`, in the painter's
// device units; text sizes are in points of the device, so the sheet is the same on paper, in
// a PDF and on screen. The one drawing of the sheet: the preview, the printer, the PDF and the
// copied picture all use it.
SheetDrawing DrawReadingSheet(QPainter& painter, const QRectF& page, const ReadingSheet& sheet,
                              const QDate& made);

}  // namespace fortunix
