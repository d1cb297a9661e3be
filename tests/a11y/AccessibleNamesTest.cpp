#include <QAccessible>
#include <QComboBox>
#include <QItemSelectionModel>
#include <QListWidget>
#include <QTest>
#include <span>

#include "a11y/AccessibleTree.h"
#include "forms/FormTestSupport.h"
#include "forms/frmAbout.h"
#include "forms/frmNagScreen2.h"
#include "forms/frmPlaceChoice.h"
#include "shell/ProgramTexts.h"

namespace fortunix::formtests {
namespace {

using a11ytests::AccessibleNamed;

// A control as a screen reader user meets it: spoken name, role, and the control answering.
struct NamedControlRow {
    const char* name;
    QAccessible::Role role;
    const char* control;
};

constexpr auto kEdit = QAccessible::EditableText;
constexpr auto kCombo = QAccessible::ComboBox;
constexpr auto kCheck = QAccessible::CheckBox;
constexpr auto kRadio = QAccessible::RadioButton;
constexpr auto kButton = QAccessible::Button;
constexpr auto kLink = QAccessible::Link;
constexpr auto kText = QAccessible::StaticText;

const NamedControlRow kMainWindow[] = {{"Name", kEdit, "txtName"},
                                       {"Month of birth", kCombo, "cboMonth"},
                                       {"Day of birth", kCombo, "cboDate"},
                                       {"Year of birth", kCombo, "cboYear"},
                                       {"Hour of birth", kCombo, "cboHH"},
                                       {"Minute of birth", kCombo, "cboMM"},
                                       {"Second of birth", kCombo, "cboSS"},
                                       {"Time zone", kCombo, "cmbTimeZone"},
                                       {"Daylight Saving Time", kCheck, "chkDST"},
                                       {"Latitude degrees", kEdit, "txtLatD"},
                                       {"Latitude minutes", kEdit, "txtLatM"},
                                       {"North", kRadio, "optLat_0"},
                                       {"South", kRadio, "optLat_1"},
                                       {"Longitude degrees", kEdit, "txtLonD"},
                                       {"Longitude minutes", kEdit, "txtLonM"},
                                       {"East", kRadio, "optLong_0"},
                                       {"West", kRadio, "optLong_1"},
                                       {"City", kEdit, "txtMCity"},
                                       {"State", kEdit, "txtMState"},
                                       {"Country", kEdit, "txtMCountry"},
                                       {"Find latitude and longitude", kButton, "cmdBrowser"},
                                       {"Get My Part Of Fortune Reading", kButton, "cmdRashi"},
                                       {"Discussion board", kLink, "Label61"},
                                       {"Resale offer", kLink, "lblFullBrand"},
                                       {"Co-branding offer", kLink, "lblCobrand"}};

const NamedControlRow kResultWindow[] = {{"Part of Fortune", kText, "lblPartOfFortune"},
                                         {"Interpretation", kText, "lblPartOfFortuneDesc"},
                                         {"Back", kButton, "cmdOK"},
                                         {"Exit", kButton, "cmdExit"},
                                         {"Discussion board", kLink, "Label61"},
                                         {"Co-branding offer", kLink, "lblCobrand"},
                                         {"Resale offer", kLink, "lblFullBrand"}};

const NamedControlRow kReferAFriendWindow[] = {
    {"Your name", kEdit, "txtName"},
    {"Your e-mail address", kEdit, "txtEmail"},
    {"Friend's name", kEdit, "txtFriendName"},
    {"Friend's e-mail address", kEdit, "txtFriendEmail"},
    {"Your message", kEdit, "txtMessage"},
    {"Refer a friend now", kButton, "cmdSubmit"},
    {"Exit", kButton, "cmdClose"},
    {"Visit the web site now", kCheck, "Check1"},
    {"Visit the software catalogue", kLink, "lblGoToHome"}};

const NamedControlRow kAboutBox[] = {{"Home page", kLink, "lblHomePage"},
                                     {"More details", kLink, "lblCoBrand"},
                                     {"OK", kButton, "cmdOK"}};

// The interface of `control` among those that answer to `name` (a caption or menu item may
// answer to the same name: "Name" beside the name box, "Back" in the File menu).
QAccessibleInterface* NamedControl(QWidget* window, const char* name, const char* control) {
    for (QAccessibleInterface* named : AccessibleNamed(window, QString::fromUtf8(name))) {
        if (named->object() != nullptr && named->object()->objectName() == control) {
            return named;
        }
    }
    return nullptr;
}

using AccessibleNames = FormTest;

TEST_F(AccessibleNames, ControlsOfEachWindowAnswerToTheirNamesAndRoles) {
    frmAbout box;
    const struct {
        QWidget* window;
        std::span<const NamedControlRow> controls;
    } windowsToCheck[] = {{&windows::Main(), kMainWindow},
                          {&windows::Display(), kResultWindow},
                          {&windows::NagScreen(), kReferAFriendWindow},
                          {&box, kAboutBox}};
    for (const auto& row : windowsToCheck) {
        for (const NamedControlRow& expected : row.controls) {
            QAccessibleInterface* named = NamedControl(row.window, expected.name, expected.control);
            ASSERT_NE(named, nullptr) << row.window->objectName().toStdString() << ": no "
                                      << expected.control << " named \"" << expected.name << '"';
            EXPECT_EQ(named->role(), expected.role) << expected.name;
        }
    }
}

// A screen reader hears the chosen entry of a drop-down list ("Month of birth, combo box,
// March"): as the list's text and as the entry selected among its entries. The name stays.
TEST_F(AccessibleNames, DropDownListsExposeTheirChosenEntry) {
    const struct {
        const char* control;
        const char* name;
        int index;
        const char* chosen;
    } rows[] = {{"cboMonth", "Month of birth", 2, "March"},
                {"cboYear", "Year of birth", 99, "2000"},
                {"cboHH", "Hour of birth", 23, "23"}};
    for (const auto& row : rows) {
        auto* list = Child<QComboBox>(&windows::Main(), row.control);
        QAccessibleInterface* named = QAccessible::queryAccessibleInterface(list);
        list->setCurrentIndex(row.index);

        EXPECT_EQ(named->text(QAccessible::Name), row.name);
        QAccessibleTextInterface* text = named->textInterface();
        ASSERT_NE(text, nullptr) << row.control;
        EXPECT_EQ(text->text(0, text->characterCount()), row.chosen);
        // The entries, made when a screen reader first looks at them, and a later choice.
        ASSERT_NE(named->child(0), nullptr) << row.control;
        for (const int chosen : {row.index, 1}) {
            list->setCurrentIndex(chosen);
            const QModelIndexList selected = list->view()->selectionModel()->selectedIndexes();
            ASSERT_EQ(selected.size(), 1) << row.control;
            EXPECT_EQ(selected[0].row(), chosen) << row.control;
        }
    }
}

// "Show list" (and "Press") opens a drop-down list as Alt+Down does, and closes it when open;
// other actions do nothing.
TEST_F(AccessibleNames, DropDownListsOpenAndCloseOnShowList) {
    frmMain& form = ShownMainWindow();
    for (const char* control : {"cboMonth", "cmbTimeZone"}) {
        auto* list = Child<QComboBox>(&form, control);
        QAccessibleActionInterface* actions =
            QAccessible::queryAccessibleInterface(list)->actionInterface();
        ASSERT_NE(actions, nullptr) << control;
        EXPECT_EQ(actions->actionNames(), (QStringList{QAccessibleActionInterface::showMenuAction(),
                                                       QAccessibleActionInterface::pressAction()}))
            << control;
        for (const QString& action : {QAccessibleActionInterface::showMenuAction(),
                                      QAccessibleActionInterface::pressAction()}) {
            EXPECT_EQ(actions->keyBindingsForAction(action), QStringList{"Alt+Down"}) << control;
            actions->doAction(action);
            EXPECT_TRUE(list->view()->isVisible())
                << control << " opened by " << action.toStdString();
            actions->doAction(action);
            EXPECT_FALSE(list->view()->isVisible())
                << control << " closed by " << action.toStdString();
        }
        actions->doAction(QAccessibleActionInterface::increaseAction());
        EXPECT_FALSE(list->view()->isVisible()) << control;
        EXPECT_TRUE(
            actions->keyBindingsForAction(QAccessibleActionInterface::increaseAction()).isEmpty())
            << control;
    }
}

// The chosen entry read as text, "March": any part of it by offsets (those outside it held
// to its ends, an end of -1 its last), one character or word at an offset, and never a
// selection or a cursor past its start.
TEST_F(AccessibleNames, DropDownListsGiveTheRangesOfTheirEntry) {
    auto* list = Child<QComboBox>(&windows::Main(), "cboMonth");
    list->setCurrentIndex(2);
    QAccessibleTextInterface* text = QAccessible::queryAccessibleInterface(list)->textInterface();
    ASSERT_NE(text, nullptr);
    EXPECT_EQ(text->characterCount(), 5);
    const struct {
        int start, end;
        const char* expected;
    } ranges[] = {{0, 5, "March"}, {1, 3, "ar"},  {4, 5, "h"},      {2, 2, ""}, {0, 0, ""},
                  {3, 99, "ch"},   {-5, 2, "Ma"}, {0, -1, "March"}, {5, 9, ""}, {4, 1, ""}};
    for (const auto& range : ranges) {
        EXPECT_EQ(text->text(range.start, range.end), range.expected)
            << range.start << ".." << range.end;
    }
    int start = -1;
    int end = -1;
    EXPECT_EQ(text->textAtOffset(2, QAccessible::CharBoundary, &start, &end), "r");
    EXPECT_EQ(start, 2);
    EXPECT_EQ(end, 3);
    EXPECT_EQ(text->textAtOffset(4, QAccessible::CharBoundary, &start, &end), "h");
    EXPECT_EQ(start, 4);
    EXPECT_EQ(end, 5);
    EXPECT_EQ(text->textAtOffset(3, QAccessible::WordBoundary, &start, &end), "March");
    EXPECT_EQ(start, 0);
    EXPECT_EQ(end, 5);

    EXPECT_EQ(text->selectionCount(), 0);
    text->setSelection(0, 1, 3);
    text->addSelection(0, 5);
    EXPECT_EQ(text->selectionCount(), 0);
    start = end = -1;
    text->selection(0, &start, &end);
    EXPECT_EQ(start, 0);
    EXPECT_EQ(end, 0);
    text->setCursorPosition(4);
    EXPECT_EQ(text->cursorPosition(), 0);
    start = end = -1;
    text->attributes(3, &start, &end);
    EXPECT_EQ(start, 0);
    EXPECT_EQ(end, 5) << "one run of attributes over the whole entry";
}

TEST_F(AccessibleNames, PlaceListIsNamedAndReferAFriendIsAWindow) {
    const frmPlaceChoice choice(
        PlaceChoice{QStringLiteral("Paris"), {QStringLiteral("Paris, France")}, false, QString()});
    const auto* places = Child<QListWidget>(&choice, "lstPlaces");
    EXPECT_EQ(QAccessible::queryAccessibleInterface(const_cast<QListWidget*>(places))
                  ->text(QAccessible::Name),
              "Places found");
    EXPECT_EQ(QAccessible::queryAccessibleInterface(&windows::NagScreen())->role(),
              QAccessible::Window);
}

// The refer-a-friend window's message box lies below its frame, where no one sees it: a
// screen reader is told it is out of sight, as it is told of a hidden control, and passes
// over it. The boxes in sight are not; the box can still take the focus with Tab.
TEST_F(AccessibleNames, MessageBoxOutOfSightIsOutOfSightToScreenReaders) {
    frmNagScreen2& window = windows::NagScreen();
    window.show();
    const struct {
        const char* control;
        bool outOfSight;
    } rows[] = {{"txtName", false},        {"txtEmail", false},  {"txtFriendName", false},
                {"txtFriendEmail", false}, {"txtMessage", true}, {"cmdSubmit", false}};
    for (const auto& row : rows) {
        const QAccessible::State state =
            QAccessible::queryAccessibleInterface(Child<QWidget>(&window, row.control))->state();
        EXPECT_EQ(state.invisible, row.outOfSight) << row.control;
        EXPECT_EQ(state.offscreen, row.outOfSight) << row.control;
        EXPECT_TRUE(state.focusable) << row.control;
    }
    // Moved into its frame's sight, it would be announced again.
    auto* message = Child<QWidget>(&window, "txtMessage");
    message->move(message->x(), 0);
    EXPECT_FALSE(QAccessible::queryAccessibleInterface(message)->state().invisible);
    window.hide();
}

// A link's name says what it is; its description carries the words on screen unless it has
// its own; pressing it through its interface opens what a click opens.
TEST_F(AccessibleNames, LinksAreDescribedAndPressedLikeTheyAreClicked) {
    frmAbout box;
    const struct {
        QWidget* window;
        const char* name;
        const char* control;
        QString description;  // empty: not checked
    } links[] = {
        {&windows::Main(), "Discussion board", "Label61", {}},
        {&windows::Main(), "Resale offer", "lblFullBrand",
         QString::fromUtf8(texts::kFullBrandOffer)},
        {&windows::Main(), "Co-branding offer", "lblCobrand",
         QString::fromUtf8(texts::kCoBrandOffer)},
        {&windows::Display(), "Discussion board", "Label61",
         QString::fromUtf8(texts::kDiscussionBanner)},
        {&windows::Display(), "Resale offer", "lblFullBrand", {}},
        {&windows::NagScreen(), "Visit the software catalogue", "lblGoToHome", {}},
        {&box, "Home page", "lblHomePage", QString::fromUtf8(texts::kAboutHomePageInvitation)},
        {&box, "More details", "lblCoBrand",
         QStringLiteral("Opens the page about selling this program under your own brand")},
    };
    for (const auto& link : links) {
        link.window->show();
        fake.web.opened.clear();
        QTest::mouseClick(Child<QWidget>(link.window, link.control), Qt::LeftButton);
        const QStringList clicked = fake.web.opened;
        ASSERT_EQ(clicked.size(), 1) << link.name << ": the click opens one page";

        fake.web.opened.clear();
        const QList<QAccessibleInterface*> named =
            AccessibleNamed(link.window, QString::fromLatin1(link.name));
        ASSERT_EQ(named.size(), 1) << link.name;
        EXPECT_TRUE(named.front()->state().linked) << link.name;
        if (!link.description.isEmpty()) {
            EXPECT_EQ(named.front()->text(QAccessible::Description), link.description) << link.name;
        }
        QAccessibleActionInterface* actions = named.front()->actionInterface();
        ASSERT_NE(actions, nullptr) << link.name;
        EXPECT_TRUE(actions->actionNames().contains(QAccessibleActionInterface::pressAction()))
            << link.name;
        actions->doAction(QAccessibleActionInterface::pressAction());
        EXPECT_EQ(fake.web.opened, clicked) << link.name;
    }
    box.hide();
}

}  // namespace
}  // namespace fortunix::formtests
