#include "forms/ReadingExport.h"

#include <QCoreApplication>
#include <QImage>
#include <QMimeData>
#include <QPainter>
#include <QPdfWriter>
#include <QPrinter>
#include <QSaveFile>
#include <cmath>

#include "forms/PageMeasures.h"
#include "forms/ReadingSheetDrawing.h"
#include "platform/ProgramInfo.h"

namespace fortunix {

namespace {

// Fine enough that no line or letter shows steps; the page stays vector art and text.
constexpr int kPdfResolution = 1200;
constexpr int kPictureDotsPerInch = 200;

}  // namespace

QPageSize::PageSizeId PaperForTerritory(QLocale::Territory territory) {
    switch (territory) {
        case QLocale::UnitedStates:
        case QLocale::Canada:
        case QLocale::Mexico:
        case QLocale::Philippines:
        case QLocale::Chile:
        case QLocale::Colombia:
        case QLocale::Venezuela:
        case QLocale::CostaRica:
        case QLocale::Guatemala:
        case QLocale::PuertoRico:
        case QLocale::Panama:
        case QLocale::DominicanRepublic:
        case QLocale::ElSalvador:
        case QLocale::Nicaragua:
            return QPageSize::Letter;
        default:
            return QPageSize::A4;
    }
}

QPageSize SheetPaper(const std::optional<QPageSize>& usersPaper, QLocale::Territory territory) {
    return usersPaper ? *usersPaper : QPageSize(PaperForTerritory(territory));
}

std::optional<QString> WriteReadingPdf(const QString& path, const ReadingSheet& sheet,
                                       const QDate& made, const QPageSize& paper) {
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) {
        return file.errorString();
    }
    {
        QPdfWriter writer(&file);
        writer.setResolution(kPdfResolution);
        writer.setPageSize(paper);
        writer.setPageMargins(QMarginsF(0, 0, 0, 0));
        writer.setTitle(SheetTitle() + QStringLiteral(" - ") +
                        QString::fromStdString(sheet.form.fields.name));
        writer.setCreator(QString::fromLatin1(kProgramName) + u' ' +
                          QString::fromLatin1(kProgramVersion));
        QPainter painter;
        if (!painter.begin(&writer)) {
            file.cancelWriting();
            return QCoreApplication::translate("Fortunix", "the PDF could not be started");
        }
        DrawReadingSheet(painter, QRectF(QPointF(0, 0), QSizeF(writer.width(), writer.height())),
                         sheet, made);
        painter.end();
    }
    if (!file.commit()) {
        return file.errorString();
    }
    return std::nullopt;
}

bool PrintReadingSheet(QPrinter& printer, const ReadingSheet& sheet, const QDate& made) {
    QPainter painter;
    if (!painter.begin(&printer)) {
        return false;
    }
    // The paper's whole page, less the margins the printer cannot print on.
    const QRectF page = printer.pageLayout().paintRectPixels(printer.resolution());
    DrawReadingSheet(painter, QRectF(QPointF(0, 0), page.size()), sheet, made);
    return painter.end();
}

QImage ChartWheelPicture(const ReadingSheet& sheet, int pixels) {
    QImage picture(pixels, pixels, QImage::Format_RGB32);
    const int dotsPerMetre = static_cast<int>(std::lround(kPictureDotsPerInch * kInchesPerMetre));
    picture.setDotsPerMeterX(dotsPerMetre);
    picture.setDotsPerMeterY(dotsPerMetre);
    picture.fill(Qt::white);
    QPainter painter(&picture);
    DrawChartWheel(painter, QRectF(0, 0, pixels, pixels), sheet);
    return picture;
}

QMimeData* ReadingMimeData(const ReadingSheet& sheet, const QDate& made) {
    auto* data = new QMimeData;
    data->setText(SheetPlainText(sheet, made));
    data->setImageData(ChartWheelPicture(sheet, 800));
    return data;
}

}  // namespace fortunix
