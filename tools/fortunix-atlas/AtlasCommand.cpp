#include "AtlasCommand.h"

#include <QByteArray>

#include "CandidateLine.h"
#include "atlas/BuiltInAtlas.h"
#include "atlas/PlaceSearch.h"
#include "atlas/QuotedExcerpt.h"
#include "zones/ZoneHistory.h"

namespace fortunix::atlastool {

const char kUsage[] =
    "Usage: fortunix-atlas CITY STATE COUNTRY [--at YYYY-MM-DDTHH:MM]\n"
    "       fortunix-atlas --help   (or /?)\n"
    "\n"
    "Lists the built-in atlas's places for a birthplace, most likely first, as the\n"
    "place-choice window lists them. CITY, STATE and COUNTRY are what the main window's\n"
    "boxes would hold; \"\" for one left empty.\n"
    "\n"
    "  --at  the birth moment, local time at the place, in a year that the zone history\n"
    "        holds (1900 to 2050): adds the time zone kept at that moment\n"
    "\n"
    "Output: a header line, then one tab-separated line per place:\n"
    "  place, division, country, latitude, longitude (decimal degrees, north and east\n"
    "  positive), timezone, utc_offset, dst, zone_row, matched_name, batch_zone\n"
    "  A birth there at that moment is read by fortunix-batch with batch_zone as its\n"
    "  zone and dst as its dst. Notes go to standard error.\n"
    "\n"
    "Exit status:\n"
    "  0  a place matched\n"
    "  1  no place matched (the closest spellings, when there are any, are listed)\n"
    "  2  the command line was not understood\n";

namespace {

// As many as the place-choice window lists.
constexpr std::size_t kPlacesListed = 20;

bool Write(const TextSink& sink, const QString& text) {
    const QByteArray utf8 = text.toUtf8();
    return sink(std::string_view(utf8.constData(), std::size_t(utf8.size())));
}

void WriteNote(const TextSink& err, const QString& note) {
    Write(err, QStringLiteral("fortunix-atlas: ") + note + u'\n');
}

CommandLineError UsageError() {
    return CommandLineError{QString::fromUtf8(kUsage)};
}

}  // namespace

std::variant<AtlasQuery, HelpAsked, CommandLineError> ParseArguments(QStringList arguments) {
    const QString atOption = QStringLiteral("--at");
    if (!arguments.isEmpty() && arguments.last() == atOption) {
        return UsageError();  // a trailing --at has no value, whatever comes before it
    }
    if (arguments.size() == 1 && (arguments[0] == u"--help" || arguments[0] == u"/?")) {
        return HelpAsked{};
    }
    AtlasQuery query;
    const qsizetype atIndex = arguments.indexOf(atOption);
    if (atIndex >= 0) {
        query.at = ParseMoment(arguments[atIndex + 1]);
        if (!query.at) {
            return CommandLineError{
                QStringLiteral("fortunix-atlas: --at takes a date and time as 2000-07-01T12:00\n")};
        }
        arguments.remove(atIndex, 2);
    }
    if (arguments.size() != 3) {
        return UsageError();
    }
    query.place = arguments;
    return query;
}

int RunAtlasCommand(const QStringList& arguments, const TextSink& out, const TextSink& err) {
    const auto parsed = ParseArguments(arguments);
    if (const auto* error = std::get_if<CommandLineError>(&parsed)) {
        Write(err, error->message);
        return kWrongCommandLine;
    }
    if (std::holds_alternative<HelpAsked>(parsed)) {
        return out(kUsage) ? kPlaceFound : kWrongCommandLine;
    }
    const AtlasQuery& query = std::get<AtlasQuery>(parsed);

    // The clock history is built only for a moment: without one, a line names its zone only.
    std::optional<ClockQuery> clock;
    if (query.at) {
        clock.emplace(ClockQuery{zones::BuiltInZoneHistory(), *query.at});
        const std::optional<zones::YearSpan> years = clock->history.years();
        if (years && (query.at->year < years->first || query.at->year > years->last)) {
            WriteNote(err, QStringLiteral("--at takes a year from %1 to %2, the years whose clocks "
                                          "the zone history holds")
                               .arg(years->first)
                               .arg(years->last));
            return kWrongCommandLine;
        }
    }

    const atlas::Atlas& atlas = atlas::BuiltInAtlas();
    const atlas::PlaceLookup lookup =
        atlas::LookUpPlace(atlas, {query.place[0], query.place[1], query.place[2]}, kPlacesListed);
    const QString country = atlas::QuotedExcerpt(query.place[2].trimmed());
    if (lookup.unknownCountry) {
        WriteNote(err, QStringLiteral("no country named '%1' is known; places of every country "
                                      "follow")
                           .arg(country));
    }
    if (lookup.noneInCountry) {
        WriteNote(err, QStringLiteral("nothing matching was found in '%1'; places of other "
                                      "countries follow")
                           .arg(country));
    }
    if (lookup.closeSpellings) {
        WriteNote(err, QStringLiteral("no place matches; the closest spellings follow"));
    }
    if (lookup.places.empty()) {
        WriteNote(err, QStringLiteral("no place matches \"%1\", and no name is spelled close to it")
                           .arg(atlas::QuotedExcerpt(query.place[0].trimmed())));
    }
    Write(out, HeaderLine() + u'\n');
    for (const atlas::RankedPlace& ranked : lookup.places) {
        Write(out, CandidateLine(atlas, zones::BuiltInZoneNames(), ranked.place, clock,
                                 ranked.otherName) +
                       u'\n');
    }
    return lookup.places.empty() || lookup.closeSpellings ? kNoPlace : kPlaceFound;
}

}  // namespace fortunix::atlastool
