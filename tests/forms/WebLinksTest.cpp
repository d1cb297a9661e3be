#include <QLabel>
#include <QMenu>

#include "forms/FormTestSupport.h"
#include "shell/modHelp.h"

namespace fortunix::formtests {
namespace {

using WebLinks = FormTest;

struct LinkCase {
    const char* control;
    QString address;
};

std::vector<LinkCase> SharedLinks() {
    return {
        {"mnuOnline", MainSiteBase() + "/fortunix/fortunix-help.html"},
        {"mnuVisit", MainSiteBase()},
        {"mnuUpdate", MainSiteBase() + "/fortunix/download-fortunix.html"},
        {"mnuDonate", HelpSiteBase() + "/donate.html"},
        {"Label61", MainSiteBase()},
        {"lblCobrand", HelpSiteBase() + "/co-brand.html"},
        {"lblFullBrand", HelpSiteBase() + "/fully-branded.html"},
    };
}

// Chooses a menu item or clicks a link label.
void Choose(QWidget* window, const char* control) {
    if (auto* label = window->findChild<QLabel*>(QString::fromLatin1(control))) {
        QTest::mouseClick(label, Qt::LeftButton);
    } else {
        Child<QAction>(window, control)->trigger();
    }
}

void ExpectEachLinkOpensExactlyItsPage(QWidget* window, fakes::FakePlatform& fake) {
    for (const LinkCase& link : SharedLinks()) {
        fake.web.opened.clear();
        Choose(window, link.control);
        EXPECT_EQ(fake.web.opened, QStringList{link.address})
            << window->objectName().toStdString() << ' ' << link.control;
    }
    EXPECT_TRUE(fake.messages.shown.empty());
}

TEST_F(WebLinks, EachLinkOfTheMainWindowOpensExactlyItsPage) {
    ExpectEachLinkOpensExactlyItsPage(&ShownMainWindow(), fake);
}

TEST_F(WebLinks, EachLinkOfTheResultWindowOpensExactlyItsPage) {
    frmDisplay& display = windows::Display();
    display.show();
    ExpectEachLinkOpensExactlyItsPage(&display, fake);
}

TEST_F(WebLinks, MakeMoneyItemIsGreyedOutInBothWindows) {
    QWidget* windowsToCheck[] = {&windows::Main(), &windows::Display()};
    for (QWidget* window : windowsToCheck) {
        auto* item = Child<QAction>(window, "mkmoney");
        EXPECT_EQ(item->text(), "Make Money &Online");
        EXPECT_TRUE(item->isVisible());
        EXPECT_FALSE(item->isEnabled());
        item->trigger();
        EXPECT_TRUE(fake.web.opened.isEmpty()) << window->objectName().toStdString();
    }
}

TEST_F(WebLinks, LinkLabelShowsTheHandAndIgnoresAPressDraggedOffIt) {
    frmMain& form = ShownMainWindow();
    auto* banner = Child<QLabel>(&form, "Label61");
    EXPECT_EQ(banner->cursor().shape(), Qt::PointingHandCursor);
    EXPECT_TRUE(banner->font().bold());
    EXPECT_TRUE(banner->font().underline());
    QTest::mousePress(banner, Qt::LeftButton, {}, banner->rect().center());
    QTest::mouseRelease(banner, Qt::LeftButton, {}, banner->rect().bottomRight() + QPoint(20, 20));
    EXPECT_TRUE(fake.web.opened.isEmpty());
}

struct MenuItem {
    const char* name;
    const char* caption;  // nullptr for a separator
};

void ExpectMenu(QWidget* window, const char* menuName, const char* caption,
                const std::vector<MenuItem>& items) {
    auto* menu = Child<QMenu>(window, menuName);
    EXPECT_EQ(menu->title(), caption) << menuName;
    const QList<QAction*> actions = menu->actions();
    ASSERT_EQ(actions.size(), static_cast<qsizetype>(items.size())) << menuName;
    for (std::size_t i = 0; i < items.size(); ++i) {
        QAction* action = actions[static_cast<qsizetype>(i)];
        EXPECT_EQ(action->objectName(), items[i].name);
        if (items[i].caption == nullptr) {
            EXPECT_TRUE(action->isSeparator()) << items[i].name;
        } else {
            EXPECT_EQ(action->text(), items[i].caption) << items[i].name;
        }
    }
}

TEST_F(WebLinks, MenusOfTheMainWindow) {
    frmMain& form = windows::Main();
    ExpectMenu(&form, "mnuFile", "&File",
               {{"mnuNext", "Get My Part Of Fortune Reading"}, {"mnuExit", "E&xit"}});
    ExpectMenu(&form, "mnuHelp", "&Help",
               {{"mnuOnline", "&Online Help"},
                {"mnuVisit", "&Visit Us Online"},
                {"mnuHelp1", nullptr},
                {"mnuUpdate", "Check for Software &Update"},
                {"mnuHelp2", nullptr},
                {"mnuAbout", "&About Software"}});
    EXPECT_EQ(Child<QAction>(&form, "mnuDonate")->text(), "&Donate");
}

TEST_F(WebLinks, MenusOfTheResultWindow) {
    frmDisplay& display = windows::Display();
    ExpectMenu(&display, "mnuFile", "&File", {{"mnuFileBack", "&Back"}, {"mnuExit", "E&xit"}});
    ExpectMenu(&display, "mnuHelp", "&Help",
               {{"mnuOnline", "&Online Help"},
                {"mnuVisit", "&Visit Us Online"},
                {"mnuFileSep1", nullptr},
                {"mnuUpdate", "&Check for Software Update"},
                {"mnuFileSep2", nullptr},
                {"mnuAbout", "&About Software"}});
    EXPECT_EQ(Child<QAction>(&display, "mnuDonate")->text(), "&Donate");
}

}  // namespace
}  // namespace fortunix::formtests
