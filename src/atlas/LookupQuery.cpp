#include "atlas/LookupQuery.h"

#include <QStringView>
#include <algorithm>
#include <optional>
#include <vector>

#include "atlas/CityCandidates.h"
#include "atlas/NameMatch.h"
#include "atlas/PlaceRanking.h"
#include "atlas/SearchKey.h"

namespace fortunix::atlas {

namespace {

const QString kQuerySuffix = QStringLiteral(" Latitude Longitude");

struct Cut {
    PlaceQuery fields;
    RankedPlace best;
};

// The words of the joined text, split at every single space, and the bytes of letters and
// digits each adds to a search key. A run of words has at least as many bytes in its key as the
// sum of its words, so that sum tells which runs are too long to name anything in the atlas.
class Words {
  public:
    explicit Words(QStringView text) : text_(text) {
        qsizetype start = 0;
        while (true) {
            starts_.push_back(start);
            const qsizetype space = text.indexOf(u' ', start);
            const qsizetype end = space < 0 ? text.size() : space;
            keyByteSums_.push_back((keyByteSums_.empty() ? 0 : keyByteSums_.back()) +
                                   CompactKey(SearchKey(text.sliced(start, end - start))).size());
            if (space < 0) {
                break;
            }
            start = space + 1;
        }
        starts_.push_back(text.size() + 1);
        keyByteSums_.insert(keyByteSums_.begin(), 0);
    }

    qsizetype Count() const { return static_cast<qsizetype>(starts_.size()) - 1; }

    // Words from..to-1 as they stand in the text, with the spaces between them.
    QStringView Run(qsizetype from, qsizetype to) const {
        return text_.sliced(starts_[Index(from)], starts_[Index(to)] - 1 - starts_[Index(from)]);
    }

    qsizetype KeyBytes(qsizetype from, qsizetype to) const {
        return keyByteSums_[Index(to)] - keyByteSums_[Index(from)];
    }
    qsizetype KeyBytesOf(qsizetype word) const { return KeyBytes(word, word + 1); }

    // The first word from which the remaining words add at most `limit` bytes to a key.
    qsizetype FirstStartWithin(qsizetype limit) const {
        qsizetype start = Count();
        while (start > 0 && KeyBytes(start - 1, Count()) <= limit) {
            --start;
        }
        return start;
    }

  private:
    static std::size_t Index(qsizetype word) { return static_cast<std::size_t>(word); }
    QStringView text_;
    std::vector<qsizetype> starts_;       // of each word, and one past the end of the last
    std::vector<qsizetype> keyByteSums_;  // key bytes of the words before each
};

// The longest search keys (in bytes) that can name a place, a division or a country.
struct LongestNames {
    qsizetype place = 0;
    qsizetype division = 0;
    qsizetype country = 0;
};

LongestNames LongestNamesOf(const Atlas& atlas) {
    LongestNames longest;
    longest.place = atlas.longestPlaceKey();
    for (qsizetype index = 0; index < atlas.otherNameCount(); ++index) {
        longest.place = std::max(longest.place, atlas.otherNameKey(index).size());
    }
    for (qsizetype index = 0; index < atlas.divisionCount(); ++index) {
        const auto [nameKey, codeKey] = atlas.divisionKeys(index);
        // Its compact name and initials are no longer than its name.
        longest.division = std::max({longest.division, nameKey.size(), codeKey.size()});
    }
    longest.country = atlas.longestCountryKey();
    return longest;
}

}  // namespace

QString LookupQueryText(const PlaceQuery& fields) {
    return fields.city + u' ' + fields.state + u' ' + fields.country + kQuerySuffix;
}

PlaceQuery SplitLookupQuery(const Atlas& atlas, const QString& query) {
    const QString text = query.endsWith(kQuerySuffix) ? query.chopped(kQuerySuffix.size()) : query;
    // Each field gives at least one word, an empty one when the field is empty, and a field
    // holding spaces gives empty words too; so every field is a non-empty run of words.
    const Words words(text);
    const qsizetype count = words.Count();
    const LongestNames longest = LongestNamesOf(atlas);
    // Where the shortest country begins that is not too long to name a country.
    const qsizetype firstCountryStart = words.FirstStartWithin(longest.country);

    std::optional<Cut> best;
    // The scan of the whole atlas is the costly step: it runs once, for the first words that
    // make a city at all, and the longer cities narrow its candidates down.
    std::optional<std::vector<CityCandidate>> shortestCity;
    for (qsizetype cityEnd = 1; cityEnd + 2 <= count; ++cityEnd) {
        if (words.KeyBytes(0, cityEnd) > longest.place) {
            break;  // no place name is that long, nor a longer city's
        }
        // A city without letters matches nothing, and one ending in a word without letters
        // matches as the city without it, whose cuts give that word to the state.
        if (words.KeyBytesOf(cityEnd - 1) == 0) {
            continue;
        }
        const QStringView city = words.Run(0, cityEnd);
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
            if (stateEnd > cityEnd + 1) {
                // A state too long to name a division, before a country too long to name a
                // country, ranks the city's places as the shortest state does: skip ahead.
                if (words.KeyBytes(cityEnd, stateEnd) > longest.division &&
                    stateEnd < firstCountryStart) {
                    stateEnd = firstCountryStart - 1;
                    continue;
                }
                // A state ending in a word without letters ranks them as the state without
                // that word, whose country begins with it.
                if (words.KeyBytesOf(stateEnd - 1) == 0) {
                    continue;
                }
            }
            const QStringView state = words.Run(cityEnd, stateEnd);
            const QStringView country = words.Run(stateEnd, count);
            // A field too long to name anything ranks as an empty one, without the cost of
            // its search key.
            const bool stateMayName = words.KeyBytes(cityEnd, stateEnd) <= longest.division;
            const bool countryMayName = stateEnd >= firstCountryStart;
            const std::vector<RankedPlace> ranked =
                RankCandidates(atlas, candidates, stateMayName ? state : QStringView(),
                               countryMayName ? country : QStringView(), 1);
            if (!best || RanksAbove(atlas, ranked.front(), best->best)) {
                best = Cut{{city.toString(), state.toString(), country.toString()}, ranked.front()};
            }
        }
    }
    return best ? best->fields : PlaceQuery{text, QString(), QString()};
}

}  // namespace fortunix::atlas
