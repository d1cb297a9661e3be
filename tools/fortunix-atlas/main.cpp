// fortunix-atlas: the built-in atlas's candidates for a birthplace, in the order the place
// choice lists them.
//
//   fortunix-atlas CITY STATE COUNTRY [--at YYYY-MM-DDTHH:MM]
//
// Prints a header line, then one tab-separated line per candidate (see CandidateLine.h): the
// places matching the city, or when none does, the closest spellings, as the window offers
// them; standard error says so, and says when the country is unknown. The exit status is 0
// when a place matched, 1 when none did, 2 for a wrong command line.

#include <QCoreApplication>
#include <QStringList>
#include <cstdio>

#include "CandidateLine.h"
#include "atlas/BuiltInAtlas.h"
#include "atlas/PlaceSearch.h"

namespace {

// As many as the place-choice window lists.
constexpr std::size_t kPlacesListed = 20;

int Usage() {
    std::fputs("usage: fortunix-atlas CITY STATE COUNTRY [--at YYYY-MM-DDTHH:MM]\n", stderr);
    return 2;
}

void PrintLine(const QString& line) {
    const QByteArray utf8 = line.toUtf8();
    std::fwrite(utf8.constData(), 1, static_cast<std::size_t>(utf8.size()), stdout);
    std::fputc('\n', stdout);
}

}  // namespace

int main(int argc, char** argv) {
    QCoreApplication application(argc, argv);
    QStringList arguments = QCoreApplication::arguments().mid(1);
    std::optional<fortunix::CivilMoment> at;
    const qsizetype atOption = arguments.indexOf(QStringLiteral("--at"));
    if (atOption >= 0) {
        if (atOption + 1 >= arguments.size()) {
            return Usage();
        }
        at = fortunix::atlastool::ParseMoment(arguments[atOption + 1]);
        if (!at) {
            std::fputs("fortunix-atlas: --at takes a date and time as 2000-07-01T12:00\n", stderr);
            return 2;
        }
        arguments.remove(atOption, 2);
    }
    if (arguments.size() != 3) {
        return Usage();
    }

    const fortunix::atlas::Atlas& atlas = fortunix::atlas::BuiltInAtlas();
    const fortunix::zones::ZoneHistory& history = fortunix::zones::BuiltInZoneHistory();
    const fortunix::atlas::PlaceLookup lookup = fortunix::atlas::LookUpPlace(
        atlas, {arguments[0], arguments[1], arguments[2]}, kPlacesListed);
    if (lookup.unknownCountry) {
        std::fprintf(stderr,
                     "fortunix-atlas: no country named '%s' is known; places of every "
                     "country follow\n",
                     arguments[2].trimmed().toUtf8().constData());
    }
    if (lookup.closeSpellings) {
        std::fputs("fortunix-atlas: no place matches; the closest spellings follow\n", stderr);
    }
    PrintLine(fortunix::atlastool::HeaderLine());
    for (const fortunix::atlas::RankedPlace& ranked : lookup.places) {
        PrintLine(
            fortunix::atlastool::CandidateLine(atlas, history, ranked.place, at, ranked.otherName));
    }
    return lookup.places.empty() || lookup.closeSpellings ? 1 : 0;
}
