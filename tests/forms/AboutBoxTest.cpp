#include "forms/frmAbout.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QLabel>
#include <QPushButton>
#include <QTest>
#include <functional>

#include "platform/ProgramInfo.h"
#include "shell/ProgramTexts.h"
#include "shell/modHelp.h"
#include "support/FakePlatform.h"
#include "support/ModalWindow.h"
#include "widgets/Twips.h"

namespace fortunix {
namespace {

// Shows the about box modally over `caller` and runs `whileShown` inside its modal loop.
// `whileShown` is expected to close it; if it does not, the box is closed after 5 s and the
// test fails instead of hanging.
void ShowAboutBoxAndRun(QWidget* caller, const std::function<void(frmAbout&)>& whileShown) {
    const test_support::ModalOutcome outcome = test_support::AnswerModalWindow(
        [caller] { ShowAboutBox(caller); },
        [&whileShown](QWidget& window) {
            auto* box = qobject_cast<frmAbout*>(&window);
            ASSERT_NE(box, nullptr) << "the modal window is no about box";
            whileShown(*box);
        });
    EXPECT_TRUE(outcome.shown) << "no modal about box";
    EXPECT_FALSE(outcome.leftOpen) << "the about box stayed open";
}

template <typename Widget>
Widget* Find(frmAbout& box, const char* name) {
    Widget* widget = box.findChild<Widget*>(QString::fromLatin1(name));
    EXPECT_NE(widget, nullptr) << name;
    return widget;
}

TEST(AboutBox, NamesTheProgramAndItsPurposeWithoutClaimingRights) {
    fakes::FakePlatform fake;
    ShowAboutBoxAndRun(nullptr, [](frmAbout& box) {
        EXPECT_EQ(box.windowTitle(), QString::fromLatin1(kProgramTitle));
        EXPECT_EQ(box.size(), TwipsRect(0, 0, 6015, 4095).size());
        EXPECT_EQ(box.palette().color(QPalette::Window), QColor(96, 211, 232));
        EXPECT_EQ(Find<QLabel>(box, "Label2")->text(), QString::fromLatin1(kProgramTitle));
        EXPECT_EQ(Find<QLabel>(box, "Label1")->text(), QString::fromUtf8(texts::kAboutDescription));
        EXPECT_TRUE(Find<QLabel>(box, "Label3")->text().startsWith("Home Business Opportunity."));
        EXPECT_EQ(Find<QLabel>(box, "lblCoBrand")->text(),
                  QStringLiteral("Click here for more details"));
        EXPECT_TRUE(Find<QLabel>(box, "lblQtCredit")->text().contains("Qt"));
        EXPECT_TRUE(Find<QLabel>(box, "lblQtCredit")->text().contains("GeoNames, CC BY 4.0"));
        EXPECT_TRUE(
            Find<QLabel>(box, "lblQtCredit")->text().contains("IANA tz database, public domain"));
        EXPECT_EQ(Find<QLabel>(box, "lblHomePage")->cursor().shape(), Qt::PointingHandCursor);
        EXPECT_EQ(Find<QLabel>(box, "lblCoBrand")->cursor().shape(), Qt::PointingHandCursor);
        auto* ok = Find<QPushButton>(box, "cmdOK");
        EXPECT_EQ(ok->text(), QStringLiteral("&OK"));
        EXPECT_TRUE(ok->isDefault());
        ok->click();
    });
}

TEST(AboutBox, LinksOpenTheirPagesAndTheBoxStaysOpen) {
    fakes::FakePlatform fake;
    ShowAboutBoxAndRun(nullptr, [&fake](frmAbout& box) {
        QTest::mouseClick(Find<QLabel>(box, "lblCoBrand"), Qt::LeftButton);
        EXPECT_EQ(QApplication::activeModalWidget(), &box);
        QTest::mouseClick(Find<QLabel>(box, "lblHomePage"), Qt::LeftButton);
        EXPECT_EQ(QApplication::activeModalWidget(), &box);
        EXPECT_TRUE(box.isVisible());
        EXPECT_EQ(fake.web.opened,
                  (QStringList{HelpSiteBase() + "/fully-branded.html", MainSiteBase()}));
        box.findChild<QPushButton*>("cmdOK")->click();
    });
}

TEST(AboutBox, EnterAndEscapeClose) {
    fakes::FakePlatform fake;
    for (const Qt::Key key : {Qt::Key_Return, Qt::Key_Escape}) {
        ShowAboutBoxAndRun(nullptr, [key](frmAbout& box) { QTest::keyClick(&box, key); });
    }
    EXPECT_TRUE(fake.web.opened.isEmpty());
}

}  // namespace
}  // namespace fortunix
