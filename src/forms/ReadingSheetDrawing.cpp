#include "forms/ReadingSheetDrawing.h"

#include <QFontMetricsF>
#include <QPaintDevice>
#include <QPainter>
#include <algorithm>
#include <cmath>

#include "ephemeris/DegreeSignTable.h"
#include "reading/ChartWheel.h"
#include "reading/PartOfFortune.h"
#include "reading/ReadingChain.h"
#include "widgets/Appearance.h"

namespace fortunix {

namespace {

constexpr double kMillimetresPerInch = 25.4;
constexpr double kMillimetresPerPoint = kMillimetresPerInch / 72.0;

// Parts of the wheel as fractions of its radius.
constexpr double kOuterRing = 0.97;
constexpr double kInnerRing = 0.79;
constexpr double kMarkerLineEnd = 0.70;
constexpr double kLabelRadii[] = {0.56, 0.40, 0.24};

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

QFont SheetFont(double points, bool bold = false) {
    QFont font = ProgramFont(points, bold);
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

// A sign's name written along the ring, its foot towards the centre, never upside down.
void DrawRingText(QPainter& painter, const QPointF& centre, double angleDegrees, double radius,
                  const QString& text) {
    const double radians = angleDegrees * kDegToRad;
    const QPointF point = centre + QPointF(radius * std::cos(radians), -radius * std::sin(radians));
    painter.save();
    painter.translate(point);
    // Upright along the tangent: the text's baseline turns with the ring.
    const bool lowerHalf = angleDegrees > 180.0;
    painter.rotate(lowerHalf ? 270.0 - angleDegrees : 90.0 - angleDegrees);
    const QFontMetricsF metrics(painter.font(), painter.device());
    const QRectF box(-metrics.horizontalAdvance(text) / 2, -metrics.height() / 2,
                     metrics.horizontalAdvance(text), metrics.height());
    painter.drawText(box, Qt::AlignCenter, text);
    painter.restore();
}

struct Marked {
    QString name;
    double longitude;
    QString degree;
};

}  // namespace

std::vector<WheelMarker> DrawChartWheel(QPainter& painter, const QRectF& square,
                                        const ReadingSheet& sheet) {
    const PageUnits units(painter);
    const double radius = std::min(square.width(), square.height()) / 2;
    const QPointF centre = square.center();
    const double ascendant = sheet.chart.ascendant;
    const double radiusMm = units.ToMm(radius);

    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setBrush(Qt::NoBrush);

    // The ring of signs with a tick every 5 degrees, longer every 10.
    painter.setPen(Line(units, std::max(0.2, radiusMm * 0.006)));
    painter.drawEllipse(centre, kOuterRing * radius, kOuterRing * radius);
    painter.drawEllipse(centre, kInnerRing * radius, kInnerRing * radius);
    painter.setPen(Line(units, std::max(0.1, radiusMm * 0.003)));
    for (int degree = 0; degree < 360; degree += 5) {
        const double length = (degree % 10 == 0 ? 0.045 : 0.025) * radius;
        painter.drawLine(At(centre, degree, ascendant, kInnerRing * radius),
                         At(centre, degree, ascendant, kInnerRing * radius + length));
    }
    painter.setPen(Line(units, std::max(0.2, radiusMm * 0.006)));
    painter.setFont(SheetFont(radiusMm * 0.15));  // points: 7.5 for a wheel of 10 cm
    for (int sign = 0; sign < kSignCount; ++sign) {
        const double start = sign * kDegreesPerSign;
        painter.drawLine(At(centre, start, ascendant, kInnerRing * radius),
                         At(centre, start, ascendant, kOuterRing * radius));
        const QString name = QString::fromLatin1(kSignNames[static_cast<std::size_t>(sign)].data(),
                                                 static_cast<qsizetype>(kSignNames[sign].size()));
        DrawRingText(painter, centre, WheelAngle(start + kDegreesPerSign / 2.0, ascendant),
                     (kOuterRing + kInnerRing + 0.015) / 2 * radius, name);
    }

    // The horizon: the ascendant on the left, the descendant on the right.
    QPen horizon = Line(units, std::max(0.1, radiusMm * 0.004));
    horizon.setStyle(Qt::DashLine);
    painter.setPen(horizon);
    painter.drawLine(At(centre, ascendant, ascendant, kInnerRing * radius),
                     At(centre, ascendant + 180, ascendant, kInnerRing * radius));

    const auto text = [](std::string_view utf8) {
        return QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size()));
    };
    const DegreeSignTable& signs = BuiltDegreeSignTable();
    std::vector<Marked> marked = {
        {QStringLiteral("Ascendant"), ascendant,
         text(DegreeInSign(static_cast<int>(ascendant), signs))},
        {QStringLiteral("Sun"), sheet.chart.sun,
         text(DegreeInSign(static_cast<int>(sheet.chart.sun), signs))},
        {QStringLiteral("Moon"), sheet.chart.moon,
         text(DegreeInSign(static_cast<int>(sheet.chart.moon), signs))},
        {QStringLiteral("Part of Fortune"), static_cast<double>(sheet.fortuneDegrees),
         sheet.caption},
    };
    // Labels in the order of their angles, each at the first of its places that no label
    // placed before it covers: on its spoke, going inwards, and beside it above and below.
    std::stable_sort(marked.begin(), marked.end(), [ascendant](const Marked& a, const Marked& b) {
        return WheelAngle(a.longitude, ascendant) < WheelAngle(b.longitude, ascendant);
    });

    const QFont nameFont = SheetFont(radiusMm * 0.062 / kMillimetresPerPoint, true);
    const QFont degreeFont = SheetFont(radiusMm * 0.055 / kMillimetresPerPoint);
    const QFontMetricsF nameMetrics(nameFont, painter.device());
    const QFontMetricsF degreeMetrics(degreeFont, painter.device());
    std::vector<WheelMarker> markers;
    for (const Marked& mark : marked) {
        const double width = std::max(nameMetrics.horizontalAdvance(mark.name),
                                      degreeMetrics.horizontalAdvance(mark.degree));
        const double height = nameMetrics.height() + degreeMetrics.height();
        const auto labelAt = [&](double labelRadius, double shift) {
            const QPointF middle = At(centre, mark.longitude, ascendant, labelRadius * radius);
            return QRectF(middle.x() - width / 2, middle.y() - height / 2 + shift * height, width,
                          height);
        };
        const auto isFree = [&markers, height](const QRectF& candidate) {
            const double gap = height / 8;
            return std::none_of(markers.begin(), markers.end(), [&](const WheelMarker& placed) {
                return placed.label.adjusted(-gap, -gap, gap, gap).intersects(candidate);
            });
        };
        QRectF label = labelAt(kLabelRadii[0], 0);
        bool placed = false;
        for (const double shift : {0.0, 1.0, -1.0}) {
            for (const double labelRadius : kLabelRadii) {
                if (!placed && isFree(labelAt(labelRadius, shift))) {
                    label = labelAt(labelRadius, shift);
                    placed = true;
                }
            }
        }

        const QPointF point = At(centre, mark.longitude, ascendant, kInnerRing * radius);
        painter.setPen(Line(units, std::max(0.2, radiusMm * 0.007)));
        painter.drawLine(point, At(centre, mark.longitude, ascendant, kMarkerLineEnd * radius));
        painter.setBrush(Qt::black);
        painter.drawEllipse(point, 0.018 * radius, 0.018 * radius);
        painter.setBrush(Qt::NoBrush);

        painter.setFont(nameFont);
        painter.drawText(QRectF(label.left(), label.top(), width, nameMetrics.height()),
                         Qt::AlignCenter, mark.name);
        painter.setFont(degreeFont);
        painter.drawText(
            QRectF(label.left(), label.top() + nameMetrics.height(), width, degreeMetrics.height()),
            Qt::AlignCenter, mark.degree);
        markers.push_back({mark.name, mark.longitude, point, label});
    }
    painter.restore();
    return markers;
}

SheetDrawing DrawReadingSheet(QPainter& painter, const QRectF& page, const ReadingSheet& sheet,
                              const QDate& made) {
    const PageUnits units(painter);
    const QRectF area = page.adjusted(units.Mm(18), units.Mm(15), -units.Mm(18), -units.Mm(12));
    painter.save();
    painter.setPen(Qt::black);
    double y = area.top();

    // Text of one style from `y` down, wrapped within `width`; returns its height.
    const auto write = [&painter](const QFont& font, const QRectF& box, int flags,
                                  const QString& text) {
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
        const QRectF value(area.left() + labelWidth, y, area.width() - labelWidth, units.Mm(30));
        write(labelFont, QRectF(area.left(), y, labelWidth, units.Mm(10)),
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
    SheetDrawing drawing{wheel, DrawChartWheel(painter, wheel, sheet)};
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
