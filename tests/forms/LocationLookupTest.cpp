#include <QPushButton>

#include "forms/FormTestSupport.h"
#include "forms/LocationSearch.h"
#include "support/ModalWindow.h"

namespace fortunix::formtests {
namespace {

using LocationLookup = FormTest;

// Fields holding only spaces count as filled in; the look-up itself is the atlas's.
TEST_F(LocationLookup, AsksForTheFirstMissingPartOfThePlace) {
    const struct {
        const char* name;
        const char* city;
        const char* state;
        const char* country;
        const char* message;  // nullptr when the look-up goes ahead
        const char* focus;
    } cases[] = {
        {"nothing typed", "", "", "", "Please Enter City", "txtMCity"},
        {"city only", "Paris", "", "", "Please Enter State", "txtMState"},
        {"no country", "Paris", "IDF", "", "Please Enter Country", "txtMCountry"},
        {"no city but the rest", "", "IDF", "France", "Please Enter City", "txtMCity"},
        {"only spaces", " ", " ", " ", nullptr, nullptr},
    };
    frmMain& form = ShownMainWindow();
    for (const auto& row : cases) {
        Child<QLineEdit>(&form, "txtMCity")->setText(row.city);
        Child<QLineEdit>(&form, "txtMState")->setText(row.state);
        Child<QLineEdit>(&form, "txtMCountry")->setText(row.country);
        Child<QLineEdit>(&form, "txtName")->setFocus();
        fake.messages.shown.clear();

        // A look-up that goes ahead waits for a place to be chosen: cancel it.
        const bool lookedUp = test_support::AnswerModalWindow(
                                  [&form] { Child<QPushButton>(&form, "cmdBrowser")->click(); },
                                  test_support::CloseModalWindow)
                                  .shown;

        EXPECT_TRUE(fake.web.opened.isEmpty()) << row.name;
        if (row.message == nullptr) {
            EXPECT_TRUE(fake.messages.shown.empty()) << row.name;
            EXPECT_TRUE(lookedUp) << row.name;
            continue;
        }
        EXPECT_FALSE(lookedUp) << row.name;
        ExpectOneMessage(row.message, MessageIcon::Information, row.name);
        EXPECT_EQ(QApplication::focusWidget(), Child<QLineEdit>(&form, row.focus)) << row.name;
    }
}

// A place chosen for a slip (Моксва) puts its own names in the boxes, so that they name the
// place the coordinates are of.
TEST_F(LocationLookup, AChosenPlaceNamesItselfInTheBoxes) {
    frmMain& form = ShownMainWindow();
    Child<QLineEdit>(&form, "txtMCity")->setText(QString::fromUtf8("Моксва"));
    Child<QLineEdit>(&form, "txtMState")->setText(QString::fromUtf8("Москва"));
    Child<QLineEdit>(&form, "txtMCountry")->setText(QString::fromUtf8("Россия"));
    ASSERT_TRUE(test_support::AnswerModalWindow(
                    [&form] { Child<QPushButton>(&form, "cmdBrowser")->click(); },
                    [](QWidget& window) { Child<QPushButton>(&window, "cmdUsePlace")->click(); })
                    .shown);
    const BirthFormState state = form.FormState();
    EXPECT_EQ(state.fields.latDeg + ' ' + state.fields.latMin, "55 45");  // 55.7522
    EXPECT_EQ(state.city + '/' + state.state + '/' + state.country, "Moscow/Moscow/Russia");
    ASSERT_TRUE(state.place.has_value());
    EXPECT_EQ(state.place->name, "Moscow");
}

TEST(WebLocationSearch, SearchesTheSiteForTheQueryPercentEncodedAsUtf8) {
    const struct {
        const char* name;
        const char* query;
        const char* encodedQuery;
    } cases[] = {
        {"Paris", "Paris IDF France Latitude Longitude",
         "Paris%20IDF%20France%20Latitude%20Longitude"},
        {"spaces are text", "      Latitude Longitude", "%20%20%20%20%20%20Latitude%20Longitude"},
        {"UTF-8 letters", "Z\u00FCrich ZH Schweiz", "Z%C3%BCrich%20ZH%20Schweiz"},
        {"reserved characters", "St. John's NL Canada & more",
         "St.%20John%27s%20NL%20Canada%20%26%20more"},
    };
    for (const auto& row : cases) {
        fakes::FakePlatform fake;
        OpenWebLocationSearch(QString::fromUtf8(row.query), "https://site.test");
        EXPECT_EQ(Joined(fake.web.opened),
                  "https://site.test/search?q=" + std::string(row.encodedQuery))
            << row.name;
    }
}

}  // namespace
}  // namespace fortunix::formtests
