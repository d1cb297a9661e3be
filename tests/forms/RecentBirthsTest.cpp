#include <QDir>
#include <QMenu>
#include <QPushButton>
#include <QTimer>

#include "forms/FormTestSupport.h"
#include "forms/RecentBirthsMenu.h"
#include "forms/frmPlaceChoice.h"
#include "shell/RecentBirthsFile.h"
#include "support/ModalWindow.h"

namespace fortunix::formtests {
namespace {

class RecentBirthsTest : public FormTest {
  protected:
    QString FilePath() const {
        return QDir(fake.folders.dataFolder).filePath("recent-births.json");
    }

    // The main window as the start-up leaves it, the file read.
    frmMain& StartedMainWindow() {
        frmMain& form = ShownMainWindow();
        QCoreApplication::processEvents();
        return form;
    }

    // The submenu's items as the user sees them when it opens.
    QStringList SubmenuItems(frmMain& form) {
        auto* submenu = Child<QMenu>(&form, "mnuRecentBirths");
        emit submenu->aboutToShow();
        QStringList items;
        for (const QAction* action : submenu->actions()) {
            items.append(action->isSeparator() ? QStringLiteral("-") : action->text());
        }
        return items;
    }

    void Choose(frmMain& form, int index) {
        SubmenuItems(form);
        Child<QAction>(&form, QStringLiteral("mnuRecentBirth_%1").arg(index).toLatin1())->trigger();
    }

    // A reading asked for from the main window, which is shown again (as Back does).
    void Reading(frmMain& form, const BirthInput& input) {
        Fill(form, input);
        form.cmdRashi_Click();
        windows::Display().close();
        form.show();
    }

    std::optional<RecentBirths> InFile() const {
        QFile file(FilePath());
        if (!file.open(QIODevice::ReadOnly)) {
            return std::nullopt;
        }
        const std::optional<DecodedRecentBirths> decoded = DecodeRecentBirths(file.readAll());
        return decoded ? std::optional(decoded->recent) : std::nullopt;
    }

    void WriteFile(const QByteArray& bytes) {
        QDir().mkpath(fake.folders.dataFolder);
        QFile file(FilePath());
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
    }
};

// Every value a user can set, for comparing the form before and after.
QStringList FormValues(const frmMain& form) {
    QStringList values;
    for (const QLineEdit* box : form.findChildren<QLineEdit*>()) {
        values.append(box->objectName() + '=' + box->text());
    }
    for (const QComboBox* list : form.findChildren<QComboBox*>()) {
        values.append(list->objectName() + '=' + list->currentText() + '/' +
                      QString::number(list->count()));
    }
    for (const QAbstractButton* button : form.findChildren<QAbstractButton*>()) {
        values.append(button->objectName() + '=' + (button->isChecked() ? '1' : '0'));
    }
    return values;
}

// Kathmandu from the look-up on 1 July 2000, 12:00 (the birthplace-time entry UTC+05:45), the
// seconds set, then a reading; then another birth; choosing the first fills every control
// again as it was, and asks for no reading.
TEST_F(RecentBirthsTest, ChoosingABirthFillsEveryControlAsItWas) {
    frmMain& form = StartedMainWindow();
    Fill(form, BirthInput{.name = "ANN LEE", .monthIndex = 6, .secondIndex = 42});
    Child<QLineEdit>(&form, "txtMCity")->setText("Kathmandu");
    Child<QLineEdit>(&form, "txtMState")->setText("Bagmati");
    Child<QLineEdit>(&form, "txtMCountry")->setText("Nepal");
    const test_support::ModalOutcome lookUp = test_support::AnswerModalWindow(
        [&form] { Child<QPushButton>(&form, "cmdBrowser")->click(); },
        [](QWidget& window) { Child<QPushButton>(&window, "cmdUsePlace")->click(); });
    ASSERT_TRUE(lookUp.shown);
    ASSERT_EQ(Child<QComboBox>(&form, "cmbTimeZone")->currentText(), "Birthplace time,UTC+05:45");
    const QStringList asked = FormValues(form);
    form.cmdRashi_Click();
    windows::Display().close();
    form.show();

    Reading(form, BirthInput{.name = "BOB", .hourIndex = 3, .dst = true, .east = true});
    Child<QLineEdit>(&form, "txtMCity")->setText("Elsewhere");
    ASSERT_NE(FormValues(form), asked);

    EXPECT_EQ(SubmenuItems(form),
              (QStringList{"BOB, 1 January 2000 03:00", "ANN LEE, 1 July 2000 12:00, Kathmandu",
                           "-", "&Clear Recent Births"}));
    Choose(form, 1);
    EXPECT_EQ(FormValues(form), asked);
    EXPECT_TRUE(form.isVisible());
    EXPECT_FALSE(windows::IsDisplayLoaded() && windows::Display().isVisible());

    // The zone follows the place again: another year, another offset (Nepal kept +05:30,
    // a row of the list, until 1986).
    Child<QComboBox>(&form, "cboYear")->setCurrentText("1980");
    EXPECT_EQ(Child<QComboBox>(&form, "cmbTimeZone")->currentText(), "Indian Time, IST, +5.3");
    EXPECT_TRUE(fake.messages.shown.empty());
}

// New York, 7 November 2021, 01:30, the second time (EST, after the clocks went back): chosen
// again from the menu, a minute put right within the repeated hour keeps standard time.
TEST_F(RecentBirthsTest, AChosenBirthKeepsTheSecondOfARepeatedHour) {
    frmMain& form = StartedMainWindow();
    Fill(form,
         BirthInput{
             .monthIndex = 10, .dayIndex = 6, .year = "2021", .hourIndex = 1, .minuteIndex = 30});
    Child<QLineEdit>(&form, "txtMCity")->setText("New York");
    Child<QLineEdit>(&form, "txtMState")->setText("NY");
    Child<QLineEdit>(&form, "txtMCountry")->setText("USA");
    const test_support::ModalOutcome lookUp = test_support::AnswerModalWindow(
        [&form] { Child<QPushButton>(&form, "cmdBrowser")->click(); },
        [](QWidget& window) {
            Child<QAbstractButton>(&window, "optRepeated_1")->click();
            Child<QPushButton>(&window, "cmdUsePlace")->click();
        });
    ASSERT_TRUE(lookUp.shown);
    form.cmdRashi_Click();
    windows::Display().close();
    form.show();
    Reading(form, BirthInput{.name = "BOB"});

    Choose(form, 1);
    auto* zone = Child<QComboBox>(&form, "cmbTimeZone");
    auto* dst = Child<QCheckBox>(&form, "chkDST");
    ASSERT_EQ(zone->currentText(), "Eastern Standard Time,EST,-5.0");
    ASSERT_FALSE(dst->isChecked());
    Child<QComboBox>(&form, "cboMM")->setCurrentIndex(45);
    EXPECT_EQ(zone->currentText(), "Eastern Standard Time,EST,-5.0");
    EXPECT_FALSE(dst->isChecked()) << "01:45 the second time is standard time";
}

// The sheet names the atlas place only while the coordinates are the place's own and the
// look-up boxes still name it (a look-up refused for want of a State changes no coordinates).
TEST_F(RecentBirthsTest, EditedCoordinatesAreNoLongerThePlace) {
    frmMain& form = StartedMainWindow();
    BirthFormState kathmandu;
    kathmandu.fields = {"ANN", "85", "19", "27", "42", "2000", 6, 0, "12", "0", true, false, false};
    kathmandu.place = AtlasPlaceName{"Kathmandu", "Bagmati Province", "Nepal", "", 85.3206};
    kathmandu.city = "Kathmandu";
    form.ShowFormState(kathmandu);
    EXPECT_TRUE(form.FormState().place.has_value());
    Child<QLineEdit>(&form, "txtLatM")->setText("43");
    EXPECT_FALSE(form.FormState().place.has_value());
    Child<QLineEdit>(&form, "txtLatM")->setText("42");
    Child<QRadioButton>(&form, "optLong_1")->setChecked(true);
    EXPECT_FALSE(form.FormState().place.has_value());
    Child<QRadioButton>(&form, "optLong_0")->setChecked(true);
    Child<QLineEdit>(&form, "txtMCity")->setText("London");
    EXPECT_FALSE(form.FormState().place.has_value());
}

TEST_F(RecentBirthsTest, KeepsTheLastTwentyNewestFirstEachReadingOnce) {
    frmMain& form = StartedMainWindow();
    for (int count = 1; count <= 21; ++count) {
        Reading(form, BirthInput{.name = QStringLiteral("PERSON ") + QChar(u'A' + count - 1)});
    }
    Reading(form, BirthInput{.name = "PERSON U", .secondIndex = 9});  // the 21st again
    const QStringList items = SubmenuItems(form);
    ASSERT_EQ(items.size(), 22);  // 20 births, the separator, Clear
    EXPECT_EQ(items.first(), "PERSON U, 1 January 2000 12:00");
    EXPECT_EQ(items[1], "PERSON T, 1 January 2000 12:00");
    EXPECT_EQ(items[19], "PERSON B, 1 January 2000 12:00");  // PERSON A went
    EXPECT_EQ(items.count("PERSON U, 1 January 2000 12:00"), 1);
    ASSERT_TRUE(InFile().has_value());
    EXPECT_EQ(InFile()->births.size(), 20u);
    EXPECT_EQ(InFile()->births.front().secondIndex, 9);
}

TEST_F(RecentBirthsTest, ClearingAndNotRememberingEmptyTheFile) {
    frmMain& form = StartedMainWindow();
    Reading(form, BirthInput{});
    SubmenuItems(form);
    Child<QAction>(&form, "mnuClearRecentBirths")->trigger();
    EXPECT_EQ(InFile(), (RecentBirths{{}, true}));
    EXPECT_EQ(SubmenuItems(form), QStringList{"&Clear Recent Births"});
    EXPECT_FALSE(Child<QAction>(&form, "mnuClearRecentBirths")->isEnabled());

    Reading(form, BirthInput{});
    auto* remember = Child<QAction>(&form, "mnuRememberBirths");
    EXPECT_TRUE(remember->isChecked());
    remember->trigger();
    EXPECT_EQ(InFile(), (RecentBirths{{}, false}));
    Reading(form, BirthInput{.name = "ANN"});
    EXPECT_EQ(InFile(), (RecentBirths{{}, false}));

    // The choice holds at the next start.
    TearDown();
    frmMain& again = StartedMainWindow();
    EXPECT_FALSE(Child<QAction>(&again, "mnuRememberBirths")->isChecked());
    EXPECT_TRUE(fake.messages.shown.empty());
}

// A file that cannot be read or understood, and a folder that cannot be written: one message
// each, the program goes on with an empty list.
TEST_F(RecentBirthsTest, AnUnusableFileOrFolderGivesOneMessage) {
    const QString data = fake.folders.dataFolder;
    const struct {
        const char* name;
        std::function<void()> prepare;
        const char* message;
    } rows[] = {
        {"a corrupt file", [&] { WriteFile("{\"births\": [{\"name\": "); },
         "The list of recent births could not be read. It has been set aside as \"%1\", and "
         "the list starts empty."},
        {"a file with one entry the form refuses",
         [&] {
             WriteFile(EncodeRecentBirths({{BirthFormState{}}, true}));
         },
         "1 of the recent births could not be read. The list has been set aside as \"%1\", "
         "and the births that could be read are kept."},
        {"a file that cannot be opened",
         [&] { QDir().mkpath(QDir(data).filePath("recent-births.json")); },
         "The list of recent births could not be read. It has been set aside as \"%1\", and "
         "the list starts empty."},
        {"a folder that cannot be written",
         [&] {
             QDir().mkpath(QFileInfo(data).path());
             QFile blocker(data);  // a file where the folder should be
             blocker.open(QIODevice::WriteOnly);
         },
         "The list of recent births could not be saved in \"%1\": "},
    };
    for (const auto& row : rows) {
        fake.messages.shown.clear();
        QDir(QFileInfo(data).path()).removeRecursively();
        row.prepare();
        frmMain& form = StartedMainWindow();
        Reading(form, BirthInput{});
        Reading(form, BirthInput{.name = "ANN"});
        ASSERT_EQ(fake.messages.shown.size(), 1u) << row.name;
        const QString where = QDir::toNativeSeparators(
            QDir(data).filePath(QString::fromLatin1(row.name) == "a folder that cannot be written"
                                    ? "recent-births.json"
                                    : "recent-births.unreadable.json"));
        EXPECT_TRUE(
            fake.messages.shown[0].text.startsWith(QString::fromLatin1(row.message).arg(where)))
            << row.name << ": " << fake.messages.shown[0].text.toStdString();
        EXPECT_EQ(fake.messages.shown[0].icon, MessageIcon::Information) << row.name;
        TearDown();
    }
}

TEST(RecentBirthText, NamesThePlaceOnlyWhenTheAtlasGaveIt) {
    BirthFormState state;
    state.fields = {"ANN & BOB ", "0", "0", "51",  "30",  "2000", 11,
                    30,           "9", "5", false, false, false};
    state.city = "Typed City";
    EXPECT_EQ(RecentBirthText(state), "ANN & BOB, 31 December 2000 09:05");
    state.place = AtlasPlaceName{"London", "England", "United Kingdom", "Europe/London", -0.12574};
    EXPECT_EQ(RecentBirthText(state), "ANN & BOB, 31 December 2000 09:05, London");
}

}  // namespace
}  // namespace fortunix::formtests
