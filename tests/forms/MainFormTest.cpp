#include <QButtonGroup>
#include <QClipboard>
#include <QGroupBox>
#include <QLabel>
#include <QMenu>
#include <QPushButton>

#include "forms/FormTestSupport.h"
#include "reading/TimeZoneTable.h"

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

    EXPECT_EQ(form.windowTitle(), "Fortunix v1.30");
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
    EXPECT_TRUE(Child<QRadioButton>(&form, "optLong_0")->isChecked());
    EXPECT_FALSE(Child<QRadioButton>(&form, "optLong_1")->isChecked());
    EXPECT_TRUE(Child<QRadioButton>(&form, "optLat_0")->isChecked());
    EXPECT_FALSE(Child<QRadioButton>(&form, "optLat_1")->isChecked());
    EXPECT_FALSE(Child<QCheckBox>(&form, "chkDST")->isChecked());
    for (const char* box : {"txtName", "txtLonD", "txtLonM", "txtLatD", "txtLatM", "txtMCity",
                            "txtMState", "txtMCountry"}) {
        EXPECT_TRUE(Child<QLineEdit>(&form, box)->text().isEmpty()) << box;
    }
    EXPECT_EQ(QApplication::focusWidget(), Child<QLineEdit>(&form, "txtName"));
    EXPECT_TRUE(fake.messages.shown.empty());
}

TEST_F(MainForm, ListsHoldTheirEntriesInOrder) {
    const frmMain& form = windows::Main();
    const QStringList months = {"January",   "February", "March",    "April",
                                "May",       "June",     "July",     "August",
                                "September", "October",  "November", "December"};
    EXPECT_EQ(Entries(Child<QComboBox>(&form, "cboMonth")), months);
    EXPECT_EQ(Entries(Child<QComboBox>(&form, "cboDate")), Numbers(1, 31));
    EXPECT_EQ(Entries(Child<QComboBox>(&form, "cboYear")), Numbers(1901, 2050));
    EXPECT_EQ(Child<QComboBox>(&form, "cboYear")->count(), 150);
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
    for (int press = 0; press < 40; ++press) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        visited.append(QApplication::focusWidget()->objectName());
        if (visited.back() == "txtName") {
            break;
        }
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
    const QStringList visited = TabWalk();
    EXPECT_EQ(Joined(visited.mid(7, 6)),
              Joined({"txtLonM", "optLong_1", "txtLatD", "txtLatM", "optLat_1", "txtMCity"}));
    EXPECT_TRUE(fake.messages.shown.empty()) << "Tab is no typed character";
}

TEST_F(MainForm, CoordinateBoxesTakeAtMostTheirLengthTypedOrPasted) {
    frmMain& form = ShownMainWindow();
    const struct {
        const char* box;
        int limit;
    } boxes[] = {{"txtLonD", 3}, {"txtLonM", 2}, {"txtLatD", 2}, {"txtLatM", 2}};
    for (const auto& row : boxes) {
        auto* box = Child<QLineEdit>(&form, row.box);
        box->clear();
        QTest::keyClicks(box, "12345");
        EXPECT_EQ(box->text(), QString("12345").left(row.limit)) << row.box << " typed";

        box->clear();
        QGuiApplication::clipboard()->setText("98765");
        box->paste();
        EXPECT_EQ(box->text(), QString("98765").left(row.limit)) << row.box << " pasted";
    }
    EXPECT_TRUE(fake.messages.shown.empty());
}

TEST_F(MainForm, ShowsItsCaptionsAndCommands) {
    const frmMain& form = windows::Main();
    const struct {
        const char* control;
        const char* caption;
    } labels[] = {{"lblName", "Name"},
                  {"lblDateOfBirth", "Date of Birth"},
                  {"lblTimeOfBirth", "Time of Birth"},
                  {"lblTimeFormat", "HH:MM:SS"},
                  {"lblCity", "City"},
                  {"lblState", "State"},
                  {"lblCountry", "Country"},
                  {"lblInstruction", "Enter the Correct Details and Know More about Yourself "}};
    for (const auto& label : labels) {
        EXPECT_EQ(Child<QLabel>(&form, label.control)->text(), label.caption) << label.control;
    }
    EXPECT_TRUE(Child<QLabel>(&form, "lblDescription")
                    ->text()
                    .startsWith("Fortunix calculates your Fortuna sign which is"));
    EXPECT_EQ(Child<QGroupBox>(&form, "fraZone")->title(), "Zone");
    EXPECT_EQ(Child<QGroupBox>(&form, "fraLatitude")->title(), "Latitude");
    EXPECT_EQ(Child<QGroupBox>(&form, "fraLongitude")->title(), "Longitude");
    EXPECT_EQ(Child<QCheckBox>(&form, "chkDST")->text(), "Daylight Saving Time");
    EXPECT_EQ(Child<QRadioButton>(&form, "optLong_0")->text(), "East");
    EXPECT_EQ(Child<QRadioButton>(&form, "optLong_1")->text(), "West");
    EXPECT_EQ(Child<QRadioButton>(&form, "optLat_0")->text(), "North");
    EXPECT_EQ(Child<QRadioButton>(&form, "optLat_1")->text(), "South");
    EXPECT_EQ(Child<QPushButton>(&form, "cmdRashi")->text(), "Get My Part Of Fortune Reading");
    // "&&" is how a button shows one "&".
    EXPECT_EQ(Child<QPushButton>(&form, "cmdBrowser")->text(),
              "Click Here To Find Latitude && Longitude");
}

TEST_F(MainForm, OptionButtonsFormTwoArraysWithOneChoiceEach) {
    const frmMain& form = windows::Main();
    for (const char* arrayName : {"optLong", "optLat"}) {
        auto* array = Child<QButtonGroup>(&form, arrayName);
        EXPECT_TRUE(array->exclusive()) << arrayName;
        ASSERT_EQ(array->buttons().size(), 2) << arrayName;
        array->button(1)->click();
        EXPECT_FALSE(array->button(0)->isChecked()) << arrayName;
        EXPECT_EQ(array->checkedId(), 1) << arrayName;
    }
}

TEST_F(MainForm, ClientAreaIsTheDesignSizeAndTheWindowHasNoMinimiseOrMaximiseBox) {
    const frmMain& form = ShownMainWindow();
    // 6540 x 7440 twips at 15 twips to the pixel.
    EXPECT_EQ(form.centralWidget()->size(), QSize(436, 496));
    EXPECT_EQ(form.minimumSize(), form.maximumSize());
    const Qt::WindowFlags flags = form.windowFlags();
    EXPECT_FALSE(flags.testFlag(Qt::WindowMinimizeButtonHint));
    EXPECT_FALSE(flags.testFlag(Qt::WindowMaximizeButtonHint));
    EXPECT_TRUE(flags.testFlag(Qt::WindowCloseButtonHint));
    EXPECT_FALSE(form.windowIcon().isNull());
}

TEST_F(MainForm, CoBrandOfferLiesInFrontOfTheResaleOffer) {
    const frmMain& form = windows::Main();
    auto* coBrand = Child<QLabel>(&form, "lblCobrand");
    auto* fullBrand = Child<QLabel>(&form, "lblFullBrand");
    EXPECT_EQ(coBrand->geometry(), fullBrand->geometry());
    EXPECT_EQ(coBrand->parentWidget()->childAt(coBrand->geometry().center()), coBrand);
    EXPECT_TRUE(coBrand->text().startsWith("Co-brand this software for your site."));
    EXPECT_TRUE(fullBrand->text().startsWith(
        "Home Business Opportunity. Start your own Internet business"));
}

}  // namespace
}  // namespace fortunix::formtests
