#include "forms/ReadingSheetDrawing.h"

#include "forms/ReadingTexts.h"

#include <QFontMetricsF>
#include <QGuiApplication>
#include <QPaintDevice>
#include <QPainter>
#include <algorithm>
#include <cmath>

#include "atlas/PlaceLine.h"
#include "ephemeris/Calendar.h"
#include "ephemeris/DegreeSignTable.h"
#include "forms/PageMeasures.h"
#include "reading/ChartWheel.h"
#include "widgets/Appearance.h"
#include "widgets/Utf8Text.h"

namespace fortunix {

namespace {

// Parts of the wheel as fractions of its radius.
constexpr double kOuterRing = 0.97;       // the sign ring's outer circle
constexpr double kInnerRing = 0.79;       // its inner circle, where the markers sit
constexpr double kSignNameRing = 0.8875;  // the middle of the sign names' text, a little
                                          // outside the ring's middle to look centred
constexpr double kLongTick = 0.045;       // every 10 degrees, inwards from the inner circle
constexpr double kShortTick = 0.025;      // every 5 degrees
constexpr double kMarkerLineEnd = 0.70;   // each marker's line runs from the ring to here
constexpr double kLabelLimit = 0.68;      // the labels stay inside this circle, clear of the lines
constexpr double kMarkerDot = 0.018;      // the radius of a marker's dot

// Sizes of the wheel's text and lines per millimetre of its radius, the sign names in points
// and the rest in millimetres: a wheel of 5 cm radius writes sign names of 7.5 points and
// marker names 3.1 mm high.
constexpr double kSignNamePointsPerMm = 0.15;
constexpr double kMarkerNameHeight = 0.062;
constexpr double kMarkerDegreeHeight = 0.055;
constexpr double kRingLine = 0.006;
constexpr double kTickLine = 0.003;
constexpr double kHorizonLine = 0.004;
constexpr double kMarkerLine = 0.007;
constexpr double kLeaderLine = 0.003;
// The thinnest lines in millimetres, so that a small wheel still prints them.
constexpr double kThinnestLine = 0.1;
constexpr double kThinnestRing = 0.2;

// The space kept between two labels, as a part of a label's height.
constexpr double kLabelGapOfHeight = 0.125;

// Lengths on the page in the painter's device units.
class PageUnits {
  public:
    explicit PageUnits(const QPainter& painter)
        : dotsPerMillimetre_(painter.device()->logicalDpiY() / kMillimetresPerInch) {}
    double Mm(double millimetres) const { return millimetres * dotsPerMillimetre_; }
    double ToMm(double dots) const { return dots / dotsPerMillimetre_; }

  private:
    double dotsPerMillimetre_;
};

// In the designed families in every language: the Chinese and Japanese interface fonts draw
// Latin letters and digits with glyphs their character maps do not name, which a PDF viewer
// then could not find or copy; their own characters come from them all the same.
QFont SheetFont(double points, bool bold = false) {
    QFont font = InDesignedFamilies(ProgramFont(points, bold));
    font.setKerning(true);
    return font;
}

QPen Line(const PageUnits& units, double millimetres) {
    QPen pen(Qt::black);
    pen.setWidthF(units.Mm(millimetres));
    pen.setCapStyle(Qt::FlatCap);
    return pen;
}

QPointF At(const QPointF& centre, double longitude, double ascendant, double radius) {
    const WheelPoint point = WheelPosition(longitude, ascendant, radius);
    return centre + QPointF(point.x, point.y);
}

// The rotation that writes along the ring at `angleDegrees` (counter-clockwise from three
// o'clock) with the baseline on the tangent and never upside down: the text reads left to right
// wherever it stands, its foot towards the centre in the upper half.
double RingTextRotation(double angleDegrees) {
    return angleDegrees > 180.0 ? 270.0 - angleDegrees : 90.0 - angleDegrees;
}

WheelSignName DrawRingText(QPainter& painter, const QPointF& centre, double angleDegrees,
                           double radius, const QString& text) {
    const double radians = angleDegrees * kDegToRad;
    const QPointF point = centre + QPointF(radius * std::cos(radians), -radius * std::sin(radians));
    const double rotation = RingTextRotation(angleDegrees);
    painter.save();
    painter.translate(point);
    painter.rotate(rotation);
    const QFontMetricsF metrics(painter.font(), painter.device());
    const QRectF box(-metrics.horizontalAdvance(text) / 2, -metrics.height() / 2,
                     metrics.horizontalAdvance(text), metrics.height());
    painter.drawText(box, Qt::AlignCenter, text);
    painter.restore();
    return {text, point, rotation};
}

}  // namespace

WheelDrawing DrawChartWheel(QPainter& painter, const QRectF& square, const ReadingSheet& sheet) {
    const PageUnits units(painter);
    const double radius = std::min(square.width(), square.height()) / 2;
    const QPointF centre = square.center();
    const double ascendant = sheet.chart.ascendant;
    const double radiusMm = units.ToMm(radius);
    const auto lineOf = [&](double ratio, double thinnest) {
        return Line(units, std::max(thinnest, radiusMm * ratio));
    };
    WheelDrawing drawing;

    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setBrush(Qt::NoBrush);

    // The ring of signs with a tick every 5 degrees, longer every 10.
    painter.setPen(lineOf(kRingLine, kThinnestRing));
    painter.drawEllipse(centre, kOuterRing * radius, kOuterRing * radius);
    painter.drawEllipse(centre, kInnerRing * radius, kInnerRing * radius);
    painter.setPen(lineOf(kTickLine, kThinnestLine));
    for (int degree = 0; degree < 360; degree += 5) {
        const double length = (degree % 10 == 0 ? kLongTick : kShortTick) * radius;
        painter.drawLine(At(centre, degree, ascendant, kInnerRing * radius),
                         At(centre, degree, ascendant, kInnerRing * radius + length));
    }
    painter.setPen(lineOf(kRingLine, kThinnestRing));
    painter.setFont(SheetFont(radiusMm * kSignNamePointsPerMm));
    for (int sign = 0; sign < kSignCount; ++sign) {
        const double start = sign * kDegreesPerSign;
        painter.drawLine(At(centre, start, ascendant, kInnerRing * radius),
                         At(centre, start, ascendant, kOuterRing * radius));
        drawing.signNames.push_back(
            DrawRingText(painter, centre, WheelAngle(start + kDegreesPerSign / 2.0, ascendant),
                         kSignNameRing * radius, SignName(sign)));
    }

    // The horizon: the ascendant on the left, the descendant on the right.
    QPen horizon = lineOf(kHorizonLine, kThinnestLine);
    horizon.setStyle(Qt::DashLine);
    painter.setPen(horizon);
    painter.drawLine(At(centre, ascendant, ascendant, kInnerRing * radius),
                     At(centre, ascendant + 180, ascendant, kInnerRing * radius));

    // Labels in the order of their angles, each where PlaceWheelLabels finds it room.
    std::vector<SheetMarker> marked = SheetMarkers(sheet);
    std::stable_sort(
        marked.begin(), marked.end(), [ascendant](const SheetMarker& a, const SheetMarker& b) {
            return WheelAngle(a.longitude, ascendant) < WheelAngle(b.longitude, ascendant);
        });
    const QFont nameFont = SheetFont(radiusMm * kMarkerNameHeight / kMillimetresPerPoint, true);
    const QFont degreeFont = SheetFont(radiusMm * kMarkerDegreeHeight / kMillimetresPerPoint);
    const QFontMetricsF nameMetrics(nameFont, painter.device());
    const QFontMetricsF degreeMetrics(degreeFont, painter.device());
    std::vector<WheelLabel> sizes;
    for (const SheetMarker& mark : marked) {
        sizes.push_back({WheelAngle(mark.longitude, ascendant),
                         std::max(nameMetrics.horizontalAdvance(mark.name),
                                  degreeMetrics.horizontalAdvance(mark.degree)) /
                             radius,
                         (nameMetrics.height() + degreeMetrics.height()) / radius});
    }
    const double gap = kLabelGapOfHeight * (nameMetrics.height() + degreeMetrics.height()) / radius;
    const std::vector<PlacedLabel> places =
        PlaceWheelLabels(sizes, kLabelLimit, kMarkerLineEnd, gap);

    for (std::size_t index = 0; index < marked.size(); ++index) {
        const SheetMarker& mark = marked[index];
        const PlacedLabel& place = places[index];
        const QRectF label(centre + QPointF(place.left, place.top) * radius,
                           QSizeF(place.width, place.height) * radius);
        const QPointF point = At(centre, mark.longitude, ascendant, kInnerRing * radius);
        const QPointF lineEnd = At(centre, mark.longitude, ascendant, kMarkerLineEnd * radius);
        painter.setPen(lineOf(kMarkerLine, kThinnestRing));
        painter.drawLine(point, lineEnd);
        painter.setBrush(Qt::black);
        painter.drawEllipse(point, kMarkerDot * radius, kMarkerDot * radius);
        painter.setBrush(Qt::NoBrush);
        QLineF leader;
        if (place.leaderEnd) {
            leader =
                QLineF(lineEnd, centre + QPointF(place.leaderEnd->x, place.leaderEnd->y) * radius);
            painter.setPen(lineOf(kLeaderLine, kThinnestLine));
            painter.drawLine(leader);
        }

        painter.setFont(nameFont);
        painter.drawText(QRectF(label.left(), label.top(), label.width(), nameMetrics.height()),
                         Qt::AlignCenter, mark.name);
        painter.setFont(degreeFont);
        painter.drawText(QRectF(label.left(), label.top() + nameMetrics.height(), label.width(),
                                degreeMetrics.height()),
                         Qt::AlignCenter, mark.degree);
        drawing.markers.push_back({mark.name, mark.longitude, point, label, leader});
    }
    painter.restore();
    return drawing;
}

SheetDrawing DrawReadingSheet(QPainter& painter, const QRectF& page, const ReadingSheet& sheet,
                              const QDate& made) {
    const PageUnits units(painter);
    const QRectF area = page.adjusted(units.Mm(18), units.Mm(15), -units.Mm(18), -units.Mm(12));
    painter.save();
    painter.setPen(Qt::black);
    // In a language written from right to left the page runs from the right margin, as the
    // windows do: the alignments below mirror with the painter's direction, and the labels
    // stand right of their values.
    const Qt::LayoutDirection direction = QGuiApplication::layoutDirection();
    const bool rightToLeft = direction == Qt::RightToLeft;
    painter.setLayoutDirection(direction);
    double y = area.top();

    // Text of one style in `box`, placed by `flags`; returns the height it took. On a page run
    // from the right, a text with no letter written right to left (a name in Latin letters,
    // the coordinates) still reads from left to right, or its numbers and letters would change
    // places; it stands at the right margin all the same.
    const auto write = [&painter, rightToLeft](const QFont& font, const QRectF& box, int flags,
                                               const QString& text) {
        if (rightToLeft && !atlas::HoldsRightToLeft(text)) {
            flags |= Qt::TextForceLeftToRight;
            if ((flags & Qt::AlignLeft) != 0) {
                flags = (flags & ~Qt::AlignLeft) | Qt::AlignRight | Qt::AlignAbsolute;
            }
        }
        painter.setFont(font);
        QRectF used;
        painter.drawText(box, flags, text, &used);
        return used.height();
    };
    const auto measure = [&painter](const QFont& font, double width, const QString& text) {
        painter.setFont(font);
        return painter.boundingRect(QRectF(0, 0, width, 1e6), Qt::TextWordWrap, text).height();
    };

    // Heading: the sheet's title and the name as typed.
    y += write(SheetFont(10), QRectF(area.left(), y, area.width(), units.Mm(8)),
               Qt::AlignLeft | Qt::AlignTop, SheetTitle());
    y += write(SheetFont(20, true), QRectF(area.left(), y, area.width(), units.Mm(14)),
               Qt::AlignLeft | Qt::AlignTop, QString::fromStdString(sheet.form.fields.name));
    y += units.Mm(2);
    painter.setPen(Line(units, 0.4));
    painter.drawLine(QPointF(area.left(), y), QPointF(area.right(), y));
    painter.setPen(Qt::black);
    y += units.Mm(3);

    // The birth and the positions, label and value.
    const QFont labelFont = SheetFont(9.5, true);
    const QFont valueFont = SheetFont(9.5);
    const double labelWidth = units.Mm(42);
    for (const SheetLine& line : SheetLines(sheet)) {
        const double labelLeft = rightToLeft ? area.right() - labelWidth : area.left();
        const double valueLeft = rightToLeft ? area.left() : area.left() + labelWidth;
        const QRectF value(valueLeft, y, area.width() - labelWidth, units.Mm(30));
        write(labelFont, QRectF(labelLeft, y, labelWidth, units.Mm(10)),
              Qt::AlignLeft | Qt::AlignTop, line.label);
        y += write(valueFont, value, Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap, line.value) +
             units.Mm(1.2);
    }
    y += units.Mm(3);

    // The Part of Fortune, framed.
    const QFont fortuneLabelFont = SheetFont(11);
    const QFont captionFont = SheetFont(22, true);
    const double boxHeight = units.Mm(18);
    const QRectF box(area.left(), y, area.width(), boxHeight);
    painter.setPen(Line(units, 0.6));
    painter.drawRect(box);
    painter.setPen(Qt::black);
    write(fortuneLabelFont, box.adjusted(0, units.Mm(1.5), 0, 0), Qt::AlignHCenter | Qt::AlignTop,
          FortuneLabel());
    write(captionFont, box.adjusted(0, 0, 0, -units.Mm(1.5)), Qt::AlignHCenter | Qt::AlignBottom,
          sheet.caption);
    y += boxHeight + units.Mm(4);

    // The footer at the foot of the page, the paragraph above it, the wheel in the space left.
    const QFont footerFont = SheetFont(8);
    const QFont paragraphFont = SheetFont(10.5);
    const double footerHeight = measure(footerFont, area.width(), SheetFooter(made));
    const double paragraphHeight = measure(paragraphFont, area.width(), sheet.paragraph);
    const double footerTop = area.bottom() - footerHeight;
    const double wheelSide = std::clamp(footerTop - units.Mm(8) - paragraphHeight - units.Mm(4) - y,
                                        0.0, std::min(area.width(), units.Mm(110)));
    const QRectF wheel(area.center().x() - wheelSide / 2, y, wheelSide, wheelSide);
    painter.setLayoutDirection(Qt::LeftToRight);  // charts are drawn the same in every language
    const SheetDrawing drawing{DrawChartWheel(painter, wheel, sheet), wheel};
    painter.setLayoutDirection(direction);
    y += wheelSide + units.Mm(4);

    write(paragraphFont, QRectF(area.left(), y, area.width(), paragraphHeight + units.Mm(1)),
          Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap, sheet.paragraph);

    painter.setPen(Line(units, 0.3));
    painter.drawLine(QPointF(area.left(), footerTop - units.Mm(2)),
                     QPointF(area.right(), footerTop - units.Mm(2)));
    painter.setPen(Qt::black);
    write(footerFont, QRectF(area.left(), footerTop, area.width(), footerHeight),
          Qt::AlignLeft | Qt::AlignTop, SheetFooter(made));
    painter.restore();
    return drawing;
}

}  // namespace fortunix
