#include "reading/BirthFormState.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace fortunix {
namespace {

BirthFormState Birth(const std::string& name) {
    BirthFormState state;
    state.fields.name = name;
    state.fields.yearText = "2000";
    state.fields.hourText = "12";
    state.fields.minuteText = "0";
    return state;
}

std::vector<std::string> Names(const std::vector<BirthFormState>& births) {
    std::vector<std::string> names;
    for (const BirthFormState& birth : births) {
        names.push_back(birth.fields.name);
    }
    return names;
}

TEST(AddRecentBirth, KeepsTheNewestFirstAndDropsTheOldestPastTheLimit) {
    std::vector<BirthFormState> births;
    std::vector<std::string> expected;
    for (int count = 1; count <= 21; ++count) {
        const std::string name = "PERSON " + std::to_string(count);
        AddRecentBirth(births, Birth(name));
        if (count <= 20) {
            expected.insert(expected.begin(), name);
        }
        EXPECT_EQ(births.size(), static_cast<std::size_t>(std::min(count, 20))) << count;
    }
    expected.pop_back();  // the 21st pushes the first out
    expected.insert(expected.begin(), "PERSON 21");
    EXPECT_EQ(Names(births), expected);
    EXPECT_EQ(births.back().fields.name, "PERSON 2");
}

// The same reading asked for again moves to the front, once; what the reading does not read
// makes no new entry, what it reads does.
TEST(AddRecentBirth, ListsTheSameReadingOnce) {
    const auto with = [](auto change) {
        BirthFormState state = Birth("ANN");
        change(state);
        return state;
    };
    const struct {
        const char* name;
        BirthFormState again;
        std::size_t kept;
    } rows[] = {
        {"the very same form", Birth("ANN"), 2},
        {"other seconds", with([](BirthFormState& s) { s.secondIndex = 30; }), 2},
        {"another city typed", with([](BirthFormState& s) { s.city = "Bath"; }), 2},
        {"another minute", with([](BirthFormState& s) { s.fields.minuteText = "1"; }), 3},
        {"another zone row", with([](BirthFormState& s) { s.zoneRow = 30; }), 3},
        {"the tick", with([](BirthFormState& s) { s.fields.dst = true; }), 3},
        {"another birthplace time", with([](BirthFormState& s) {
             s.zoneRow = 71;
             s.birthplaceTimeMinutes = 345;
         }),
         3},
        {"another name", Birth("BOB"), 3},
    };
    for (const auto& row : rows) {
        std::vector<BirthFormState> births;
        AddRecentBirth(births, Birth("ANN"));
        AddRecentBirth(births, Birth("ZED"));
        AddRecentBirth(births, row.again);
        EXPECT_EQ(births.size(), row.kept) << row.name;
        EXPECT_EQ(births.front(), row.again) << row.name;  // the newest form is the one kept
    }
}

}  // namespace
}  // namespace fortunix
