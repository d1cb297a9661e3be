#include "atlas/LookupQuery.h"

#include <QStringList>
#include <optional>
#include <vector>

#include "atlas/SearchKey.h"

namespace fortunix::atlas {

namespace {

const QString kQuerySuffix = QStringLiteral(" Latitude Longitude");

QString JoinWords(const QStringList& words, qsizetype from, qsizetype to) {
    return words.mid(from, to - from).join(u' ');
}

struct Cut {
    PlaceQuery fields;
    RankedPlace best;
};

}  // namespace

QString LookupQueryText(const PlaceQuery& fields) {
    return fields.city + u' ' + fields.state + u' ' + fields.country + kQuerySuffix;
}

PlaceQuery SplitLookupQuery(const Atlas& atlas, const QString& query) {
    const QString text = query.endsWith(kQuerySuffix) ? query.chopped(kQuerySuffix.size()) : query;
    // Each field gives at least one word, an empty one when the field is empty, and a field
    // holding spaces gives empty words too; so every field is a non-empty run of words.
    const QStringList words = text.split(u' ');
    const qsizetype count = words.size();

    std::optional<Cut> best;
    // The scan of the whole atlas is the costly step: it runs once, for the first words that
    // make a city at all, and the longer cities narrow its candidates down.
    std::optional<std::vector<CityCandidate>> shortestCity;
    for (qsizetype cityEnd = 1; cityEnd + 2 <= count; ++cityEnd) {
        const QString city = JoinWords(words, 0, cityEnd);
        if (!shortestCity && PlaceNameKey(city).isEmpty()) {
            continue;
        }
        std::vector<CityCandidate> candidates;
        if (shortestCity) {
            candidates = NarrowCityCandidates(atlas, *shortestCity, city);
        } else {
            shortestCity = FindCityCandidates(atlas, city);
            candidates = *shortestCity;
        }
        if (candidates.empty()) {
            continue;
        }
        for (qsizetype stateEnd = cityEnd + 1; stateEnd < count; ++stateEnd) {
            PlaceQuery fields{city, JoinWords(words, cityEnd, stateEnd),
                              JoinWords(words, stateEnd, count)};
            const std::vector<RankedPlace> ranked =
                RankCandidates(atlas, candidates, fields.state, fields.country, 1);
            if (!best || RanksAbove(atlas, ranked.front(), best->best)) {
                best = Cut{std::move(fields), ranked.front()};
            }
        }
    }
    return best ? best->fields : PlaceQuery{text, QString(), QString()};
}

}  // namespace fortunix::atlas
