#include "AtlasRun.h"

#include <gtest/gtest.h>

#include <string>
#include <string_view>

namespace fortunix::atlastool {
namespace {

const std::string kUsageText = kUsage;
const char kBadMoment[] = "fortunix-atlas: --at takes a date and time as 2000-07-01T12:00\n";

// The query as one text, "place|place|place @ y-m-d h:m", "help", or the error message.
std::string Outcome(const QStringList& arguments) {
    const auto parsed = ParseArguments(arguments);
    if (const auto* error = std::get_if<CommandLineError>(&parsed)) {
        return error->message.toStdString();
    }
    if (std::holds_alternative<HelpAsked>(parsed)) {
        return "help";
    }
    const AtlasQuery& query = std::get<AtlasQuery>(parsed);
    std::string text = query.place.join(u'|').toStdString();
    if (query.at) {
        text += " @ " + std::to_string(query.at->year) + '-' + std::to_string(query.at->month) +
                '-' + std::to_string(query.at->day) + ' ' + std::to_string(query.at->hour) + ':' +
                std::to_string(query.at->minute);
    }
    return text;
}

TEST(ParseArguments, PlaceAndMoment) {
    const struct {
        const char* name;
        QStringList arguments;
        std::string expected;
    } rows[] = {
        {"a place", {"Paris", "IDF", "France"}, "Paris|IDF|France"},
        {"--at last",
         {"Paris", "IDF", "France", "--at", "2000-07-01T12:00"},
         "Paris|IDF|France @ 2000-7-1 12:0"},
        {"--at first",
         {"--at", "1901-01-01T00:00", "Paris", "IDF", "France"},
         "Paris|IDF|France @ 1901-1-1 0:0"},
        {"--at between",
         {"Paris", "--at", "2050-12-31T23:59", "IDF", "France"},
         "Paris|IDF|France @ 2050-12-31 23:59"},
        {"29 February of a leap year",
         {"A", "B", "C", "--at", "2000-02-29T12:00"},
         "A|B|C @ 2000-2-29 12:0"},
        {"--help", {"--help"}, "help"},
        {"/?, as Windows programs take it", {"/?"}, "help"},
        {"--at as the last argument", {"Paris", "IDF", "France", "--at"}, kUsageText},
        {"--at alone", {"--at"}, kUsageText},
        {"--at after --help", {"--help", "--at"}, kUsageText},
        {"--at after /?", {"/?", "--at"}, kUsageText},
        {"--at taking --at", {"--at", "--at"}, kUsageText},
        {"--at last after a whole query",
         {"--at", "2000-07-01T12:00", "A", "B", "--at"},
         kUsageText},
        {"--at last after a place and a moment",
         {"--at", "2000-07-01T12:00", "A", "B", "C", "--at"},
         kUsageText},
        {"--at without a place after its value",
         {"Paris", "IDF", "--at", "2000-07-01T12:00"},
         kUsageText},
        {"--help with a place", {"--help", "Paris"}, kUsageText},
        {"29 February of a common year", {"A", "B", "C", "--at", "1999-02-29T12:00"}, kBadMoment},
        {"hour 24", {"A", "B", "C", "--at", "2000-07-01T24:00"}, kBadMoment},
        {"minute 60", {"A", "B", "C", "--at", "2000-07-01T23:60"}, kBadMoment},
        {"seconds", {"A", "B", "C", "--at", "2000-07-01T12:00:00"}, kBadMoment},
        {"two places", {"Paris", "France"}, kUsageText},
        {"four places", {"Paris", "IDF", "France", "Europe"}, kUsageText},
        {"no argument", {}, kUsageText},
    };
    for (const auto& row : rows) {
        EXPECT_EQ(Outcome(row.arguments), row.expected) << row.name;
    }
}

const std::string kHeader =
    "place\tdivision\tcountry\tlatitude\tlongitude\ttimezone\tutc_offset\tdst\tzone_row\t"
    "matched_name\tbatch_zone\n";

// What the command writes, and where, for each kind of answer. The zone history holds the
// years 1900 to 2050 (tools/atlas/build-zones.js cuts it there).
TEST(RunAtlasCommand, SaysWhatHappened) {
    const std::string yearRefused =
        "fortunix-atlas: --at takes a year from 1900 to 2050, the years whose clocks the zone "
        "history holds\n";
    const std::string nothingClose = "\", and no name is spelled close to it\n";
    struct Row {
        const char* name;
        QStringList arguments;
        int status;
        std::string outStart;  // the whole output when it is the header alone
        std::string err;
    };
    const Row rows[] = {
        {"--help", {"--help"}, kPlaceFound, kUsageText, ""},
        {"/?", {"/?"}, kPlaceFound, kUsageText, ""},
        {"a trailing --at", {"Paris", "IDF", "France", "--at"}, kWrongCommandLine, "", kUsageText},
        {"a trailing --at after --help", {"--help", "--at"}, kWrongCommandLine, "", kUsageText},
        {"a year before the history",
         {"New York", "", "USA", "--at", "1899-12-31T23:59"},
         kWrongCommandLine,
         "",
         yearRefused},
        {"its first year",
         {"New York", "", "USA", "--at", "1900-01-01T00:00"},
         kPlaceFound,
         kHeader + "New York City\tNew York\tUnited States\t",
         ""},
        {"its last year",
         {"New York", "", "USA", "--at", "2050-12-31T23:59"},
         kPlaceFound,
         kHeader + "New York City\tNew York\tUnited States\t",
         ""},
        {"a year after the history",
         {"New York", "", "USA", "--at", "2051-07-01T12:00"},
         kWrongCommandLine,
         "",
         yearRefused},
        {"an empty city",
         {"", "", ""},
         kNoPlace,
         kHeader,
         "fortunix-atlas: no place matches \"" + nothingClose},
        {"a blank city",
         {"  ", "NY", "USA"},
         kNoPlace,
         kHeader,
         "fortunix-atlas: no place matches \"" + nothingClose},
        {"a city of symbols",
         {"?!#", "", ""},
         kNoPlace,
         kHeader,
         "fortunix-atlas: no place matches \"?!#" + nothingClose},
        {"a city of bytes that are no UTF-8",
         {QString::fromUtf8("\xff\xfe"), "", ""},
         kNoPlace,
         kHeader,
         "fortunix-atlas: no place matches \"\xEF\xBF\xBD\xEF\xBF\xBD" + nothingClose},
        {"close spellings only",
         {"Lodnon", "England", "UK"},
         kNoPlace,
         kHeader + "London\tEngland\tUnited Kingdom\t",
         "fortunix-atlas: no place matches; the closest spellings follow\n"},
        {"a known country without the place",
         {"München", "Bayern", "Nepal"},
         kPlaceFound,
         kHeader + "Munich\tBavaria\tGermany\t",
         "fortunix-atlas: nothing matching was found in 'Nepal'; places of other countries "
         "follow\n"},
        {"a country written in another language, holding the place",
         {"München", "Bayern", "Deutschland"},
         kPlaceFound,
         kHeader + "Munich\tBavaria\tGermany\t",
         ""},
        {"an unknown country of 60 characters is quoted whole",
         {"Paris", "", QString(60, u'x')},
         kPlaceFound,
         kHeader + "Paris\t",
         "fortunix-atlas: no country named '" + std::string(60, 'x') +
             "' is known; places of every country follow\n"},
        {"an unknown country of 61 characters is cut",
         {"Paris", "", QString(61, u'x')},
         kPlaceFound,
         kHeader + "Paris\t",
         "fortunix-atlas: no country named '" + std::string(60, 'x') +
             "…' is known; places of every country follow\n"},
        {"an unknown country of 20,000 characters",
         {"Paris", "", QString(20000, u'x')},
         kPlaceFound,
         kHeader + "Paris\t",
         "fortunix-atlas: no country named '" + std::string(60, 'x') +
             "…' is known; places of every country follow\n"},
    };
    for (const Row& row : rows) {
        const AtlasRun run = RunAtlas(row.arguments);
        EXPECT_EQ(run.status, row.status) << row.name;
        if (row.outStart == kHeader || row.outStart.empty() || row.outStart == kUsageText) {
            EXPECT_EQ(run.out, row.outStart) << row.name;
        } else {
            EXPECT_EQ(run.out.substr(0, row.outStart.size()), row.outStart) << row.name;
        }
        EXPECT_EQ(run.err, row.err) << row.name;
    }
}

}  // namespace
}  // namespace fortunix::atlastool
