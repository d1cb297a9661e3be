#include <QDialog>
#include <QPushButton>

#include "forms/FormTestSupport.h"
#include "forms/LocationSearch.h"
#include "shell/modHelp.h"

namespace fortunix::formtests {
namespace {

using LocationLookup = FormTest;

TEST_F(LocationLookup, AsksForTheFirstMissingPartOfThePlace) {
    const struct {
        const char* name;
        const char* city;
        const char* state;
        const char* country;
        const char* message;
        const char* focus;
    } cases[] = {
        {"nothing typed", "", "", "", "Please Enter City", "txtMCity"},
        {"city only", "Paris", "", "", "Please Enter State", "txtMState"},
        {"no country", "Paris", "IDF", "", "Please Enter Country", "txtMCountry"},
        {"no city but the rest", "", "IDF", "France", "Please Enter City", "txtMCity"},
    };
    frmMain& form = ShownMainWindow();
    for (const auto& row : cases) {
        Child<QLineEdit>(&form, "txtMCity")->setText(row.city);
        Child<QLineEdit>(&form, "txtMState")->setText(row.state);
        Child<QLineEdit>(&form, "txtMCountry")->setText(row.country);
        Child<QLineEdit>(&form, "txtName")->setFocus();
        fake.messages.shown.clear();

        Child<QPushButton>(&form, "cmdBrowser")->click();

        ASSERT_EQ(fake.messages.shown.size(), 1u) << row.name;
        EXPECT_EQ(fake.messages.shown[0].text, row.message) << row.name;
        EXPECT_EQ(fake.messages.shown[0].icon, MessageIcon::Information) << row.name;
        EXPECT_EQ(QApplication::focusWidget(), Child<QLineEdit>(&form, row.focus)) << row.name;
        EXPECT_TRUE(fake.web.opened.isEmpty()) << row.name;
    }
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

// The look-up hands the place as typed to LocationSearch, whose window offers a web search of
// the main site among its choices.
TEST_F(LocationLookup, LooksUpThePlaceAsTypedWithTheMainSite) {
    frmMain& form = ShownMainWindow();
    Child<QLineEdit>(&form, "txtMCity")->setText("Paris");
    Child<QLineEdit>(&form, "txtMState")->setText("IDF");
    Child<QLineEdit>(&form, "txtMCountry")->setText("France");

    Child<QPushButton>(&form, "cmdBrowser")->click();

    auto* choice = form.findChild<QDialog*>();
    ASSERT_NE(choice, nullptr) << "no place-choice window";
    EXPECT_TRUE(QMetaObject::invokeMethod(choice, "webSearchChosen"));
    EXPECT_EQ(
        Joined(fake.web.opened),
        (MainSiteBase() + "/search?q=Paris%20IDF%20France%20Latitude%20Longitude").toStdString());
    EXPECT_TRUE(fake.messages.shown.empty());
}

TEST_F(LocationLookup, FieldsHoldingOnlySpacesCountAsFilledIn) {
    frmMain& form = ShownMainWindow();
    for (const char* box : {"txtMCity", "txtMState", "txtMCountry"}) {
        Child<QLineEdit>(&form, box)->setText(" ");
    }
    Child<QPushButton>(&form, "cmdBrowser")->click();
    EXPECT_TRUE(fake.messages.shown.empty());
}

}  // namespace
}  // namespace fortunix::formtests
