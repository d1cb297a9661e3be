#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include "app/Startup.h"
#include "forms/ExitHandOff.h"
#include "forms/Windows.h"
#include "forms/frmAbout.h"
#include "forms/frmDisplay.h"
#include "forms/frmMain.h"
#include "forms/frmNagScreen2.h"
#include "support/FakePlatform.h"
#include "support/LoadedWindows.h"
#include "support/ModalWindow.h"

namespace fortunix {
namespace {

template <typename Widget>
Widget* Child(QWidget* window, const char* name) {
    Widget* widget = window->findChild<Widget*>(QString::fromLatin1(name));
    EXPECT_NE(widget, nullptr) << name;
    return widget;
}

// The windows the user can see, by their object names, in load order.
QStringList VisibleWindows() {
    QStringList visible;
    for (QWidget* window : windows::Loaded()) {
        if (window->isVisible()) {
            visible.append(QString::fromLatin1(window->metaObject()->className())
                               .remove(QStringLiteral("fortunix::")));
        }
    }
    return visible;
}

// Everything runs the way the program runs it: start-up, then the user's commands. The
// platform is the recording one.
class ProgramLife : public ::testing::Test {
  protected:
    void SetUp() override { ASSERT_TRUE(RunStartup()); }
    void TearDown() override { test_support::UnloadAllWindows(); }

    frmMain& Main() { return windows::Main(); }
    frmDisplay& Display() { return windows::Display(); }

    void FillBirthData(const char* name) {
        Child<QLineEdit>(&Main(), "txtName")->setText(QString::fromLatin1(name));
        Child<QLineEdit>(&Main(), "txtLonD")->setText(QStringLiteral("0"));
        Child<QLineEdit>(&Main(), "txtLonM")->setText(QStringLiteral("0"));
        Child<QLineEdit>(&Main(), "txtLatD")->setText(QStringLiteral("51"));
        Child<QLineEdit>(&Main(), "txtLatM")->setText(QStringLiteral("30"));
    }
    void RequestReading() { Child<QPushButton>(&Main(), "cmdRashi")->click(); }
    void Settle() { test_support::ProcessDeferredDeletes(); }

    fakes::FakePlatform fake;
};

TEST_F(ProgramLife, FirstReadingLoadsTheExitWindowHidden) {
    FillBirthData("ANN");
    RequestReading();

    ASSERT_TRUE(fake.messages.shown.empty());
    ASSERT_TRUE(windows::IsNagScreenLoaded());
    EXPECT_EQ(VisibleWindows(), QStringList{"frmDisplay"});
    EXPECT_EQ(fake.random.seedings, 2) << "start-up, then the refer-a-friend window's load";
}

TEST_F(ProgramLife, ClosingTheMainWindowHandsOverToTheExitWindow) {
    Child<QAction>(&Main(), "mnuExit")->trigger();
    Settle();

    EXPECT_FALSE(windows::IsMainLoaded());
    EXPECT_EQ(VisibleWindows(), QStringList{"frmNagScreen2"});
    EXPECT_TRUE(fake.process.statuses.empty());
}

TEST_F(ProgramLife, LeavingTheResultWindowShowsTheExitWindowAndKeepsMainHidden) {
    struct ExitCase {
        const char* name;
        std::function<void(frmDisplay&)> leave;
    };
    const ExitCase cases[] = {
        {"Exit button",
         [](frmDisplay& window) { Child<QPushButton>(&window, "cmdExit")->click(); }},
        {"File menu", [](frmDisplay& window) { Child<QAction>(&window, "mnuExit")->trigger(); }},
        {"Escape", [](frmDisplay& window) { QTest::keyClick(&window, Qt::Key_Escape); }},
        {"close box", [](frmDisplay& window) { window.close(); }},
    };
    for (const ExitCase& row : cases) {
        FillBirthData("ANN");
        RequestReading();
        ASSERT_EQ(VisibleWindows(), QStringList{"frmDisplay"}) << row.name;

        row.leave(Display());
        Settle();

        EXPECT_FALSE(windows::IsDisplayLoaded()) << row.name;
        EXPECT_TRUE(windows::IsMainLoaded()) << row.name;
        EXPECT_EQ(VisibleWindows(), QStringList{"frmNagScreen2"}) << row.name;
        EXPECT_TRUE(fake.process.statuses.empty()) << row.name;
        // Back to the start for the next row.
        HideExitWindow();
        Main().show();
    }
}

TEST_F(ProgramLife, ReadingRightAfterBackShowsAFreshResultWindow) {
    FillBirthData("ANN");
    RequestReading();
    QWidget* closedResult = &Display();
    const QString caption = Child<QLabel>(&Display(), "lblPartOfFortune")->text();

    // No event loop runs between the two commands, so the closed window is not deleted yet.
    Child<QPushButton>(&Display(), "cmdOK")->click();
    RequestReading();

    EXPECT_NE(&Display(), closedResult);
    EXPECT_TRUE(Display().isVisible());
    EXPECT_EQ(Child<QLabel>(&Display(), "lblPartOfFortune")->text(), caption);
    Settle();
    EXPECT_EQ(VisibleWindows(), QStringList{"frmDisplay"});
}

// Opens the about box with the window's Help menu item and closes it with OK.
void AboutThroughTheMenu(QWidget* window) {
    bool aboutBox = false;
    const test_support::ModalOutcome outcome =
        test_support::AnswerModalWindow([window] { Child<QAction>(window, "mnuAbout")->trigger(); },
                                        [&aboutBox](QWidget& modal) {
                                            aboutBox = qobject_cast<frmAbout*>(&modal) != nullptr;
                                            Child<QPushButton>(&modal, "cmdOK")->click();
                                        });
    EXPECT_TRUE(outcome.shown && aboutBox) << "no modal about box";
    EXPECT_FALSE(outcome.leftOpen) << "the about box stayed open";
}

TEST_F(ProgramLife, AboutBoxLeavesTheCallingWindowAsItWas) {
    FillBirthData("ANN");
    AboutThroughTheMenu(&Main());
    Settle();
    EXPECT_EQ(VisibleWindows(), QStringList{"frmMain"});
    EXPECT_EQ(Child<QLineEdit>(&Main(), "txtName")->text(), QStringLiteral("ANN"));
    EXPECT_EQ(Child<QLineEdit>(&Main(), "txtLatD")->text(), QStringLiteral("51"));

    RequestReading();
    const QString caption = Child<QLabel>(&Display(), "lblPartOfFortune")->text();
    AboutThroughTheMenu(&Display());
    Settle();
    ASSERT_TRUE(windows::IsDisplayLoaded());
    EXPECT_EQ(VisibleWindows(), QStringList{"frmDisplay"});
    EXPECT_EQ(Child<QLabel>(&Display(), "lblPartOfFortune")->text(), caption);
}

TEST_F(ProgramLife, ReadingBackReadingExitThroughTheReferAFriendWindow) {
    FillBirthData("ANN");
    RequestReading();
    const QString firstCaption = Child<QLabel>(&Display(), "lblPartOfFortune")->text();
    Child<QPushButton>(&Display(), "cmdOK")->click();  // Back
    Settle();
    ASSERT_EQ(VisibleWindows(), QStringList{"frmMain"});
    EXPECT_FALSE(windows::IsDisplayLoaded());
    EXPECT_TRUE(windows::IsNagScreenLoaded());
    EXPECT_EQ(Child<QLineEdit>(&Main(), "txtName")->text(), QStringLiteral("ANN"));
    EXPECT_TRUE(fake.process.statuses.empty());

    Child<QLineEdit>(&Main(), "txtLatD")->setText(QStringLiteral("10"));
    RequestReading();
    ASSERT_EQ(VisibleWindows(), QStringList{"frmDisplay"});
    EXPECT_NE(Child<QLabel>(&Display(), "lblPartOfFortune")->text(),
              QStringLiteral("lblPartOfFortune"));
    EXPECT_FALSE(firstCaption.isEmpty());

    Child<QPushButton>(&Display(), "cmdExit")->click();
    Settle();
    ASSERT_EQ(VisibleWindows(), QStringList{"frmNagScreen2"});

    Child<QPushButton>(&windows::NagScreen(), "cmdClose")->click();
    Settle();

    EXPECT_EQ(fake.process.statuses, std::vector<int>{0});
    EXPECT_TRUE(windows::Loaded().isEmpty());
    EXPECT_TRUE(fake.messages.shown.empty());
}

}  // namespace
}  // namespace fortunix
