#include <QAccessible>
#include <QTest>

#include "a11y/AccessibleTree.h"
#include "forms/FormTestSupport.h"
#include "shell/ProgramTexts.h"
#include "shell/frmAbout.h"
#include "shell/frmNagScreen2.h"

namespace fortunix::formtests {
namespace {

using a11ytests::AccessibleNamed;

// A control as a screen reader user meets it: its spoken name, its role and the control of
// the window that must answer to them.
struct NamedControl {
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

const NamedControl kMainWindow[] = {
    {"Name", kEdit, "txtName"},
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
    {"Co-branding offer", kLink, "lblCobrand"},
};

const NamedControl kResultWindow[] = {
    {"Part of Fortune", kText, "lblPartOfFortune"},
    {"Interpretation", kText, "lblPartOfFortuneDesc"},
    {"Back", kButton, "cmdOK"},
    {"Exit", kButton, "cmdExit"},
    {"Discussion board", kLink, "Label61"},
    {"Co-branding offer", kLink, "lblCobrand"},
    {"Resale offer", kLink, "lblFullBrand"},
};

const NamedControl kReferAFriendWindow[] = {
    {"Your name", kEdit, "txtName"},
    {"Your e-mail address", kEdit, "txtEmail"},
    {"Friend's name", kEdit, "txtFriendName"},
    {"Friend's e-mail address", kEdit, "txtFriendEmail"},
    {"Your message", kEdit, "txtMessage"},
    {"Refer a friend now", kButton, "cmdSubmit"},
    {"Exit", kButton, "cmdClose"},
    {"Visit the web site now", kCheck, "Check1"},
    {"Visit the software catalogue", kLink, "lblGoToHome"},
};

const NamedControl kAboutBox[] = {
    {"Home page", kLink, "lblHomePage"},
    {"More details", kLink, "lblCoBrand"},
    {"OK", kButton, "cmdOK"},
};

// The interface of `control` among those that answer to `name`; nothing when none does.
QAccessibleInterface* NamedControlInterface(QWidget* window, const char* name,
                                            const char* control) {
    for (QAccessibleInterface* named : AccessibleNamed(window, QString::fromUtf8(name))) {
        if (named->object() != nullptr && named->object()->objectName() == control) {
            return named;
        }
    }
    return nullptr;
}

// Each name leads to the expected control, which has the expected role. (A caption or menu
// item may answer to the same name: "Name" beside the name box, "Back" in the File menu.)
template <std::size_t Count>
void ExpectNamedControls(QWidget* window, const NamedControl (&controls)[Count]) {
    for (const NamedControl& expected : controls) {
        QAccessibleInterface* named =
            NamedControlInterface(window, expected.name, expected.control);
        ASSERT_NE(named, nullptr) << window->objectName().toStdString() << ": no "
                                  << expected.control << " named \"" << expected.name << "\"";
        EXPECT_EQ(named->role(), expected.role) << expected.name;
    }
}

using AccessibleNames = FormTest;

TEST_F(AccessibleNames, MainWindowControlsAnswerToTheirNamesAndRoles) {
    ExpectNamedControls(&windows::Main(), kMainWindow);
}

TEST_F(AccessibleNames, ResultWindowControlsAnswerToTheirNamesAndRoles) {
    ExpectNamedControls(&windows::Display(), kResultWindow);
}

TEST_F(AccessibleNames, ReferAFriendWindowControlsAnswerToTheirNamesAndRoles) {
    ExpectNamedControls(&windows::NagScreen(), kReferAFriendWindow);
}

TEST_F(AccessibleNames, AboutBoxControlsAnswerToTheirNamesAndRoles) {
    frmAbout box;
    ExpectNamedControls(&box, kAboutBox);
}

// The short name says what a link is; its description carries the words on screen, unless
// the link has a description of its own.
TEST_F(AccessibleNames, LinksAreDescribedByTheirCaptionOrTheirOwnDescription) {
    frmAbout box;
    const struct {
        QWidget* window;
        const char* name;
        QString description;
    } links[] = {
        {&windows::Main(), "Resale offer", QString::fromUtf8(texts::kFullBrandOffer)},
        {&windows::Main(), "Co-branding offer", QString::fromUtf8(texts::kCoBrandOffer)},
        {&windows::Display(), "Discussion board", QString::fromUtf8(texts::kDiscussionBanner)},
        {&box, "Home page", QString::fromUtf8(texts::kAboutHomePageInvitation)},
        {&box, "More details",
         QStringLiteral("Opens the page about selling this program under your own brand")},
    };
    for (const auto& link : links) {
        const QList<QAccessibleInterface*> named =
            AccessibleNamed(link.window, QString::fromLatin1(link.name));
        ASSERT_EQ(named.size(), 1) << link.name;
        EXPECT_EQ(named.front()->text(QAccessible::Description), link.description) << link.name;
        EXPECT_TRUE(named.front()->state().linked) << link.name;
    }
}

// Pressing a link through its accessibility interface opens what a mouse click opens.
TEST_F(AccessibleNames, PressingALinkOpensTheSamePageAsClickingIt) {
    frmAbout box;
    const struct {
        QWidget* window;
        const char* name;
        const char* control;
    } links[] = {
        {&windows::Main(), "Discussion board", "Label61"},
        {&windows::Main(), "Resale offer", "lblFullBrand"},
        {&windows::Main(), "Co-branding offer", "lblCobrand"},
        {&windows::Display(), "Resale offer", "lblFullBrand"},
        {&windows::NagScreen(), "Visit the software catalogue", "lblGoToHome"},
        {&box, "Home page", "lblHomePage"},
        {&box, "More details", "lblCoBrand"},
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
