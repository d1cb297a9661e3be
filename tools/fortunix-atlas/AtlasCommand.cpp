#include "AtlasCommand.h"

#include <QByteArray>

#include "CandidateLine.h"
#include "atlas/BuiltInAtlas.h"
#include "atlas/PlaceSearch.h"
#include "zones/ZoneHistory.h"

namespace fortunix::atlastool {

namespace {

// As many as the place-choice window lists.
constexpr std::size_t kPlacesListed = 20;

constexpr int kPlaceFound = 0;
constexpr int kNoPlace = 1;
constexpr int kWrongCommandLine = 2;

const char kUsage[] = "usage: fortunix-atlas CITY STATE COUNTRY [--at YYYY-MM-DDTHH:MM]\n";

void PrintLine(const QString& line, std::FILE* out) {
    const QByteArray utf8 = line.toUtf8();
    std::fwrite(utf8.constData(), 1, static_cast<std::size_t>(utf8.size()), out);
    std::fputc('\n', out);
}

}  // namespace

std::variant<AtlasQuery, CommandLineError> ParseArguments(QStringList arguments) {
    AtlasQuery query;
    const qsizetype atOption = arguments.indexOf(QStringLiteral("--at"));
    if (atOption >= 0) {
        if (atOption + 1 >= arguments.size()) {
            return CommandLineError{QString::fromLatin1(kUsage)};
        }
        query.at = ParseMoment(arguments[atOption + 1]);
        if (!query.at) {
            return CommandLineError{
                QStringLiteral("fortunix-atlas: --at takes a date and time as 2000-07-01T12:00\n")};
        }
        arguments.remove(atOption, 2);
    }
    if (arguments.size() != 3) {
        return CommandLineError{QString::fromLatin1(kUsage)};
    }
    query.place = arguments;
    return query;
}

int RunAtlasCommand(const QStringList& arguments, std::FILE* out, std::FILE* err) {
    const std::variant<AtlasQuery, CommandLineError> parsed = ParseArguments(arguments);
    if (const auto* error = std::get_if<CommandLineError>(&parsed)) {
        std::fputs(error->message.toUtf8().constData(), err);
        return kWrongCommandLine;
    }
    const AtlasQuery& query = std::get<AtlasQuery>(parsed);

    const atlas::Atlas& atlas = atlas::BuiltInAtlas();
    const zones::ZoneHistory& history = zones::BuiltInZoneHistory();
    const atlas::PlaceLookup lookup =
        atlas::LookUpPlace(atlas, {query.place[0], query.place[1], query.place[2]}, kPlacesListed);
    if (lookup.unknownCountry) {
        std::fprintf(err,
                     "fortunix-atlas: no country named '%s' is known; places of every "
                     "country follow\n",
                     query.place[2].trimmed().toUtf8().constData());
    }
    if (lookup.closeSpellings) {
        std::fputs("fortunix-atlas: no place matches; the closest spellings follow\n", err);
    }
    PrintLine(HeaderLine(), out);
    for (const atlas::RankedPlace& ranked : lookup.places) {
        PrintLine(CandidateLine(atlas, history, ranked.place, query.at, ranked.otherName), out);
    }
    return lookup.places.empty() || lookup.closeSpellings ? kNoPlace : kPlaceFound;
}

}  // namespace fortunix::atlastool
