#include "widgets/Appearance.h"

#include <QFontDatabase>
#include <QImage>
#include <QList>
#include <QPalette>
#include <QPixmap>
#include <QResource>
#include <QStringList>
#include <QWidget>

namespace fortunix {

namespace {

// The families of `wanted` that this system has, in their order.
QStringList InstalledOf(const QStringList& wanted) {
    static const QStringList installed = [] {
        QStringList names;
        for (const QString& family : QFontDatabase::families()) {
            // A family several foundries make is listed once for each, as "Name [Foundry]".
            names.append(family.section(QStringLiteral(" ["), 0, 0));
        }
        return names;
    }();
    QStringList found;
    for (const QString& one : wanted) {
        if (installed.contains(one, Qt::CaseInsensitive)) {
            found.append(one);
        }
    }
    return found;
}

// The program's families that this system has, in their order. Qt answers a family it lacks
// with a search of every installed font for stand-ins, once for each style of letters, before
// it tries the next family of the list; the letters come from the same font either way.
QStringList InstalledProgramFamilies() {
    static const QStringList installed = [] {
        const QStringList wanted{QStringLiteral("Verdana"), QStringLiteral("DejaVu Sans"),
                                 QStringLiteral("Bitstream Vera Sans")};
        const QStringList found = InstalledOf(wanted);
        return found.isEmpty() ? wanted : found;
    }();
    return installed;
}

// Chinese and Japanese are written in the system's own interface font for them, as the
// system's programs there are: Windows's first, then those of Linux desktops. Its Latin letters
// and digits stand on the same line as its characters, and Qt need not search every installed
// font for the characters the designed family lacks, once for each size and style of letters:
// that search and its stand-ins took a Japanese start longer than everything else it measured.
QStringList InterfaceFamilies(QLocale::Language language) {
    static const QStringList japanese =
        InstalledOf({QStringLiteral("Yu Gothic UI"), QStringLiteral("Meiryo UI"),
                     QStringLiteral("MS UI Gothic"), QStringLiteral("Noto Sans CJK JP"),
                     QStringLiteral("Source Han Sans JP"), QStringLiteral("IPAexGothic"),
                     QStringLiteral("IPAPGothic"), QStringLiteral("TakaoPGothic"),
                     QStringLiteral("VL PGothic")});
    static const QStringList chinese =
        InstalledOf({QStringLiteral("Microsoft YaHei UI"), QStringLiteral("Microsoft YaHei"),
                     QStringLiteral("Noto Sans CJK SC"), QStringLiteral("Source Han Sans SC"),
                     QStringLiteral("WenQuanYi Micro Hei"), QStringLiteral("WenQuanYi Zen Hei"),
                     QStringLiteral("Droid Sans Fallback")});
    const QStringList& installed = language == QLocale::Japanese  ? japanese
                                   : language == QLocale::Chinese ? chinese
                                                                  : QStringList();
    return installed.isEmpty() ? InstalledProgramFamilies() : installed.mid(0, 1);
}

QStringList& FamiliesInUse() {
    static QStringList families = InstalledProgramFamilies();
    return families;
}

// Whether `font` writes in the designed families or a language's own.
bool InAProgramFamilyList(const QFont& font) {
    const QStringList families = font.families();
    return families == InstalledProgramFamilies() ||
           families == InterfaceFamilies(QLocale::Japanese) ||
           families == InterfaceFamilies(QLocale::Chinese);
}

}  // namespace

QFont ProgramFont(double pointSize, bool bold, bool underline) {
    QFont font;
    font.setFamilies(FamiliesInUse());
    font.setStyleHint(QFont::SansSerif);
    font.setPointSizeF(pointSize);
    font.setBold(bold);
    font.setUnderline(underline);
    return font;
}

void UseFamiliesFor(QLocale::Language language) {
    FamiliesInUse() = InterfaceFamilies(language);
}

QFont InProgramFamilies(QFont font) {
    if (InAProgramFamilyList(font)) {
        font.setFamilies(FamiliesInUse());
    }
    return font;
}

QFont InDesignedFamilies(QFont font) {
    if (InAProgramFamilyList(font)) {
        font.setFamilies(InstalledProgramFamilies());
    }
    return font;
}

void FollowProgramFamilies(QWidget* window) {
    QList<QWidget*> widgets = window->findChildren<QWidget*>();
    widgets.prepend(window);  // first, so that the controls that inherit its letters follow it
    for (QWidget* widget : widgets) {
        if (!widget->testAttribute(Qt::WA_SetFont)) {
            continue;
        }
        const QFont font = InProgramFamilies(widget->font());
        if (font.families() != widget->font().families()) {
            widget->setFont(font);
        }
    }
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
