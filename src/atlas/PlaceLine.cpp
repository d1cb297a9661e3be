#include "atlas/PlaceLine.h"

#include "atlas/ArcMinutes.h"

namespace fortunix::atlas {

bool HoldsRightToLeft(const QString& text) {
    for (qsizetype at = 0; at < text.size(); ++at) {
        char32_t c = text[at].unicode();
        if (text[at].isHighSurrogate() && at + 1 < text.size() && text[at + 1].isLowSurrogate()) {
            c = QChar::surrogateToUcs4(text[at], text[at + 1]);
            ++at;
        }
        const QChar::Direction direction = QChar::direction(c);
        if (direction == QChar::DirR || direction == QChar::DirAL) {
            return true;
        }
    }
    return false;
}

QString IsolatedName(const QString& name) {
    constexpr char16_t kFirstStrongIsolate = 0x2068;
    constexpr char16_t kPopDirectionalIsolate = 0x2069;
    if (!HoldsRightToLeft(name)) {
        return name;
    }
    return QChar(kFirstStrongIsolate) + name + QChar(kPopDirectionalIsolate);
}

QString DescribePlace(const Atlas& atlas, qsizetype index, qsizetype otherName,
                      const QString& countryName) {
    const Place& place = atlas.place(index);
    QString line = IsolatedName(atlas.placeName(index));
    if (otherName != kMainName) {
        line += QStringLiteral(" (") + IsolatedName(atlas.otherName(otherName)) + u')';
    }
    if (place.division != kNoDivision) {
        line += QStringLiteral(", ") + IsolatedName(atlas.division(place.division).name);
    }
    line += QStringLiteral(", ") +
            IsolatedName(countryName.isEmpty() ? atlas.country(place.country).name : countryName);
    line += QStringLiteral(": ") + FormatLatitude(RoundToArcMinutes(place.latitude)) +
            QStringLiteral(", ") + FormatLongitude(RoundToArcMinutes(place.longitude));
    return line;
}

}  // namespace fortunix::atlas
