#include "widgets/Appearance.h"

#include <QImageReader>
#include <QPalette>
#include <QPixmap>
#include <QStringList>
#include <QWidget>

namespace fortunix {

QFont ProgramFont(double pointSize, bool bold, bool underline) {
    QFont font;
    font.setFamilies({QStringLiteral("Verdana"), QStringLiteral("DejaVu Sans"),
                      QStringLiteral("Bitstream Vera Sans")});
    font.setStyleHint(QFont::SansSerif);
    font.setPointSizeF(pointSize);
    font.setBold(bold);
    font.setUnderline(underline);
    return font;
}

QIcon ProgramIcon() {
    QIcon icon;
    for (const int size : {16, 24, 32, 48, 64, 128, 256}) {
        // Read as PNG, never guessed: guessing the format loads every image plugin of Qt (GIF,
        // ICO, JPEG with its library) before the first window.
        QImageReader reader(QStringLiteral(":/icons/fortunix-%1.png").arg(size), "png");
        reader.setAutoDetectImageFormat(false);
        icon.addPixmap(QPixmap::fromImageReader(&reader));
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
