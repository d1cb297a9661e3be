#include "widgets/Appearance.h"

#include <QFontDatabase>
#include <QImage>
#include <QPalette>
#include <QPixmap>
#include <QResource>
#include <QStringList>
#include <QWidget>

namespace fortunix {

namespace {

// The program's families that this system has, in their order. Qt answers a family it lacks
// with a search of every installed font for stand-ins, once for each style of letters, before
// it tries the next family of the list; the letters come from the same font either way.
QStringList InstalledProgramFamilies() {
    static const QStringList installed = [] {
        const QStringList wanted{QStringLiteral("Verdana"), QStringLiteral("DejaVu Sans"),
                                 QStringLiteral("Bitstream Vera Sans")};
        QStringList found;
        for (const QString& family : QFontDatabase::families()) {
            // A family several foundries make is listed once for each, as "Name [Foundry]".
            const QString name = family.section(QStringLiteral(" ["), 0, 0);
            for (const QString& one : wanted) {
                if (name.compare(one, Qt::CaseInsensitive) == 0 && !found.contains(one)) {
                    found.append(one);
                }
            }
        }
        QStringList ordered;
        for (const QString& one : wanted) {
            if (found.contains(one)) {
                ordered.append(one);
            }
        }
        return ordered.isEmpty() ? wanted : ordered;
    }();
    return installed;
}

}  // namespace

QFont ProgramFont(double pointSize, bool bold, bool underline) {
    QFont font;
    font.setFamilies(InstalledProgramFamilies());
    font.setStyleHint(QFont::SansSerif);
    font.setPointSizeF(pointSize);
    font.setBold(bold);
    font.setUnderline(underline);
    return font;
}

QIcon ProgramIcon() {
    // Pixels stored as a little-endian processor holds Qt's premultiplied ARGB32.
    static_assert(Q_BYTE_ORDER == Q_LITTLE_ENDIAN);
    QIcon icon;
    for (const int size : kProgramIconSizes) {
        // The PNGs' pixels, decoded in advance and used where they lie: decoding the seven
        // PNGs took a few milliseconds of every start.
        const QResource pixels(QStringLiteral(":/icons/fortunix-%1.bgra").arg(size));
        if (pixels.compressionAlgorithm() != QResource::NoCompression ||
            pixels.size() != qint64{size} * size * 4) {
            continue;
        }
        icon.addPixmap(QPixmap::fromImage(
            QImage(pixels.data(), size, size, size * 4, QImage::Format_ARGB32_Premultiplied)));
    }
    return icon;
}

void SetBackground(QWidget* widget, const QColor& colour) {
    QPalette palette = widget->palette();
    palette.setColor(QPalette::Window, colour);
    palette.setColor(QPalette::Base, colour);
    palette.setColor(QPalette::Button, colour);
    widget->setPalette(palette);
    widget->setAutoFillBackground(true);
}

void SetTextColour(QWidget* widget, const QColor& colour) {
    QPalette palette = widget->palette();
    palette.setColor(QPalette::WindowText, colour);
    palette.setColor(QPalette::Text, colour);
    palette.setColor(QPalette::ButtonText, colour);
    widget->setPalette(palette);
}

void SetFocusColour(QWidget* window) {
    QPalette palette = window->palette();
    palette.setColor(QPalette::Highlight, kFocusNavy);
    palette.setColor(QPalette::HighlightedText, Qt::white);
    window->setPalette(palette);
}

}  // namespace fortunix
