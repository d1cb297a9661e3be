#include "forms/LocationSearch.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QTimer>
#include <array>
#include <cstdint>
#include <functional>

#include "atlas/BuiltInAtlas.h"
#include "atlas/QStringPrinter.h"
#include "forms/ProgramLanguage.h"
#include "forms/Windows.h"
#include "forms/frmMain.h"
#include "forms/frmPlaceChoice.h"
#include "reading/CurrentReading.h"
#include "reading/ReadingChain.h"
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

using Answer = std::function<void(frmPlaceChoice&)>;

frmPlaceChoice* OpenChoiceWindow() {
    for (QWidget* window : QApplication::topLevelWidgets()) {
        auto* choice = qobject_cast<frmPlaceChoice*>(window);
        if (choice != nullptr && choice->isVisible()) {
            return choice;
        }
    }
    return nullptr;
}

// Runs `open`, which is to open the place-choice window and wait for the user, and gives
// `answer` the window while it waits; `answer` is expected to close it. A window left open is
// closed after 5 s and the test fails instead of hanging. False when no window opened.
bool AnswerChoiceWindow(const std::function<void()>& open, const Answer& answer) {
    bool answered = false;
    QTimer answering;
    answering.setSingleShot(true);
    QObject::connect(&answering, &QTimer::timeout, [&] {
        if (frmPlaceChoice* window = OpenChoiceWindow()) {
            answered = true;
            answer(*window);
        }
    });
    bool leftOpen = false;
    QTimer safety;
    safety.setSingleShot(true);
    QObject::connect(&safety, &QTimer::timeout, [&] {
        if (frmPlaceChoice* window = OpenChoiceWindow()) {
            leftOpen = true;
            window->reject();
        }
    });
    answering.start(0);
    safety.start(5000);
    open();
    EXPECT_FALSE(leftOpen) << "the place-choice window stayed open";
    return answered;
}

QStringList ListedPlaces(const frmPlaceChoice& window) {
    QStringList lines;
    const auto* list = Child<QListWidget>(&window, "lstPlaces");
    for (int row = 0; row < list->count(); ++row) {
        lines.append(list->item(row)->text());
    }
    return lines;
}

void Click(QWidget* window, const char* button) {
    Child<QPushButton>(window, button)->click();
}

class LocationSearchTest : public ::testing::Test {
  protected:
    void TearDown() override {
        for (QWidget* window : windows::Loaded()) {
            delete window;
        }
    }

    frmMain& ShownForm() {
        frmMain& form = windows::Main();
        form.show();
        return form;
    }

    // Types the place, clicks the look-up button and answers the place-choice window.
    bool LookUp(frmMain& form, const char* city, const char* state, const char* country,
                const Answer& answer) {
        Child<QLineEdit>(&form, "txtMCity")->setText(QString::fromUtf8(city));
        Child<QLineEdit>(&form, "txtMState")->setText(QString::fromUtf8(state));
        Child<QLineEdit>(&form, "txtMCountry")->setText(QString::fromUtf8(country));
        return AnswerChoiceWindow([&form] { Click(&form, "cmdBrowser"); }, answer);
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
        const bool opened = LookUp(form, row.city, row.state, row.country, [&](frmPlaceChoice& w) {
            EXPECT_EQ(ListedPlaces(w).value(0), QString::fromUtf8(row.firstLine)) << row.name;
            Click(&w, "cmdUsePlace");
            EXPECT_FALSE(w.isVisible()) << row.name;
        });
        ASSERT_TRUE(opened) << row.name;
        EXPECT_EQ(ReadCoordinates(form), QString::fromLatin1(row.filled)) << row.name;
        EXPECT_TRUE(fake.web.opened.isEmpty()) << row.name;
    }
}

TEST_F(LocationSearchTest, ConfirmingAnotherRowByButtonOrActivationFillsThatPlace) {
    frmMain& form = ShownForm();
    for (const bool activate : {false, true}) {
        WriteCoordinates(form, kTypedBefore);
        const bool opened = LookUp(form, "Portland", "unknown", "USA", [&](frmPlaceChoice& w) {
            auto* list = Child<QListWidget>(&w, "lstPlaces");
            ASSERT_GE(list->count(), 2);
            // Among equal matches the larger population first: Portland, Oregon has about ten
            // times the people of Portland, Maine (43.65737 N, 70.2589 W).
            EXPECT_TRUE(list->item(0)->text().startsWith(QStringLiteral("Portland, Oregon, ")));
            EXPECT_TRUE(list->item(1)->text().startsWith(QStringLiteral("Portland, Maine, ")));
            list->setCurrentRow(1);
            if (activate) {
                emit list->itemActivated(list->item(1));  // a double click or Enter on the line
            } else {
                Click(&w, "cmdUsePlace");
            }
            EXPECT_FALSE(w.isVisible()) << activate;
        });
        ASSERT_TRUE(opened) << activate;
        EXPECT_EQ(ReadCoordinates(form), QStringLiteral("43 39 N 70 16 W")) << activate;
    }
}

TEST_F(LocationSearchTest, CancellingOrClosingChangesNothing) {
    frmMain& form = ShownForm();
    const struct {
        const char* name;
        void (*dismiss)(frmPlaceChoice&);
    } ways[] = {
        {"Cancel", [](frmPlaceChoice& w) { Click(&w, "cmdCancel"); }},
        {"close box", [](frmPlaceChoice& w) { w.close(); }},
        {"Escape", [](frmPlaceChoice& w) { w.reject(); }},
    };
    for (const auto& way : ways) {
        WriteCoordinates(form, kTypedBefore);
        const bool opened = LookUp(form, "Paris", "IDF", "France", [&](frmPlaceChoice& w) {
            way.dismiss(w);
            EXPECT_FALSE(w.isVisible()) << way.name;
        });
        ASSERT_TRUE(opened) << way.name;
        EXPECT_EQ(ReadCoordinates(form), kTypedBefore) << way.name;
        EXPECT_TRUE(fake.web.opened.isEmpty()) << way.name;
    }
}

// Known or not, the place can be searched on the web instead; the form keeps its input. The
// web search carries the query exactly as the look-up button joins it, single spaces and all.
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
        {"New York", "NY", "USA",
         "Places matching \"New York, NY, USA\", most likely first. Choose your place of birth:",
         true, "New York NY USA Latitude Longitude"},
    };
    frmMain& form = ShownForm();
    for (const Row& row : rows) {
        fake.web.opened.clear();
        WriteCoordinates(form, kTypedBefore);
        const bool opened = LookUp(form, row.city, row.state, row.country, [&](frmPlaceChoice& w) {
            EXPECT_EQ(Child<QLabel>(&w, "lblPrompt")->text(), row.prompt);
            EXPECT_EQ(Child<QListWidget>(&w, "lstPlaces")->isHidden(), !row.found) << row.city;
            auto* cmdUsePlace = Child<QPushButton>(&w, "cmdUsePlace");
            auto* cmdSearchWeb = Child<QPushButton>(&w, "cmdSearchWeb");
            EXPECT_EQ(cmdUsePlace->isHidden(), !row.found) << row.city;
            EXPECT_FALSE(cmdSearchWeb->isHidden()) << row.city;
            EXPECT_EQ((row.found ? cmdUsePlace : cmdSearchWeb)->isDefault(), true) << row.city;
            cmdSearchWeb->click();
            EXPECT_FALSE(w.isVisible()) << row.city;
        });
        ASSERT_TRUE(opened) << row.city;
        EXPECT_EQ(fake.web.opened,
                  QStringList{WebLocationSearchAddress(row.query, MainSiteBase())});
        EXPECT_EQ(ReadCoordinates(form), kTypedBefore) << row.city;
    }
}

// A place found by another name shows it beside the main name; a country that names none is
// said to be unknown; a slip of the pen offers the closest spellings. London lies at
// 51.50853 N, 0.12574 W; Munich at 48.13743 N, 11.57549 E.
TEST_F(LocationSearchTest, OtherNamesUnknownCountriesAndSlipsAreShownAsSuch) {
    struct Row {
        const char *city, *state, *country;
        QString prompt;
        QString countryNote;
        const char* firstLine;
    };
    const QString didYouMean = QStringLiteral(
        "No place matching \"Lodnon, England, Angleterre\" was found in the atlas. Did you "
        "mean:");
    const Row rows[] = {
        {"München", "Bayern", "Germany",
         "Places matching \"München, Bayern, Germany\", most likely first. Choose your place of "
         "birth:",
         "", "Munich (München), Bavaria, Germany: 48°08′ N, 11°35′ E"},
        {"Londres", " ", "Royaume-Uni",
         "Places matching \"Londres, Royaume-Uni\", most likely first. Choose your place of "
         "birth:",
         "", "London (Londres), England, United Kingdom: 51°31′ N, 0°08′ W"},
        {"Londres", " ", "Royaume Uni Kingdom",
         "Places matching \"Londres, Royaume Uni Kingdom\", most likely first. Choose your place "
         "of birth:",
         "No country named 'Royaume Uni Kingdom' is known; showing places in every country",
         "London (Londres), England, United Kingdom: 51°31′ N, 0°08′ W"},
        {"Lodnon", "England", "Angleterre", didYouMean,
         "No country named 'Angleterre' is known; showing places in every country",
         "London, England, United Kingdom: 51°31′ N, 0°08′ W"},
        {"München", "Bayern", "Nepal",
         "Places matching \"München, Bayern, Nepal\", most likely first. Choose your place of "
         "birth:",
         "Nothing matching was found in 'Nepal'; showing places in other countries",
         "Munich (München), Bavaria, Germany: 48°08′ N, 11°35′ E"},
    };
    frmMain& form = ShownForm();
    for (const Row& row : rows) {
        WriteCoordinates(form, kTypedBefore);
        const bool opened = LookUp(form, row.city, row.state, row.country, [&](frmPlaceChoice& w) {
            EXPECT_EQ(Child<QLabel>(&w, "lblPrompt")->text(), row.prompt);
            auto* lblCountry = Child<QLabel>(&w, "lblCountry");
            EXPECT_EQ(lblCountry->isHidden(), row.countryNote.isEmpty()) << row.city;
            EXPECT_EQ(lblCountry->text(), row.countryNote);
            EXPECT_EQ(ListedPlaces(w).value(0), QString::fromUtf8(row.firstLine));
            EXPECT_TRUE(Child<QPushButton>(&w, "cmdUsePlace")->isDefault()) << row.city;
            EXPECT_FALSE(Child<QPushButton>(&w, "cmdSearchWeb")->isHidden()) << row.city;
            Click(&w, "cmdUsePlace");
        });
        ASSERT_TRUE(opened) << row.city;
        const bool munich = QString::fromUtf8(row.firstLine).startsWith(u"Munich");
        EXPECT_EQ(ReadCoordinates(form), munich ? "48 8 N 11 35 E" : "51 31 N 0 8 W") << row.city;
    }
}

// A birthplace typed in its own script is listed by its main name with the name it was found
// by; a slip in Cyrillic or Greek is offered under "Did you mean"; what is written right to
// left is quoted between the isolates U+2068 and U+2069. Moscow lies at 55.75222 N,
// 37.61556 E (55°45.1′, 37°36.9′), Athens at 37.98376 N, 23.72784 E (37°59.0′, 23°43.7′),
// Cairo at 30.06263 N, 31.24967 E (30°3.8′, 31°15.0′).
TEST_F(LocationSearchTest, PlacesInTheirOwnScriptAndSlipsInThem) {
    struct Row {
        const char *city, *country;
        const char* prompt;
        const char* firstLine;
        const char* coordinates;
    };
    const Row rows[] = {
        {"Москва", "Россия",
         "Places matching \"Москва, Россия\", most likely first. Choose your place of birth:",
         "Moscow (Москва), Moscow, Russia: 55°45′ N, 37°37′ E", "55 45 N 37 37 E"},
        {"Моксва", "Россия",
         "No place matching \"Моксва, Россия\" was found in the atlas. Did you mean:",
         "Moscow (Москва), Moscow, Russia: 55°45′ N, 37°37′ E", "55 45 N 37 37 E"},
        {"Αθνήα", "Ελλάδα",
         "No place matching \"Αθνήα, Ελλάδα\" was found in the atlas. Did you mean:",
         "Athens (Αθήνα), Attica, Greece: 37°59′ N, 23°44′ E", "37 59 N 23 44 E"},
        {"القاهرة", "مصر",
         "Places matching \"\u2068القاهرة, مصر\u2069\", most likely first. Choose your place of "
         "birth:",
         "Cairo (\u2068القاهرة\u2069), Cairo, Egypt: 30°04′ N, 31°15′ E", "30 4 N 31 15 E"},
    };
    frmMain& form = ShownForm();
    for (const Row& row : rows) {
        WriteCoordinates(form, kTypedBefore);
        const bool opened = LookUp(form, row.city, " ", row.country, [&](frmPlaceChoice& w) {
            EXPECT_EQ(Child<QLabel>(&w, "lblPrompt")->text(), QString::fromUtf8(row.prompt));
            EXPECT_TRUE(Child<QLabel>(&w, "lblCountry")->isHidden()) << row.city;
            EXPECT_EQ(ListedPlaces(w).value(0), QString::fromUtf8(row.firstLine));
            Click(&w, "cmdUsePlace");
        });
        ASSERT_TRUE(opened) << row.city;
        EXPECT_EQ(ReadCoordinates(form), row.coordinates) << row.city;
    }
}

// In another language a place line names the country as that language does; the form keeps
// the atlas's name, which every language's look-up finds again.
TEST_F(LocationSearchTest, PlaceLinesNameTheCountryInTheLanguageInUse) {
    UseLanguage(QStringLiteral("ru"));
    frmMain& form = ShownForm();
    const bool opened = LookUp(form, "Москва", " ", "Россия", [](frmPlaceChoice& w) {
        EXPECT_EQ(ListedPlaces(w).value(0),
                  QStringLiteral("Moscow (Москва), Moscow, Россия: 55°45′ N, 37°37′ E"));
        Click(&w, "cmdUsePlace");
    });
    UseLanguage(QStringLiteral("en"));
    ASSERT_TRUE(opened);
    EXPECT_EQ(Child<QLineEdit>(&form, "txtMCountry")->text(), QStringLiteral("Russia"));
}

// Whatever length was typed, the window quotes at most 60 characters of it, and stays about
// the height of a short answer instead of growing past the screen.
TEST_F(LocationSearchTest, ALongEntryIsQuotedShort) {
    const std::string city(5000, 'x');
    const std::string country(5000, 'y');
    const QString ellipsis = QString::fromUtf8("…");
    frmMain& form = ShownForm();
    int shortHeight = 0;
    ASSERT_TRUE(LookUp(form, "Xyzzyville", " ", " ", [&](frmPlaceChoice& w) {
        shortHeight = w.height();
        Click(&w, "cmdCancel");
    }));
    ASSERT_TRUE(LookUp(form, city.c_str(), " ", " ", [&](frmPlaceChoice& w) {
        EXPECT_EQ(Child<QLabel>(&w, "lblPrompt")->text(),
                  "No place matching \"" + QString(60, u'x') + ellipsis +
                      "\" was found in the atlas.\nYou can search the web for its latitude and "
                      "longitude instead.");
        EXPECT_LE(w.height(), 2 * shortHeight);
        Click(&w, "cmdCancel");
    }));
    ASSERT_TRUE(LookUp(form, "Paris", " ", country.c_str(), [&](frmPlaceChoice& w) {
        EXPECT_EQ(Child<QLabel>(&w, "lblPrompt")->text(),
                  "Places matching \"Paris, " + QString(53, u'y') + ellipsis +
                      "\", most likely first. Choose your place of birth:");
        EXPECT_EQ(Child<QLabel>(&w, "lblCountry")->text(),
                  "No country named '" + QString(60, u'y') + ellipsis +
                      "' is known; showing places in every country");
        Click(&w, "cmdCancel");
    }));
}

TEST_F(LocationSearchTest, TheWindowIsModalOverTheMainWindowAndCredited) {
    frmMain& form = ShownForm();
    // There are more than twenty Springfields in the United States alone.
    const bool opened = LookUp(form, "Springfield", "IL", "USA", [&form](frmPlaceChoice& w) {
        EXPECT_EQ(w.parentWidget(), &form);
        EXPECT_EQ(w.windowModality(), Qt::WindowModal);
        EXPECT_EQ(w.windowTitle(), QStringLiteral("Find Latitude & Longitude"));
        EXPECT_TRUE(Child<QLabel>(&w, "lblCredit")->text().contains(QStringLiteral("GeoNames")));
        EXPECT_EQ(ListedPlaces(w).size(), 20);
        w.reject();
    });
    EXPECT_TRUE(opened);
}

TEST_F(LocationSearchTest, AReadingAfterConfirmingUsesTheFilledCoordinates) {
    frmMain& form = ShownForm();
    Child<QLineEdit>(&form, "txtName")->setText(QStringLiteral("JOHN"));
    ASSERT_TRUE(LookUp(form, "Sydney", "NSW", "Australia",
                       [](frmPlaceChoice& w) { Click(&w, "cmdUsePlace"); }));

    Click(&form, "cmdRashi");

    EXPECT_TRUE(fake.messages.shown.empty());
    EXPECT_EQ((std::array{birthRecord.latDeg, birthRecord.latMin, birthRecord.lonDeg,
                          birthRecord.lonMin}),
              (std::array<std::int16_t, 4>{33, 52, 151, 12}));
    EXPECT_EQ(birthRecord.isSouth, kTrue16);
    EXPECT_EQ(birthRecord.isEast, kTrue16);
}

// Without the typed fields the query is taken apart against the atlas; the chosen place comes
// back as the output value, and a web search leaves the output value as it was.
TEST_F(LocationSearchTest, ACallWithTheQueryAloneTakesItApartAndReturnsTheChosenPlace) {
    const QString query = QStringLiteral("New York New York United States Latitude Longitude");
    const struct {
        const char* name;
        const char* button;
        bool placeReturned;
        QStringList opened;
    } rows[] = {
        {"place confirmed", "cmdUsePlace", true, {}},
        {"web search",
         "cmdSearchWeb",
         false,
         {"https://site.test/search?q=New%20York%20New%20York%20United%20States"
          "%20Latitude%20Longitude"}},
    };
    for (const auto& row : rows) {
        fake.web.opened.clear();
        QVariant result(42);
        const bool opened = AnswerChoiceWindow(
            [&] { LocationSearch().Search(query, QStringLiteral("https://site.test"), result); },
            [&](frmPlaceChoice& w) {
                EXPECT_EQ(ListedPlaces(w).value(0),
                          QStringLiteral("New York City, New York, United States: 40°43′ N, "
                                         "74°00′ W"));
                EXPECT_EQ(Child<QLabel>(&w, "lblPrompt")->text(),
                          QStringLiteral("Places matching \"New York, New York, United States\", "
                                         "most likely first. Choose your place of birth:"));
                Click(&w, row.button);
            });
        ASSERT_TRUE(opened) << row.name;
        if (row.placeReturned) {
            ASSERT_TRUE(result.canConvert<ChosenPlace>()) << row.name;
            const ChosenPlace place = result.value<ChosenPlace>();
            EXPECT_EQ((std::array{place.latitude.degrees, place.latitude.minutes,
                                  place.longitude.degrees, place.longitude.minutes}),
                      (std::array{40, 43, 74, 0}));
            EXPECT_TRUE(place.latitude.positive);
            EXPECT_FALSE(place.longitude.positive);
        } else {
            EXPECT_EQ(result, QVariant(42)) << row.name;
        }
        EXPECT_EQ(fake.web.opened, row.opened) << row.name;
    }
}

// Holds when the test runs in a process of its own, as CTest runs each test.
TEST_F(LocationSearchTest, TheAtlasIsReadOnTheFirstLookUpNotAtStartUp) {
    if (atlas::IsBuiltInAtlasLoaded()) {
        GTEST_SKIP() << "an earlier test in this process has read the atlas";
    }
    frmMain& form = ShownForm();
    EXPECT_FALSE(atlas::IsBuiltInAtlasLoaded());

    LookUp(form, "Paris", "IDF", "France", [](frmPlaceChoice& w) { w.reject(); });

    EXPECT_TRUE(atlas::IsBuiltInAtlasLoaded());
}

// The birth moment in the form's lists: month and day from 1, hour and minute.
void SetBirthMoment(frmMain& form, int year, int month, int day, int hour, int minute) {
    Child<QComboBox>(&form, "cboYear")->setCurrentText(QString::number(year));
    Child<QComboBox>(&form, "cboMonth")->setCurrentIndex(month - 1);
    Child<QComboBox>(&form, "cboDate")->setCurrentIndex(day - 1);
    Child<QComboBox>(&form, "cboHH")->setCurrentIndex(hour);
    Child<QComboBox>(&form, "cboMM")->setCurrentIndex(minute);
}

// The zone list's text and the tick: "Eastern Standard Time,EST,-5.0 +DST".
QString ZoneControls(const frmMain& form) {
    return Child<QComboBox>(&form, "cmbTimeZone")->currentText() +
           (Child<QCheckBox>(&form, "chkDST")->isChecked() ? " +DST" : "");
}

// Offsets as the tz source gives them (2026f); the rows as the list names them.
TEST_F(LocationSearchTest, UsingAPlaceSetsTheZoneOfTheBirthMoment) {
    struct Typed {
        const char *city, *state, *country;
    };
    struct Moment {
        int year, month, day, hour, minute;
    };
    struct Row {
        const char* name;
        Typed place;
        Moment moment;
        const char* said;  // the start of what the window says
        const char* controls;
        ZoneState correction;
    };
    const Typed newYork{"New York", "NY", "USA"};
    const Typed kathmandu{"Kathmandu", "Bagmati", "Nepal"};
    const Row rows[] = {
        {"New York 1950, one hour of summer time",
         newYork,
         {1950, 7, 1, 12, 0},
         "Time zone on 1 July 1950, 12:00: UTC−04:00 EDT, summer time (America/New_York)",
         "Eastern Standard Time,EST,-5.0 +DST",
         {5, 0}},
        {"London 1944, double summer time",
         {"London", "England", "UK"},
         {1944, 7, 1, 12, 0},
         "Time zone on 1 July 1944, 12:00: UTC+02:00 BDST, double summer time",
         "British Double Summer Time,BDST,+2.0",
         {-2, 0}},
        {"Kolkata 1943, war time",
         {"Kolkata", "West Bengal", "India"},
         {1943, 6, 1, 12, 0},
         "Time zone on 1 June 1943, 12:00: UTC+06:30, summer time (Asia/Kolkata)",
         "Indian Time, IST, +5.3 +DST",
         {-5, -30}},
        {"Indianapolis 1965, no summer time",
         {"Indianapolis", "IN", "USA"},
         {1965, 7, 1, 12, 0},
         "Time zone on 1 July 1965, 12:00: UTC−05:00 EST, standard time",
         "Eastern Standard Time,EST,-5.0",
         {5, 0}},
        {"Amsterdam 1935, summer time on mean time",
         {"Amsterdam", "North Holland", "Netherlands"},
         {1935, 7, 1, 12, 0},
         "Time zone on 1 July 1935, 12:00: UTC+01:19:32 NST, summer time",
         "Birthplace time,UTC+00:20 +DST",
         {0, -20}},
        {"Kathmandu 1980",
         kathmandu,
         {1980, 7, 1, 12, 0},
         "Time zone on 1 July 1980, 12:00: UTC+05:30, standard time",
         "Indian Time, IST, +5.3",
         {-5, -30}},
        {"Kathmandu 2000",
         kathmandu,
         {2000, 7, 1, 12, 0},
         "Time zone on 1 July 2000, 12:00: UTC+05:45, standard time",
         "Birthplace time,UTC+05:45",
         {-5, -45}},
        // Before 1920 Kathmandu kept its own mean time: 85.3206° E x 4 min = 5 h 41 min 17 s.
        {"Kathmandu 1910, local mean time",
         kathmandu,
         {1910, 7, 1, 12, 0},
         "Time zone on 1 July 1910, 12:00: UTC+05:41:17, local mean time of the birthplace "
         "(before Asia/Kathmandu kept standard time)",
         "Birthplace time,UTC+05:41",
         {-5, -41}},
        {"Dublin in January",
         {"Dublin", "Leinster", "Ireland"},
         {2021, 1, 15, 12, 0},
         "Time zone on 15 January 2021, 12:00: UTC+00:00 GMT, standard time",
         "Greenwich Mean Time,GMT,0.0",
         {0, 0}},
        // Before 1935 St John's kept -3:30:52; 210.87 minutes west rounds to 211.
        {"St John's 1930, seconds west of UT",
         {"St. John's", "Newfoundland and Labrador", "Canada"},
         {1930, 1, 15, 12, 0},
         "Time zone on 15 January 1930, 12:00: UTC−03:30:52 NST, standard time "
         "(America/St_Johns)",
         "Birthplace time,UTC-03:31",
         {3, 31}},
        {"New York 2021, skipped hour",
         newYork,
         {2021, 3, 14, 2, 30},
         "On 14 March 2021 the clocks went forward and 02:30 did not exist there",
         "Eastern Standard Time,EST,-5.0",
         {5, 0}},
    };
    frmMain& form = ShownForm();
    Child<QLineEdit>(&form, "txtName")->setText(QStringLiteral("JOHN"));
    for (const Row& row : rows) {
        const Moment& at = row.moment;
        SetBirthMoment(form, at.year, at.month, at.day, at.hour, at.minute);
        const Typed& place = row.place;
        ASSERT_TRUE(LookUp(form, place.city, place.state, place.country, [&](frmPlaceChoice& w) {
            EXPECT_TRUE(
                Child<QLabel>(&w, "lblZone")->text().startsWith(QString::fromUtf8(row.said)))
                << row.name << ": " << Child<QLabel>(&w, "lblZone")->text().toStdString();
            Click(&w, "cmdUsePlace");
        })) << row.name;
        EXPECT_EQ(ZoneControls(form), QString::fromUtf8(row.controls)) << row.name;
        Click(&form, "cmdRashi");
        EXPECT_EQ(zoneState, row.correction) << row.name;
    }
    EXPECT_TRUE(fake.messages.shown.empty());
}

// Kathmandu, 1 July 2000, 12:00 at UTC+05:45 is 06:15 UT: every engine must see that instant,
// the same as a birth at 06:15 on Greenwich time at the same place.
TEST_F(LocationSearchTest, TheBirthplaceOffsetReachesEveryEngine) {
    frmMain& form = ShownForm();
    Child<QLineEdit>(&form, "txtName")->setText(QStringLiteral("JOHN"));
    SetBirthMoment(form, 2000, 7, 1, 12, 0);
    ASSERT_TRUE(LookUp(form, "Kathmandu", "Bagmati", "Nepal",
                       [](frmPlaceChoice& w) { Click(&w, "cmdUsePlace"); }));
    Click(&form, "cmdRashi");

    BirthRecord greenwich = birthRecord;
    greenwich.hour = 6;
    greenwich.minute = 15;
    const Reading expected = ComputeReading(greenwich, ZoneState{0, 0}, 6, BuiltDegreeSignTable());
    EXPECT_EQ(chartPositions.sun, expected.chart.sun);
    EXPECT_EQ(chartPositions.moon, expected.chart.moon);
    EXPECT_EQ(chartPositions.ascendant, expected.chart.ascendant);
}

TEST_F(LocationSearchTest, ARepeatedHourOffersBothAndTheSecondIsStandardTime) {
    frmMain& form = ShownForm();
    SetBirthMoment(form, 2021, 11, 7, 1, 30);
    for (const int choice : {0, 1}) {
        ASSERT_TRUE(LookUp(form, "New York", "NY", "USA", [&](frmPlaceChoice& w) {
            auto* first = Child<QRadioButton>(&w, "optRepeated_0");
            EXPECT_TRUE(first->isVisible() && first->isChecked());
            EXPECT_EQ(first->text(), QStringLiteral("The first: UTC−04:00 EDT, summer time"));
            Child<QRadioButton>(&w, choice == 0 ? "optRepeated_0" : "optRepeated_1")->click();
            Click(&w, "cmdUsePlace");
        }));
        EXPECT_EQ(ZoneControls(form), choice == 0
                                          ? QStringLiteral("Eastern Standard Time,EST,-5.0 +DST")
                                          : QStringLiteral("Eastern Standard Time,EST,-5.0"));
    }
}

// New York, 7 November 2021: 01:00 to 01:59 came first on EDT (UTC-4), then on EST (UTC-5).
// The window says what each of the two answers sets, as the user moves between them.
TEST_F(LocationSearchTest, EachAnswerOfARepeatedHourSaysWhatItSets) {
    const QString said = QStringLiteral(
        "On 7 November 2021 the clocks went back and 01:30 came twice (America/New_York): "
        "first UTC−04:00 EDT, summer time, then UTC−05:00 EST, standard time. Choose which:\n");
    const QString setsFirst = QStringLiteral(
        "Sets the time zone to \"Eastern Standard Time,EST,-5.0\", with Daylight Saving Time "
        "ticked.");
    const QString setsSecond = QStringLiteral(
        "Sets the time zone to \"Eastern Standard Time,EST,-5.0\", Daylight Saving Time not "
        "ticked.");
    frmMain& form = ShownForm();
    SetBirthMoment(form, 2021, 11, 7, 1, 30);
    ASSERT_TRUE(LookUp(form, "New York", "NY", "USA", [&](frmPlaceChoice& w) {
        auto* zone = Child<QLabel>(&w, "lblZone");
        auto* first = Child<QRadioButton>(&w, "optRepeated_0");
        auto* second = Child<QRadioButton>(&w, "optRepeated_1");
        EXPECT_EQ(second->text(), QStringLiteral("The second: UTC−05:00 EST, standard time"));
        EXPECT_TRUE(second->isVisible());
        EXPECT_EQ(zone->text(), said + setsFirst);
        second->click();
        EXPECT_EQ(zone->text(), said + setsSecond);
        first->click();
        EXPECT_EQ(zone->text(), said + setsFirst);
        second->click();
        Click(&w, "cmdCancel");
    }));
}

// The second of a repeated hour, once chosen, holds while the minute is put right within the
// hour; a moment outside it starts again from the first. Offsets as `zdump -v
// America/New_York` gives them.
TEST_F(LocationSearchTest, TheChosenAnswerOfARepeatedHourHoldsWhileTheMinuteChanges) {
    const QString summer = QStringLiteral("Eastern Standard Time,EST,-5.0 +DST");
    const QString standard = QStringLiteral("Eastern Standard Time,EST,-5.0");
    frmMain& form = ShownForm();
    auto* minute = Child<QComboBox>(&form, "cboMM");
    auto* hour = Child<QComboBox>(&form, "cboHH");
    for (const int choice : {0, 1}) {
        SetBirthMoment(form, 2021, 11, 7, 1, 30);
        ASSERT_TRUE(LookUp(form, "New York", "NY", "USA", [&](frmPlaceChoice& w) {
            Child<QRadioButton>(&w, choice == 0 ? "optRepeated_0" : "optRepeated_1")->click();
            Click(&w, "cmdUsePlace");
        }));
        const QString chosen = choice == 0 ? summer : standard;
        for (const int put : {31, 0, 59}) {  // the first and the last minute repeated
            minute->setCurrentIndex(put);
            EXPECT_EQ(ZoneControls(form), chosen) << choice << " at 01:" << put;
        }
    }
    hour->setCurrentIndex(2);  // 02:59, after the change: standard time alone
    EXPECT_EQ(ZoneControls(form), standard);
    hour->setCurrentIndex(1);  // back in the repeated hour: the first again
    EXPECT_EQ(ZoneControls(form), summer);
    hour->setCurrentIndex(0);  // 00:59, before the change
    EXPECT_EQ(ZoneControls(form), summer);
}

// After a place is used the zone follows the birth moment, until the user picks one by hand;
// the birthplace entry goes when another row is picked.
TEST_F(LocationSearchTest, TheZoneFollowsTheBirthMomentUntilChosenByHand) {
    frmMain& form = ShownForm();
    auto* zones = Child<QComboBox>(&form, "cmbTimeZone");
    SetBirthMoment(form, 1950, 7, 1, 12, 0);
    ASSERT_TRUE(
        LookUp(form, "New York", "NY", "USA", [](frmPlaceChoice& w) { Click(&w, "cmdUsePlace"); }));
    SetBirthMoment(form, 1950, 1, 1, 12, 0);
    EXPECT_EQ(ZoneControls(form), QStringLiteral("Eastern Standard Time,EST,-5.0"));

    Child<QCheckBox>(&form, "chkDST")->click();  // by hand: the user's choice stands
    SetBirthMoment(form, 1950, 7, 2, 12, 0);
    SetBirthMoment(form, 1950, 1, 2, 12, 0);
    EXPECT_EQ(ZoneControls(form), QStringLiteral("Eastern Standard Time,EST,-5.0 +DST"));

    SetBirthMoment(form, 2000, 7, 1, 12, 0);
    ASSERT_TRUE(LookUp(form, "Kathmandu", "Bagmati", "Nepal",
                       [](frmPlaceChoice& w) { Click(&w, "cmdUsePlace"); }));
    ASSERT_EQ(zones->count(), 72);
    SetBirthMoment(form, 1980, 7, 1, 12, 0);  // Nepal on +5:30: a listed row, no extra entry
    EXPECT_EQ(ZoneControls(form), QStringLiteral("Indian Time, IST, +5.3"));
    EXPECT_EQ(zones->count(), 71);
    SetBirthMoment(form, 2000, 7, 1, 12, 0);
    EXPECT_EQ(zones->count(), 72);
    zones->setCurrentIndex(27);
    emit zones->activated(27);  // the user picks Eastern Standard Time
    EXPECT_EQ(zones->count(), 71);
    SetBirthMoment(form, 2000, 7, 2, 12, 0);
    EXPECT_EQ(ZoneControls(form), QStringLiteral("Eastern Standard Time,EST,-5.0"));
}

}  // namespace
}  // namespace fortunix
