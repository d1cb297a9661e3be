#include <QLabel>
#include <QPushButton>

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

QString ShownCaption() {
    return Child<QLabel>(&windows::Display(), "lblPartOfFortune")->text();
}
QString ShownParagraph() {
    return Child<QLabel>(&windows::Display(), "lblPartOfFortuneDesc")->text();
}

// What the result window must show for a raw Part of Fortune: the angle in 0..359, its degree
// within the sign (n mod 30) and the sign floor(n / 30).
struct Expected {
    QString caption;
    QString paragraph;
};
Expected ExpectedFor(int raw) {
    const int n = ((raw % 360) + 360) % 360;
    const int sign = n / 30;
    return {QString::number(n % 30) + QChar(0x00BA) + u' ' + Utf8(kSignNames[sign]),
            Utf8(InterpretationParagraph(sign))};
}

void Request(frmMain& form) {
    Child<QPushButton>(&form, "cmdRashi")->click();
}

TEST_F(ReadingRequest, WorkedExampleShowsTwentyFirstDegreeOfGeminiInTheResultWindow) {
    frmMain& form = ShownMainWindow();
    Fill(form, BirthInput{});
    Request(form);

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

TEST_F(ReadingRequest, CopiesTheFormIntoTheBirthRecord) {
    frmMain& form = ShownMainWindow();
    BirthInput input;
    input.name = "ANN LEE ";
    input.monthIndex = 6;
    input.dayIndex = 14;
    input.year = "1975";
    input.hourIndex = 8;
    input.minuteIndex = 45;
    input.zoneIndex = 34;  // Indian Time, 5 h 30 min ahead of universal time
    input.dst = true;
    input.lonDeg = "77";
    input.lonMin = "12";
    input.east = true;
    input.latDeg = "28";
    input.latMin = "36";
    input.south = true;
    Fill(form, input);
    Request(form);

    EXPECT_EQ(birthRecord.name, "ANN LEE ");
    EXPECT_EQ(birthRecord.month, 7);
    EXPECT_EQ(birthRecord.day, 15);
    EXPECT_EQ(birthRecord.year, 1975);
    EXPECT_EQ(birthRecord.hour, 8);
    EXPECT_EQ(birthRecord.minute, 45);
    EXPECT_EQ(zoneState, (ZoneState{-5, -30}));
    EXPECT_EQ(birthRecord.zoneHours, 5);
    EXPECT_EQ(birthRecord.zoneMinutes, 30);
    EXPECT_EQ(birthRecord.lonDeg, 77);
    EXPECT_EQ(birthRecord.lonMin, 12);
    EXPECT_EQ(birthRecord.latDeg, 28);
    EXPECT_EQ(birthRecord.latMin, 36);
    EXPECT_EQ(birthRecord.isEast, kTrue16);
    EXPECT_EQ(birthRecord.isSouth, kTrue16);
    EXPECT_EQ(birthRecord.isDst, kTrue16);

    input.east = false;
    input.south = false;
    input.dst = false;
    Fill(windows::Main(), input);
    windows::Main().cmdRashi_Click();
    EXPECT_EQ(birthRecord.isEast, kFalse16);
    EXPECT_EQ(birthRecord.isSouth, kFalse16);
    EXPECT_EQ(birthRecord.isDst, kFalse16);
}

TEST_F(ReadingRequest, MorningFormulaUpToElevenFiftyNineAfternoonFormulaFromNoon) {
    frmMain& form = ShownMainWindow();
    BirthInput input;
    input.hourIndex = 11;
    input.minuteIndex = 59;
    Fill(form, input);
    form.cmdRashi_Click();
    const ChartPositions morning = chartPositions;
    const int ascendant = morning.ascendant;
    const int sun = static_cast<int>(morning.sun);
    const int moon = static_cast<int>(morning.moon);
    const Expected expectedMorning = ExpectedFor(ascendant + moon - sun);
    // The chart must tell the two formulas apart for this test to mean anything.
    ASSERT_NE(expectedMorning.caption, ExpectedFor(ascendant + sun - moon).caption);
    EXPECT_EQ(ShownCaption(), expectedMorning.caption);
    EXPECT_EQ(ShownParagraph(), expectedMorning.paragraph);

    input.hourIndex = 12;
    input.minuteIndex = 0;
    Fill(form, input);
    form.cmdRashi_Click();
    const Expected expectedNoon =
        ExpectedFor(chartPositions.ascendant + static_cast<int>(chartPositions.sun) -
                    static_cast<int>(chartPositions.moon));
    EXPECT_EQ(ShownCaption(), expectedNoon.caption);
    EXPECT_EQ(ShownParagraph(), expectedNoon.paragraph);
}

TEST_F(ReadingRequest, SecondsAndNameDoNotChangeTheResult) {
    frmMain& form = ShownMainWindow();
    BirthInput input;
    input.monthIndex = 5;
    input.dayIndex = 20;
    input.year = "1988";
    input.hourIndex = 17;
    input.minuteIndex = 30;
    Fill(form, input);
    form.cmdRashi_Click();
    const QString caption = ShownCaption();
    const QString paragraph = ShownParagraph();

    input.name = "SOMEBODY ELSE";
    input.secondIndex = 59;
    Fill(form, input);
    form.cmdRashi_Click();
    EXPECT_EQ(ShownCaption(), caption);
    EXPECT_EQ(ShownParagraph(), paragraph);
}

TEST_F(ReadingRequest, MenuItemRequestsTheReadingToo) {
    frmMain& form = ShownMainWindow();
    Fill(form, BirthInput{});
    Child<QAction>(&form, "mnuNext")->trigger();
    EXPECT_TRUE(windows::IsDisplayLoaded());
    EXPECT_EQ(ShownCaption(), QString::fromUtf8("21\u00BA Gemini"));
    EXPECT_FALSE(form.isVisible());
}

TEST_F(ReadingRequest, FailedValidationChangesNothing) {
    frmMain& form = ShownMainWindow();
    BirthRecord sentinel;
    sentinel.name = "PREVIOUS";
    sentinel.year = 1234;
    sentinel.lonDeg = 99;
    birthRecord = sentinel;
    zoneState = ZoneState{7, 0};
    chartPositions = ChartPositions{1, 2, 3};
    partOfFortune.caption = "previous caption";

    BirthInput input;
    input.zoneIndex = 34;
    input.latDeg = "95";
    Fill(form, input);
    Request(form);

    ASSERT_EQ(fake.messages.shown.size(), 1u);
    EXPECT_EQ(birthRecord.name, "PREVIOUS");
    EXPECT_EQ(birthRecord.year, 1234);
    EXPECT_EQ(birthRecord.lonDeg, 99);
    EXPECT_EQ(birthRecord.month, 0);
    EXPECT_EQ(zoneState, (ZoneState{7, 0}));
    EXPECT_EQ(chartPositions.sun, 1);
    EXPECT_EQ(chartPositions.moon, 2);
    EXPECT_EQ(chartPositions.ascendant, 3);
    EXPECT_EQ(partOfFortune.caption, "previous caption");
    EXPECT_TRUE(form.isVisible());
    EXPECT_FALSE(windows::IsDisplayLoaded());
}

TEST_F(ReadingRequest, BackKeepsTheInputAndASecondReadingGivesTheSameResult) {
    frmMain& form = ShownMainWindow();
    BirthInput input;
    input.name = "JOHN";
    input.monthIndex = 9;
    input.dayIndex = 3;
    input.year = "1966";
    input.hourIndex = 4;
    input.minuteIndex = 10;
    input.zoneIndex = 27;
    input.lonDeg = "73";
    input.lonMin = "56";
    input.latDeg = "40";
    input.latMin = "47";
    Fill(form, input);
    Request(form);
    const QString caption = ShownCaption();
    const QString paragraph = ShownParagraph();

    Child<QPushButton>(&windows::Display(), "cmdOK")->click();
    FlushClosedWindows();

    EXPECT_TRUE(form.isVisible());
    EXPECT_FALSE(windows::IsDisplayLoaded());
    EXPECT_EQ(Child<QLineEdit>(&form, "txtName")->text(), "JOHN");
    EXPECT_EQ(Child<QComboBox>(&form, "cboMonth")->currentText(), "October");
    EXPECT_EQ(Child<QComboBox>(&form, "cboDate")->currentText(), "4");
    EXPECT_EQ(Child<QComboBox>(&form, "cboYear")->currentText(), "1966");
    EXPECT_EQ(Child<QComboBox>(&form, "cmbTimeZone")->currentIndex(), 27);
    EXPECT_EQ(Child<QLineEdit>(&form, "txtLonD")->text(), "73");
    EXPECT_TRUE(Child<QRadioButton>(&form, "optLong_1")->isChecked());

    Request(form);
    EXPECT_TRUE(windows::Display().isVisible());
    EXPECT_FALSE(form.isVisible());
    EXPECT_EQ(ShownCaption(), caption);
    EXPECT_EQ(ShownParagraph(), paragraph);
}

}  // namespace
}  // namespace fortunix::formtests
