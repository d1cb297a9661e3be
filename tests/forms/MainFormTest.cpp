#include <QClipboard>
#include <QPushButton>

#include "forms/FormTestSupport.h"
#include "platform/ProgramInfo.h"

namespace fortunix::formtests {
namespace {

using MainForm = FormTest;

QStringList Entries(const QComboBox* list) {
    QStringList entries;
    for (int i = 0; i < list->count(); ++i) {
        entries.append(list->itemText(i));
    }
    return entries;
}

QStringList Numbers(int first, int last) {
    QStringList numbers;
    for (int n = first; n <= last; ++n) {
        numbers.append(QString::number(n));
    }
    return numbers;
}

TEST_F(MainForm, OpensOnJanuaryFirst1901AtMidnightGreenwichEastNorthWithoutDaylightSaving) {
    frmMain& form = ShownMainWindow();
    EXPECT_EQ(form.windowTitle(), QString::fromLatin1(kProgramTitle));
    const struct {
        const char* list;
        const char* shown;
    } selections[] = {{"cboMonth", "January"},
                      {"cboDate", "1"},
                      {"cboYear", "1901"},
                      {"cboHH", "0"},
                      {"cboMM", "0"},
                      {"cboSS", "0"},
                      {"cmbTimeZone", "Greenwich Mean Time,GMT,0.0"}};
    for (const auto& selection : selections) {
        EXPECT_EQ(Child<QComboBox>(&form, selection.list)->currentText(), selection.shown)
            << selection.list;
    }
    EXPECT_EQ(Child<QComboBox>(&form, "cmbTimeZone")->currentIndex(), 29);
    const struct {
        const char* button;
        bool checked;
    } buttons[] = {{"optLong_0", true},
                   {"optLong_1", false},
                   {"optLat_0", true},
                   {"optLat_1", false},
                   {"chkDST", false}};
    for (const auto& row : buttons) {
        EXPECT_EQ(Child<QAbstractButton>(&form, row.button)->isChecked(), row.checked)
            << row.button;
    }
    for (const char* box : {"txtName", "txtLonD", "txtLonM", "txtLatD", "txtLatM", "txtMCity",
                            "txtMState", "txtMCountry"}) {
        EXPECT_TRUE(Child<QLineEdit>(&form, box)->text().isEmpty()) << box;
    }
    EXPECT_EQ(QApplication::focusWidget(), Child<QLineEdit>(&form, "txtName"));
    EXPECT_TRUE(fake.messages.shown.empty());
}

TEST_F(MainForm, ListsHoldTheirEntriesInOrder) {
    const frmMain& form = windows::Main();
    EXPECT_EQ(Entries(Child<QComboBox>(&form, "cboMonth")),
              QStringList({"January", "February", "March", "April", "May", "June", "July", "August",
                           "September", "October", "November", "December"}));
    EXPECT_EQ(Entries(Child<QComboBox>(&form, "cboDate")), Numbers(1, 31));
    EXPECT_EQ(Entries(Child<QComboBox>(&form, "cboYear")), Numbers(1901, 2050));
    EXPECT_EQ(Entries(Child<QComboBox>(&form, "cboHH")), Numbers(0, 23));
    EXPECT_EQ(Entries(Child<QComboBox>(&form, "cboMM")), Numbers(0, 59));
    EXPECT_EQ(Entries(Child<QComboBox>(&form, "cboSS")), Numbers(0, 59));

    const QStringList zones = Entries(Child<QComboBox>(&form, "cmbTimeZone"));
    ASSERT_EQ(zones.size(), 71);
    EXPECT_EQ(zones.front(), "Alaska/Hawaii Daylight Time,AHDT,-9.0");
    EXPECT_EQ(zones[34], "Indian Time, IST, +5.3");
    EXPECT_EQ(zones[61], "Universal Time, UT, 0.0");
    EXPECT_EQ(zones.back(), "Yukon War Time,YWT,-8.0");
}

// Names of the controls that Tab visits from txtName, until the focus is back on txtName.
QStringList TabWalk() {
    QStringList visited;
    for (int press = 0; press < 40 && (visited.isEmpty() || visited.back() != "txtName"); ++press) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        visited.append(QApplication::focusWidget()->objectName());
    }
    return visited;
}

// As on Windows, Tab stops only at the chosen button of each option array.
TEST_F(MainForm, TabVisitsTheControlsInTheDesignOrderAndReturnsToTheName) {
    frmMain& form = ShownMainWindow();
    EXPECT_EQ(Joined(TabWalk()),
              Joined({"cboMonth",   "cboDate",  "cboYear",  "cboHH",       "cboMM",
                      "cboSS",      "chkDST",   "txtLonM",  "optLong_0",   "txtLatD",
                      "txtLatM",    "optLat_0", "txtMCity", "txtMState",   "txtMCountry",
                      "cmdBrowser", "cmdRashi", "txtLonD",  "cmbTimeZone", "txtName"}));

    Child<QRadioButton>(&form, "optLong_1")->setChecked(true);
    Child<QRadioButton>(&form, "optLat_1")->setChecked(true);
    Child<QLineEdit>(&form, "txtName")->setFocus();
    EXPECT_EQ(Joined(TabWalk().mid(7, 6)),
              Joined({"txtLonM", "optLong_1", "txtLatD", "txtLatM", "optLat_1", "txtMCity"}));
    EXPECT_TRUE(fake.messages.shown.empty()) << "Tab is no typed character";
}

TEST_F(MainForm, CoordinateBoxesTakeAtMostTheirLengthTypedOrPasted) {
    frmMain& form = ShownMainWindow();
    const struct {
        const char* box;
        int limit;
    } boxes[] = {{"txtLonD", 3}, {"txtLonM", 2}, {"txtLatD", 2}, {"txtLatM", 2}};
    QGuiApplication::clipboard()->setText("98765");
    for (const auto& row : boxes) {
        auto* box = Child<QLineEdit>(&form, row.box);
        QTest::keyClicks(box, "12345");
        EXPECT_EQ(box->text(), QString("12345").left(row.limit)) << row.box << " typed";
        box->clear();
        box->paste();
        EXPECT_EQ(box->text(), QString("98765").left(row.limit)) << row.box << " pasted";
    }
    EXPECT_TRUE(fake.messages.shown.empty());
}

// "&&" is how a button shows one "&".
TEST_F(MainForm, ShowsItsCaptionsAndCommands) {
    const frmMain& form = windows::Main();
    const struct {
        const char* control;
        const char* caption;
    } captions[] = {{"lblName", "Name"},
                    {"lblDateOfBirth", "Date of Birth"},
                    {"lblTimeOfBirth", "Time of Birth"},
                    {"lblTimeFormat", "HH:MM:SS"},
                    {"lblCity", "City"},
                    {"lblState", "State"},
                    {"lblCountry", "Country"},
                    {"lblInstruction", "Enter the Correct Details and Know More about Yourself "},
                    {"fraZone", "Zone"},
                    {"fraLatitude", "Latitude"},
                    {"fraLongitude", "Longitude"},
                    {"chkDST", "Daylight Saving Time"},
                    {"optLong_0", "East"},
                    {"optLong_1", "West"},
                    {"optLat_0", "North"},
                    {"optLat_1", "South"},
                    {"cmdRashi", "Get My Part Of Fortune Reading"},
                    {"cmdBrowser", "Click Here To Find Latitude && Longitude"}};
    for (const auto& row : captions) {
        EXPECT_EQ(Caption(Child<QWidget>(&form, row.control)), row.caption) << row.control;
    }
    EXPECT_TRUE(Caption(Child<QLabel>(&form, "lblDescription"))
                    .startsWith("Fortunix calculates your Fortuna sign which is"));
}

TEST_F(MainForm, BothWindowsHaveTheDesignSizeAndNoMinimiseOrMaximiseBox) {
    const struct {
        const char* name;
        QMainWindow* window;
        QSize client;  // twips at 15 to the pixel
    } windowsToCheck[] = {{"main window", &windows::Main(), QSize(6540 / 15, 7440 / 15)},
                          {"result window", &windows::Display(), QSize(7935 / 15, 4815 / 15)}};
    for (const auto& row : windowsToCheck) {
        row.window->show();
        EXPECT_EQ(row.window->centralWidget()->size(), row.client) << row.name;
        EXPECT_EQ(row.window->minimumSize(), row.window->maximumSize()) << row.name;
        const Qt::WindowFlags flags = row.window->windowFlags();
        EXPECT_FALSE(flags.testFlag(Qt::WindowMinimizeButtonHint)) << row.name;
        EXPECT_FALSE(flags.testFlag(Qt::WindowMaximizeButtonHint)) << row.name;
        EXPECT_TRUE(flags.testFlag(Qt::WindowCloseButtonHint)) << row.name;
        EXPECT_FALSE(row.window->windowIcon().isNull()) << row.name;
    }
}

// The two offers share one rectangle; each window shows one of them in front.
TEST_F(MainForm, OneOfTheTwoOffersLiesInFrontInEachWindow) {
    const struct {
        const char* name;
        const QWidget* window;
        const char* front;
        const char* behind;
    } windowsToCheck[] = {{"main window", &windows::Main(), "lblCobrand", "lblFullBrand"},
                          {"result window", &windows::Display(), "lblFullBrand", "lblCobrand"}};
    for (const auto& row : windowsToCheck) {
        auto* front = Child<QLabel>(row.window, row.front);
        EXPECT_EQ(front->geometry(), Child<QLabel>(row.window, row.behind)->geometry()) << row.name;
        EXPECT_EQ(front->parentWidget()->childAt(front->geometry().center()), front) << row.name;
    }
}

}  // namespace
}  // namespace fortunix::formtests
