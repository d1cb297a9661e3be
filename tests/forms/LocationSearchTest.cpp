#include "forms/LocationSearch.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <array>
#include <cstdint>

#include "atlas/BuiltInAtlas.h"
#include "atlas/QStringPrinter.h"
#include "forms/Windows.h"
#include "forms/frmMain.h"
#include "forms/frmPlaceChoice.h"
#include "reading/CurrentReading.h"
#include "shell/modHelp.h"
#include "support/FakePlatform.h"

// The look-up button of the main window with the real atlas: the place-choice window it
// opens, and what confirming, cancelling or asking for the web does to the form. Expected
// coordinates are the gazetteer's decimal degrees turned into minutes by hand.

namespace fortunix {
namespace {

template <typename Widget>
Widget* Child(const QObject* parent, const char* name) {
    auto* widget = parent->findChild<Widget*>(QString::fromLatin1(name));
    EXPECT_NE(widget, nullptr) << "no control named " << name;
    return widget;
}

// The six controls that a confirmed place fills, as the form shows them: "48 51 N 2 21 E".
QString ReadCoordinates(const frmMain& form) {
    return QStringList{Child<QLineEdit>(&form, "txtLatD")->text(),
                       Child<QLineEdit>(&form, "txtLatM")->text(),
                       Child<QRadioButton>(&form, "optLat_1")->isChecked() ? "S" : "N",
                       Child<QLineEdit>(&form, "txtLonD")->text(),
                       Child<QLineEdit>(&form, "txtLonM")->text(),
                       Child<QRadioButton>(&form, "optLong_1")->isChecked() ? "W" : "E"}
        .join(u' ');
}

void WriteCoordinates(frmMain& form, const QString& coordinates) {
    const QStringList parts = coordinates.split(u' ');
    Child<QLineEdit>(&form, "txtLatD")->setText(parts[0]);
    Child<QLineEdit>(&form, "txtLatM")->setText(parts[1]);
    Child<QRadioButton>(&form, parts[2] == "S" ? "optLat_1" : "optLat_0")->setChecked(true);
    Child<QLineEdit>(&form, "txtLonD")->setText(parts[3]);
    Child<QLineEdit>(&form, "txtLonM")->setText(parts[4]);
    Child<QRadioButton>(&form, parts[5] == "W" ? "optLong_1" : "optLong_0")->setChecked(true);
}

// Something the user typed before the look-up, unlike any place below.
const QString kTypedBefore = QStringLiteral("1 2 S 3 4 W");

void FlushClosedWindows() {
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

class LocationSearchTest : public ::testing::Test {
  protected:
    void TearDown() override {
        FlushClosedWindows();
        for (QWidget* window : QApplication::topLevelWidgets()) {
            if (qobject_cast<atlas::frmPlaceChoice*>(window) != nullptr) {
                delete window;
            }
        }
        for (QWidget* window : windows::Loaded()) {
            delete window;
        }
    }

    frmMain& ShownForm() {
        frmMain& form = windows::Main();
        form.show();
        return form;
    }

    // Types the place and clicks the look-up button; answers the place-choice window it opens.
    atlas::frmPlaceChoice* LookUp(frmMain& form, const char* city, const char* state,
                                  const char* country) {
        Child<QLineEdit>(&form, "txtMCity")->setText(QString::fromUtf8(city));
        Child<QLineEdit>(&form, "txtMState")->setText(QString::fromUtf8(state));
        Child<QLineEdit>(&form, "txtMCountry")->setText(QString::fromUtf8(country));
        Child<QPushButton>(&form, "cmdBrowser")->click();
        return OpenChoiceWindow();
    }

    static atlas::frmPlaceChoice* OpenChoiceWindow() {
        for (QWidget* window : QApplication::topLevelWidgets()) {
            auto* choice = qobject_cast<atlas::frmPlaceChoice*>(window);
            if (choice != nullptr && choice->isVisible()) {
                return choice;
            }
        }
        return nullptr;
    }

    static QStringList ListedPlaces(const atlas::frmPlaceChoice& window) {
        QStringList lines;
        const auto* list = Child<QListWidget>(&window, "lstPlaces");
        for (int row = 0; row < list->count(); ++row) {
            lines.append(list->item(row)->text());
        }
        return lines;
    }

    fakes::FakePlatform fake;
};

TEST_F(LocationSearchTest, ConfirmingTheFirstPlaceFillsTheSixControls) {
    struct Row {
        const char* name;
        const char *city, *state, *country, *firstLine, *filled;
    };
    const Row rows[] = {
        {"north and east", "Paris", "IDF", "France",
         "Paris, Île-de-France, France: 48°51′ N, 2°21′ E", "48 51 N 2 21 E"},
        {"north and west", "New York", "NY", "USA",
         "New York City, New York, United States: 40°43′ N, 74°00′ W", "40 43 N 74 0 W"},
        {"south and east", "Sydney", "NSW", "Australia",
         "Sydney, New South Wales, Australia: 33°52′ S, 151°12′ E", "33 52 S 151 12 E"},
        {"south and west", "Buenos Aires", "Capital", "Argentina",
         "Buenos Aires, Buenos Aires F.D., Argentina: 34°37′ S, 58°23′ W", "34 37 S 58 23 W"},
        {"typed without accents", "Sao Paulo", "SP", "Brazil",
         "São Paulo, São Paulo, Brazil: 23°33′ S, 46°38′ W", "23 33 S 46 38 W"},
    };
    frmMain& form = ShownForm();
    for (const Row& row : rows) {
        // Opposite hemispheres before, so that each one must be set.
        WriteCoordinates(
            form, QString::fromLatin1(row.filled).contains('S') ? "1 2 N 3 4 E" : kTypedBefore);
        atlas::frmPlaceChoice* window = LookUp(form, row.city, row.state, row.country);
        ASSERT_NE(window, nullptr) << row.name;
        EXPECT_EQ(ListedPlaces(*window).value(0), QString::fromUtf8(row.firstLine)) << row.name;

        Child<QPushButton>(window, "cmdUsePlace")->click();

        EXPECT_EQ(ReadCoordinates(form), QString::fromLatin1(row.filled)) << row.name;
        EXPECT_FALSE(window->isVisible()) << row.name;
        EXPECT_TRUE(fake.web.opened.isEmpty()) << row.name;
        FlushClosedWindows();
    }
}

TEST_F(LocationSearchTest, ConfirmingAnotherRowByButtonOrActivationFillsThatPlace) {
    frmMain& form = ShownForm();
    for (const bool activate : {false, true}) {
        WriteCoordinates(form, kTypedBefore);
        atlas::frmPlaceChoice* window = LookUp(form, "Portland", "unknown", "USA");
        ASSERT_NE(window, nullptr);
        auto* list = Child<QListWidget>(window, "lstPlaces");
        // Among equal matches the larger population first: Portland, Oregon has about ten
        // times the people of Portland, Maine (43.65737 N, 70.2589 W).
        EXPECT_TRUE(list->item(0)->text().startsWith(QStringLiteral("Portland, Oregon, ")));
        ASSERT_TRUE(list->item(1)->text().startsWith(QStringLiteral("Portland, Maine, ")));
        list->setCurrentRow(1);

        if (activate) {
            emit list->itemActivated(list->item(1));  // a double click or Enter on the line
        } else {
            Child<QPushButton>(window, "cmdUsePlace")->click();
        }

        EXPECT_EQ(ReadCoordinates(form), QStringLiteral("43 39 N 70 16 W")) << activate;
        EXPECT_FALSE(window->isVisible()) << activate;
        FlushClosedWindows();
    }
}

TEST_F(LocationSearchTest, CancellingOrClosingChangesNothing) {
    frmMain& form = ShownForm();
    const struct {
        const char* name;
        void (*dismiss)(atlas::frmPlaceChoice*);
    } ways[] = {
        {"Cancel", [](atlas::frmPlaceChoice* w) { Child<QPushButton>(w, "cmdCancel")->click(); }},
        {"close box", [](atlas::frmPlaceChoice* w) { w->close(); }},
        {"Escape", [](atlas::frmPlaceChoice* w) { w->reject(); }},
    };
    for (const auto& way : ways) {
        WriteCoordinates(form, kTypedBefore);
        atlas::frmPlaceChoice* window = LookUp(form, "Paris", "IDF", "France");
        ASSERT_NE(window, nullptr) << way.name;

        way.dismiss(window);

        EXPECT_FALSE(window->isVisible()) << way.name;
        EXPECT_EQ(ReadCoordinates(form), kTypedBefore) << way.name;
        EXPECT_TRUE(fake.web.opened.isEmpty()) << way.name;
        FlushClosedWindows();
    }
}

// Known or not, the place can be searched on the web instead; the form keeps its input.
TEST_F(LocationSearchTest, UnknownPlaceIsSaidSoAndTheWebSearchIsOfferedAlways) {
    struct Row {
        const char *city, *state, *country;
        QString prompt;
        bool found;
        QString query;
    };
    const Row rows[] = {
        {"Xyzzyville", "Nowhere", "Atlantis",
         "No place matching \"Xyzzyville, Nowhere, Atlantis\" was found in the atlas.\nYou can "
         "search the web for its latitude and longitude instead.",
         false, "Xyzzyville Nowhere Atlantis Latitude Longitude"},
        {"Paris", "IDF", "France",
         "Places matching \"Paris, IDF, France\", most likely first. Choose your place of birth:",
         true, "Paris IDF France Latitude Longitude"},
    };
    frmMain& form = ShownForm();
    for (const Row& row : rows) {
        fake.web.opened.clear();
        WriteCoordinates(form, kTypedBefore);
        atlas::frmPlaceChoice* window = LookUp(form, row.city, row.state, row.country);
        ASSERT_NE(window, nullptr) << row.city;
        EXPECT_EQ(Child<QLabel>(window, "lblPrompt")->text(), row.prompt);
        EXPECT_EQ(Child<QListWidget>(window, "lstPlaces")->isHidden(), !row.found) << row.city;
        auto* cmdUsePlace = Child<QPushButton>(window, "cmdUsePlace");
        auto* cmdSearchWeb = Child<QPushButton>(window, "cmdSearchWeb");
        EXPECT_EQ(cmdUsePlace->isHidden(), !row.found) << row.city;
        EXPECT_FALSE(cmdSearchWeb->isHidden()) << row.city;
        EXPECT_EQ((row.found ? cmdUsePlace : cmdSearchWeb)->isDefault(), true) << row.city;

        cmdSearchWeb->click();

        EXPECT_EQ(fake.web.opened,
                  QStringList{WebLocationSearchAddress(row.query, MainSiteBase())});
        EXPECT_EQ(ReadCoordinates(form), kTypedBefore) << row.city;
        EXPECT_FALSE(window->isVisible()) << row.city;
        FlushClosedWindows();
    }
}

TEST_F(LocationSearchTest, TheWindowIsModalOverTheMainWindowAndCredited) {
    frmMain& form = ShownForm();
    // There are more than twenty Springfields in the United States alone.
    atlas::frmPlaceChoice* window = LookUp(form, "Springfield", "IL", "USA");
    ASSERT_NE(window, nullptr);
    EXPECT_EQ(window->parentWidget(), &form);
    EXPECT_EQ(window->windowModality(), Qt::WindowModal);
    EXPECT_EQ(window->windowTitle(), QStringLiteral("Find Latitude & Longitude"));
    EXPECT_TRUE(Child<QLabel>(window, "lblCredit")->text().contains(QStringLiteral("GeoNames")));
    EXPECT_EQ(ListedPlaces(*window).size(), 20);
}

TEST_F(LocationSearchTest, AReadingAfterConfirmingUsesTheFilledCoordinates) {
    frmMain& form = ShownForm();
    Child<QLineEdit>(&form, "txtName")->setText(QStringLiteral("JOHN"));
    atlas::frmPlaceChoice* window = LookUp(form, "Sydney", "NSW", "Australia");
    ASSERT_NE(window, nullptr);
    Child<QPushButton>(window, "cmdUsePlace")->click();

    Child<QPushButton>(&form, "cmdRashi")->click();

    EXPECT_TRUE(fake.messages.shown.empty());
    EXPECT_EQ((std::array{birthRecord.latDeg, birthRecord.latMin, birthRecord.lonDeg,
                          birthRecord.lonMin}),
              (std::array<std::int16_t, 4>{33, 52, 151, 12}));
    EXPECT_EQ(birthRecord.isSouth, kTrue16);
    EXPECT_EQ(birthRecord.isEast, kTrue16);
}

TEST_F(LocationSearchTest, ACallWithoutTheMainWindowTakesTheQueryApart) {
    LocationSearch search;
    QVariant result(42);
    search.Search(QStringLiteral("New York New York United States Latitude Longitude"),
                  QStringLiteral("https://site.test"), result);
    atlas::frmPlaceChoice* window = OpenChoiceWindow();
    ASSERT_NE(window, nullptr);
    EXPECT_EQ(ListedPlaces(*window).value(0),
              QStringLiteral("New York City, New York, United States: 40°43′ N, 74°00′ W"));
    EXPECT_EQ(Child<QLabel>(window, "lblPrompt")->text(),
              QStringLiteral("Places matching \"New York, New York, United States\", most "
                             "likely first. Choose your place of birth:"));

    Child<QPushButton>(window, "cmdSearchWeb")->click();

    EXPECT_EQ(result, QVariant(42));
    EXPECT_EQ(fake.web.opened,
              QStringList{"https://site.test/search?q=New%20York%20New%20York%20United%20States"
                          "%20Latitude%20Longitude"});
}

// Holds when the test runs in a process of its own, as CTest runs each test.
TEST_F(LocationSearchTest, TheAtlasIsReadOnTheFirstLookUpNotAtStartUp) {
    if (atlas::IsBuiltInAtlasLoaded()) {
        GTEST_SKIP() << "an earlier test in this process has read the atlas";
    }
    frmMain& form = ShownForm();
    EXPECT_FALSE(atlas::IsBuiltInAtlasLoaded());

    LookUp(form, "Paris", "IDF", "France");

    EXPECT_TRUE(atlas::IsBuiltInAtlasLoaded());
}

}  // namespace
}  // namespace fortunix
