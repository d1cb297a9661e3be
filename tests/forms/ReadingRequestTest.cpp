#include <QPushButton>
#include <tuple>

#include "ephemeris/DegreeSignTable.h"
#include "forms/FormTestSupport.h"
#include "reading/CurrentReading.h"
#include "reading/Interpretation.h"

namespace fortunix::formtests {
namespace {

using ReadingRequest = FormTest;

QString Utf8(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

// Caption and paragraph for a raw Part of Fortune: degree n mod 30 of sign floor(n / 30).
std::pair<QString, QString> ExpectedFor(int raw) {
    const int n = ((raw % 360) + 360) % 360;
    return {QString::number(n % 30) + QChar(0x00BA) + u' ' + Utf8(kSignNames[n / 30]),
            Utf8(InterpretationParagraph(n / 30))};
}

std::pair<QString, QString> Shown() {
    return {ShownCaption(), ShownParagraph()};
}

auto Fields(const BirthRecord& r) {
    return std::tuple(r.name, r.month, r.day, r.year, r.hour, r.minute, r.zoneHours, r.zoneMinutes,
                      r.lonDeg, r.lonMin, r.latDeg, r.latMin, r.isEast, r.isSouth, r.isDst);
}

// Every value a user can set, for comparing the form before and after.
QStringList FormValues(const frmMain& form) {
    QStringList values;
    for (const QLineEdit* box : form.findChildren<QLineEdit*>()) {
        values.append(box->objectName() + '=' + box->text());
    }
    for (const QComboBox* list : form.findChildren<QComboBox*>()) {
        values.append(list->objectName() + '=' + list->currentText());
    }
    for (const QAbstractButton* button : form.findChildren<QAbstractButton*>()) {
        values.append(button->objectName() + '=' + (button->isChecked() ? '1' : '0'));
    }
    return values;
}

TEST_F(ReadingRequest, WorkedExampleShowsTwentyFirstDegreeOfGeminiInTheResultWindow) {
    frmMain& form = ShownMainWindow();
    Fill(form, BirthInput{});
    Child<QPushButton>(&form, "cmdRashi")->click();

    EXPECT_TRUE(fake.messages.shown.empty());
    // Reference positions of 1 January 2000 12:00 UT at 0°0' W, 51°30' N.
    EXPECT_EQ(chartPositions.sun, 280);
    EXPECT_EQ(chartPositions.ascendant, 24);
    EXPECT_EQ(chartPositions.moon, 223);
    EXPECT_EQ(ShownCaption(), QString::fromUtf8("21\u00BA Gemini"));
    EXPECT_EQ(ShownParagraph(), Utf8(InterpretationParagraph(2)));
    EXPECT_TRUE(windows::Display().isVisible());
    EXPECT_FALSE(form.isVisible());
    EXPECT_FALSE(windows::Display().isModal());
}

TEST_F(ReadingRequest, MenuItemRequestsTheReadingToo) {
    frmMain& form = ShownMainWindow();
    Fill(form, BirthInput{});
    Child<QAction>(&form, "mnuNext")->trigger();
    ASSERT_TRUE(windows::IsDisplayLoaded());
    EXPECT_EQ(ShownCaption(), QString::fromUtf8("21\u00BA Gemini"));
    EXPECT_FALSE(form.isVisible());
}

TEST_F(ReadingRequest, CopiesTheFormIntoTheBirthRecord) {
    // Indian Time (zone 34) is 5 h 30 min ahead of universal time.
    BirthInput input{.name = "ANN LEE ",
                     .monthIndex = 6,
                     .dayIndex = 14,
                     .year = "1975",
                     .hourIndex = 8,
                     .minuteIndex = 45,
                     .zoneIndex = 34,
                     .lonDeg = "77",
                     .lonMin = "12",
                     .latDeg = "28",
                     .latMin = "36"};
    for (const bool flags : {true, false}) {
        input.east = input.south = input.dst = flags;
        ShownReading(input);
        const std::int16_t flag = flags ? kTrue16 : kFalse16;
        EXPECT_EQ(Fields(birthRecord),
                  Fields({"ANN LEE ", 7, 15, 1975, 8, 45, 5, 30, 77, 12, 28, 36, flag, flag, flag}))
            << "east, south, daylight saving: " << flags;
        EXPECT_EQ(zoneState, (ZoneState{-5, -30}));
    }
}

TEST_F(ReadingRequest, MorningFormulaUpToElevenFiftyNineAfternoonFormulaFromNoon) {
    ShownReading({.hourIndex = 11, .minuteIndex = 59});
    const ChartPositions& chart = chartPositions;
    const int sun = static_cast<int>(chart.sun);
    const int moon = static_cast<int>(chart.moon);
    // The chart must tell the two formulas apart for this test to mean anything.
    ASSERT_NE(ExpectedFor(chart.ascendant + moon - sun), ExpectedFor(chart.ascendant + sun - moon));
    EXPECT_EQ(Shown(), ExpectedFor(chart.ascendant + moon - sun)) << "11:59";

    ShownReading({.hourIndex = 12, .minuteIndex = 0});
    EXPECT_EQ(Shown(), ExpectedFor(chartPositions.ascendant + static_cast<int>(chartPositions.sun) -
                                   static_cast<int>(chartPositions.moon)))
        << "12:00";
}

TEST_F(ReadingRequest, SecondsAndNameDoNotChangeTheResult) {
    BirthInput input{
        .monthIndex = 5, .dayIndex = 20, .year = "1988", .hourIndex = 17, .minuteIndex = 30};
    ShownReading(input);
    const auto first = Shown();

    input.name = "SOMEBODY ELSE";
    input.secondIndex = 59;
    ShownReading(input);
    EXPECT_EQ(Shown(), first);
}

TEST_F(ReadingRequest, FailedValidationChangesNothing) {
    frmMain& form = ShownMainWindow();
    partOfFortune.caption = "previous caption";
    birthRecord.name = "PREVIOUS";
    zoneState = {-5, -30};
    chartPositions = {10, 20, 30};
    Fill(form, {.latDeg = "95"});
    Child<QPushButton>(&form, "cmdRashi")->click();

    EXPECT_EQ(fake.messages.shown.size(), 1u);
    EXPECT_EQ(partOfFortune.caption, "previous caption");
    EXPECT_EQ(birthRecord.name, "PREVIOUS");
    EXPECT_EQ(zoneState, (ZoneState{-5, -30}));
    EXPECT_EQ(chartPositions.sun, 10);
    EXPECT_EQ(chartPositions.ascendant, 30);
    EXPECT_TRUE(form.isVisible());
    EXPECT_FALSE(windows::IsDisplayLoaded());
}

TEST_F(ReadingRequest, BackKeepsTheInputAndASecondReadingGivesTheSameResult) {
    frmDisplay& display = ShownReading({.monthIndex = 9,
                                        .dayIndex = 3,
                                        .year = "1966",
                                        .hourIndex = 4,
                                        .minuteIndex = 10,
                                        .zoneIndex = 27,
                                        .lonDeg = "73",
                                        .lonMin = "56",
                                        .latDeg = "40",
                                        .latMin = "47"});
    frmMain& form = windows::Main();
    const QStringList before = FormValues(form);
    const auto first = Shown();

    Child<QPushButton>(&display, "cmdOK")->click();
    test_support::ProcessDeferredDeletes();

    EXPECT_TRUE(form.isVisible());
    EXPECT_FALSE(windows::IsDisplayLoaded());
    EXPECT_TRUE(before.contains("txtName=JOHN") && before.contains("cboMonth=October"));
    EXPECT_EQ(FormValues(form), before);

    Child<QPushButton>(&form, "cmdRashi")->click();
    EXPECT_TRUE(windows::Display().isVisible());
    EXPECT_FALSE(form.isVisible());
    EXPECT_EQ(Shown(), first);
}

}  // namespace
}  // namespace fortunix::formtests
