#include "atlas/PlaceRanking.h"

#include <gtest/gtest.h>

namespace fortunix::atlas {
namespace {

// Places 0 to 2 are alike but for where they lie; 1 and 2 in everything, even population.
Atlas SmallAtlas() {
    return Atlas::FromTables("FR\tFrance\t\nUS\tUnited States\tUSA\n",
                             "FR\t11\tÎle-de-France\nUS\tTX\tTexas\n",
                             "Paris\tFR\t11\t48.85\t2.35\t25000\n"
                             "Paris\tUS\tTX\t33.66\t-95.56\t25000\n"
                             "Paris\tUS\tTX\t33.66\t-95.56\t25000\n"
                             "Paris Hills\tUS\tTX\t33\t-95\t90000\n"
                             "Parris\tUS\tTX\t33\t-95\t90000\n"
                             "Pariss\tUS\tTX\t33\t-95\t10\n");
}

const std::vector<CityCandidate> kParis = {
    {0, NameMatch::Exact}, {1, NameMatch::Exact}, {2, NameMatch::Exact}, {3, NameMatch::Prefix}};

std::vector<qsizetype> Order(const std::vector<CityCandidate>& candidates, const char* state,
                             const char* country, std::size_t limit = 10) {
    std::vector<qsizetype> places;
    for (const RankedPlace& ranked :
         RankCandidates(SmallAtlas(), candidates, QString::fromUtf8(state),
                        QString::fromUtf8(country), limit)) {
        places.push_back(ranked.place);
    }
    return places;
}

struct OrderCase {
    const char* name;
    const char* state;
    const char* country;
    std::vector<qsizetype> expected;
};

TEST(RankCandidates, CountryStateNamePopulationAndTheAtlasOrder) {
    const OrderCase cases[] = {
        {"nothing typed: a tie in all but the atlas order", "", "", {0, 1, 2, 3}},
        {"the country first", "", "USA", {1, 2, 3, 0}},
        {"the state next", "Texas", "", {1, 2, 3, 0}},
        {"the typed country before the typed state elsewhere", "Texas", "France", {0, 1, 2, 3}},
        {"a whole name before a longer one of more people", "Texas", "USA", {1, 2, 3, 0}},
        {"the state of an unknown country is unheeded", "Texas", "Atlantis", {0, 1, 2, 3}},
        {"a state that names nothing hides nothing", "Nowhere", "", {0, 1, 2, 3}},
    };
    for (const OrderCase& row : cases) {
        EXPECT_EQ(Order(kParis, row.state, row.country), row.expected) << row.name;
    }
}

TEST(RankCandidates, FewerLettersOffThenMorePeople) {
    const std::vector<CityCandidate> close = {{5, NameMatch::None, kMainName, 1},
                                              {4, NameMatch::None, kMainName, 1},
                                              {1, NameMatch::None, kMainName, 2}};
    EXPECT_EQ(Order(close, "", ""), (std::vector<qsizetype>{4, 5, 1}));
}

TEST(RankCandidates, KeepsTheBestUpToTheLimit) {
    EXPECT_EQ(Order(kParis, "", "USA", 2), (std::vector<qsizetype>{1, 2}));
    EXPECT_EQ(Order(kParis, "", "USA", 4), (std::vector<qsizetype>{1, 2, 3, 0}));
    EXPECT_EQ(Order(kParis, "", "USA", 0), (std::vector<qsizetype>{}));
}

}  // namespace
}  // namespace fortunix::atlas
