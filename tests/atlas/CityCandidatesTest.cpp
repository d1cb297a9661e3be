#include "atlas/CityCandidates.h"

#include <gtest/gtest.h>

#include <QStringList>

#include "atlas/QStringPrinter.h"

namespace fortunix::atlas {
namespace {

Atlas SmallAtlas() {
    Atlas atlas = Atlas::FromTables("DE\tGermany\t\nLV\tLatvia\t\nRU\tRussia\t\n", "",
                                    "Köln\tDE\t\t50.93\t6.95\t960000\n"
                                    "Munich\tDE\t\t48.13\t11.57\t1260000\n"
                                    "Riga\tLV\t\t56.94\t24.1\t742572\n"
                                    "Тула\tRU\t\t54.2\t37.6\t500000\n"
                                    "Bad Münster am Stein\tDE\t\t49.81\t7.84\t3000\n"
                                    "Moscow\tRU\t\t55.75\t37.62\t12000000");
    atlas.attachOtherNames("Köln|Cologne\nMünchen|Munchen\nRyga\n\n\nМосква|Mǝskwa\n",
                           "koeln|cologne\nmunchen|munchen\nryga\n\n\nмосква|mǝskwa\n", "");
    return atlas;
}

// "Munich (Munchen) 0": each candidate's main name, the other name it was found by, and the
// letters it is off.
QStringList Described(const Atlas& atlas, const std::vector<CityCandidate>& candidates) {
    QStringList lines;
    for (const CityCandidate& candidate : candidates) {
        QString line = atlas.placeName(candidate.place);
        if (candidate.otherName != kMainName) {
            line += QStringLiteral(" (") + atlas.otherName(candidate.otherName) + u')';
        }
        lines.append(line + u' ' + QString::number(candidate.letterEdits));
    }
    return lines;
}

struct CandidatesCase {
    const char* name;
    const char* typed;
    QStringList expected;
};

TEST(FindCityCandidates, EachPlaceOnceByItsBestName) {
    const CandidatesCase cases[] = {
        {"main name", "Riga", {"Riga 0"}},
        {"a word inside a name of several", "Münster", {"Bad Münster am Stein 0"}},
        {"two words inside a name of several", "munster am", {"Bad Münster am Stein 0"}},
        {"other name", "Cologne", {"Köln (Cologne) 0"}},
        {"the other name that only spells out the umlaut shows the main name", "Koeln", {"Köln 0"}},
        {"of two other names alike, the one spelled as typed", "munchen", {"Munich (Munchen) 0"}},
        {"the same, spelled the other way", "MÜNCHEN", {"Munich (München) 0"}},
        {"Cyrillic", "тула", {"Тула 0"}},
        {"part of a word", "Mun", {}},
    };
    const Atlas atlas = SmallAtlas();
    for (const CandidatesCase& row : cases) {
        EXPECT_EQ(Described(atlas, FindCityCandidates(atlas, QString::fromUtf8(row.typed))),
                  row.expected)
            << row.name;
    }
}

// A typed city of up to four letters may be one letter off; from five letters, two. Edits
// counted by hand.
TEST(FindCloseSpellings, OneLetterOffUpToFourLettersTwoFromFive) {
    const CandidatesCase cases[] = {
        {"three letters, the name one longer", "Rig", {"Riga 1"}},
        {"three letters, two off", "Rgi", {}},
        {"two letters, the name two longer", "Ri", {}},
        {"four letters, one off", "Rigo", {"Riga 1"}},
        {"four letters, two off", "Roge", {}},
        {"five letters, two off", "Rogae", {"Riga 2"}},
        {"five letters, three off", "Rogee", {}},
        {"six letters, the name two shorter", "Rigaaa", {"Riga 2"}},
        {"seven letters, the name three shorter", "Rigaaaa", {}},
        {"four Cyrillic letters (eight bytes), one off", "Тыла", {"Тула 1"}},
        {"four Cyrillic letters, two off", "Тыло", {}},
        {"five Cyrillic letters, two off", "Тылаа", {"Тула 2"}},
        {"closer by another name", "Munchn", {"Munich (München) 1"}},
        {"closer by the main name", "Kolnn", {"Köln 1"}},
        {"as close by the main name as by another: the main name", "Rxga", {"Riga 1"}},
        {"nothing typed", " ", {}},
        {"a Cyrillic slip, by the Cyrillic name", "Моксва", {"Moscow (Москва) 1"}},
        {"a Cyrillic slip in capitals", "МОСКВ", {"Moscow (Москва) 1"}},
        {"typed in ASCII: no other name beyond it", "Meskwa", {}},
        {"typed beyond ASCII: such names too", "Mǝskwo", {"Moscow (Mǝskwa) 1"}},
    };
    const Atlas atlas = SmallAtlas();
    for (const CandidatesCase& row : cases) {
        EXPECT_EQ(Described(atlas, FindCloseSpellings(atlas, QString::fromUtf8(row.typed))),
                  row.expected)
            << row.name;
    }
}

// Other names as the gazetteer has them: the main name with where the place lies added, two
// spaces where a comma was dropped.
TEST(ShownOtherName, LeavesOutTheMainNameWithWordsAddedAndCollapsesSpaces) {
    Atlas atlas = Atlas::FromTables("US\tUnited States\t\nCA\tCanada\t\n", "",
                                    "Potsdam\tUS\t\t44.67\t-74.98\t9688\n"
                                    "Buffalo\tUS\t\t42.89\t-78.88\t258071\n"
                                    "North Vancouver\tCA\t\t49.32\t-123.07\t48000\n"
                                    "Linz\tUS\t\t1\t1\t10\n");
    atlas.attachOtherNames(
        "Potsdam  New York\nBuffalo i New York|City of Buffalo\n"
        "Vancouver Utara  British Columbia\nLinzer Land\n",
        "potsdam new york\nbuffalo i new york|city of buffalo\n"
        "vancouver utara british columbia\nlinzer land\n",
        "");
    const CandidatesCase found[] = {
        {"the main name with words added after it", "Potsdam New York", {"Potsdam 0"}},
        {"the same, a word between", "Buffalo i New York", {"Buffalo 0"}},
        {"the main name with words added before it", "City of Buffalo", {"Buffalo 0"}},
        {"another name, its run of spaces as one",
         "Vancouver Utara",
         {"North Vancouver (Vancouver Utara British Columbia) 0"}},
        {"the main name inside a longer word is another name", "Linzer", {"Linz (Linzer Land) 0"}},
    };
    for (const CandidatesCase& row : found) {
        EXPECT_EQ(Described(atlas, FindCityCandidates(atlas, QString::fromUtf8(row.typed))),
                  row.expected)
            << row.name;
    }
    EXPECT_EQ(Described(atlas, FindCloseSpellings(atlas, QStringLiteral("Buffalo New York"))),
              QStringList{"Buffalo 2"});
}

}  // namespace
}  // namespace fortunix::atlas
