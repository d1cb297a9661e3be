#include "AtlasCommand.h"

#include <gtest/gtest.h>

#include <string>

#include "support/TempFile.h"

namespace fortunix::atlastool {
namespace {

const char kUsage[] = "usage: fortunix-atlas CITY STATE COUNTRY [--at YYYY-MM-DDTHH:MM]\n";
const char kBadMoment[] = "fortunix-atlas: --at takes a date and time as 2000-07-01T12:00\n";

// The query as one text, "place|place|place @ y-m-d h:m", or the error message.
std::string Outcome(const QStringList& arguments) {
    const auto parsed = ParseArguments(arguments);
    if (const auto* error = std::get_if<CommandLineError>(&parsed)) {
        return error->message.toStdString();
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
        {"--at as the last argument", {"Paris", "IDF", "France", "--at"}, kUsage},
        {"--at without a place after its value",
         {"Paris", "IDF", "--at", "2000-07-01T12:00"},
         kUsage},
        {"29 February of a common year", {"A", "B", "C", "--at", "1999-02-29T12:00"}, kBadMoment},
        {"hour 24", {"A", "B", "C", "--at", "2000-07-01T24:00"}, kBadMoment},
        {"minute 60", {"A", "B", "C", "--at", "2000-07-01T23:60"}, kBadMoment},
        {"seconds", {"A", "B", "C", "--at", "2000-07-01T12:00:00"}, kBadMoment},
        {"two places", {"Paris", "France"}, kUsage},
        {"four places", {"Paris", "IDF", "France", "Europe"}, kUsage},
        {"no argument", {}, kUsage},
        {"--at twice: the second is a place",
         {"--at", "2000-07-01T12:00", "A", "B", "C", "--at"},
         kUsage},
    };
    for (const auto& row : rows) {
        EXPECT_EQ(Outcome(row.arguments), row.expected) << row.name;
    }
}

// A wrong command line ends with status 2, its message on standard error and nothing on
// standard output.
TEST(RunAtlasCommand, WrongCommandLineWritesOnlyItsMessage) {
    const test_support::TempFile out;
    const test_support::TempFile err;
    ASSERT_NE(out.get(), nullptr);
    ASSERT_NE(err.get(), nullptr);
    EXPECT_EQ(RunAtlasCommand({"Paris", "IDF", "France", "--at"}, out.get(), err.get()), 2);
    EXPECT_EQ(out.Contents(), "");
    EXPECT_EQ(err.Contents(), kUsage);
}

}  // namespace
}  // namespace fortunix::atlastool
