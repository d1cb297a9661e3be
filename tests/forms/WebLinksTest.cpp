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

TEST_F(WebLinks, EachLinkOfBothWindowsOpensExactlyItsPage) {
    QWidget* windowsToCheck[] = {&ShownMainWindow(), &windows::Display()};
    for (QWidget* window : windowsToCheck) {
        window->show();
        for (const LinkCase& link : SharedLinks()) {
            fake.web.opened.clear();
            Choose(window, link.control);
            EXPECT_EQ(fake.web.opened, QStringList{link.address})
                << window->objectName().toStdString() << ' ' << link.control;
        }
    }
    EXPECT_TRUE(fake.messages.shown.empty());
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

// A menu's items as "name:caption", "name:-" for a separator.
std::string MenuItems(const QMenu* menu) {
    QStringList items;
    for (const QAction* action : menu->actions()) {
        items.append(action->objectName() + ':' + (action->isSeparator() ? "-" : action->text()));
    }
    return Joined(items);
}

TEST_F(WebLinks, MenusOfBothWindows) {
    const struct {
        QWidget* window;
        const char* menu;
        const char* title;
        const char* items;
    } menus[] = {{&windows::Main(), "mnuFile", "&File",
                  "mnuNext:Get My Part Of Fortune Reading, mnuBirthsSep1:-, "
                  "mnuRecentBirthsMenu:Recent &Births, mnuRememberBirths:&Remember Births, "
                  "mnuBirthsSep2:-, mnuLanguageMenu:&Language, mnuExit:E&xit"},
                 {&windows::Main(), "mnuHelp", "&Help",
                  "mnuOnline:&Online Help, mnuVisit:&Visit Us Online, mnuHelp1:-, "
                  "mnuUpdate:Check for Software &Update, mnuHelp2:-, mnuAbout:&About Software"},
                 {&windows::Display(), "mnuFile", "&File",
                  "mnuFileBack:&Back, mnuReadingSep1:-, mnuCopyReading:&Copy Reading, "
                  "mnuSaveReadingPdf:&Save Reading as PDF\u2026, mnuPrint:&Print\u2026, "
                  "mnuPrintPreview:Print Pre&view\u2026, mnuReadingSep2:-, mnuExit:E&xit"},
                 {&windows::Display(), "mnuHelp", "&Help",
                  "mnuOnline:&Online Help, mnuVisit:&Visit Us Online, mnuFileSep1:-, "
                  "mnuUpdate:&Check for Software Update, mnuFileSep2:-, mnuAbout:&About Software"}};
    for (const auto& row : menus) {
        const std::string where = row.window->objectName().toStdString() + ' ' + row.menu;
        EXPECT_EQ(Child<QMenu>(row.window, row.menu)->title(), row.title) << where;
        EXPECT_EQ(MenuItems(Child<QMenu>(row.window, row.menu)), row.items) << where;
        EXPECT_EQ(Child<QAction>(row.window, "mnuDonate")->text(), "&Donate") << where;
    }
}

}  // namespace
}  // namespace fortunix::formtests
