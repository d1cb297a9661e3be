#include <QGroupBox>
#include <QLabel>
#include <QPushButton>

#include "forms/FormTestSupport.h"
#include "reading/Interpretation.h"

namespace fortunix::formtests {
namespace {

using ResultWindow = FormTest;

// The state a reading leaves: the main window hidden, the result window shown and active.
frmDisplay& ShowResult(frmMain& form) {
    Fill(form, BirthInput{});
    form.cmdRashi_Click();
    frmDisplay& display = windows::Display();
    display.activateWindow();
    EXPECT_TRUE(QTest::qWaitForWindowActive(&display));
    return display;
}

TEST_F(ResultWindow, FreshWindowShowsItsDesignTexts) {
    const frmDisplay& display = windows::Display();
    EXPECT_EQ(display.windowTitle(), "Fortunix v1.30");
    EXPECT_EQ(Child<QLabel>(&display, "lblPartOfFortune")->text(), "lblPartOfFortune");
    const std::string_view leo = InterpretationParagraph(4);
    EXPECT_EQ(Child<QLabel>(&display, "lblPartOfFortuneDesc")->text(),
              QString::fromUtf8(leo.data(), static_cast<qsizetype>(leo.size())));
    EXPECT_TRUE(Child<QLabel>(&display, "lblPartOfFortuneDesc")
                    ->text()
                    .startsWith("An epitome of optimism, liveliness and high-level-energy"));
    EXPECT_TRUE(Child<QLabel>(&display, "lblPartOfFortuneDesc")->wordWrap());
    EXPECT_EQ(Child<QLabel>(&display, "Label2")->text(), "Part Of Fortune :-");
    EXPECT_EQ(Child<QGroupBox>(&display, "Frame1")->title(), "Fortunix Result");
    EXPECT_EQ(Child<QPushButton>(&display, "cmdExit")->text(), "&Exit");
    EXPECT_EQ(Child<QPushButton>(&display, "cmdOK")->text(), "&Back");
}

TEST_F(ResultWindow, ClientAreaIsTheDesignSizeWithoutMinimiseOrMaximiseBox) {
    frmDisplay& display = windows::Display();
    display.show();
    // 7935 x 4815 twips at 15 twips to the pixel.
    EXPECT_EQ(display.centralWidget()->size(), QSize(529, 321));
    EXPECT_EQ(display.minimumSize(), display.maximumSize());
    EXPECT_FALSE(display.windowFlags().testFlag(Qt::WindowMinimizeButtonHint));
    EXPECT_FALSE(display.windowFlags().testFlag(Qt::WindowMaximizeButtonHint));
    EXPECT_FALSE(display.windowIcon().isNull());
}

TEST_F(ResultWindow, ResaleOfferLiesInFrontOfTheCoBrandOffer) {
    const frmDisplay& display = windows::Display();
    auto* fullBrand = Child<QLabel>(&display, "lblFullBrand");
    const QPoint middle = fullBrand->geometry().center();
    EXPECT_EQ(fullBrand->parentWidget()->childAt(middle), fullBrand);
}

TEST_F(ResultWindow, FocusStartsOnExitAndTabAlternatesBetweenTheTwoButtons) {
    frmDisplay& display = ShowResult(ShownMainWindow());
    auto* exitButton = Child<QPushButton>(&display, "cmdExit");
    auto* backButton = Child<QPushButton>(&display, "cmdOK");
    EXPECT_EQ(QApplication::focusWidget(), exitButton);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    EXPECT_EQ(QApplication::focusWidget(), backButton);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    EXPECT_EQ(QApplication::focusWidget(), exitButton);
}

TEST_F(ResultWindow, EscapeActsAsExitWhereverTheFocusIs) {
    for (const bool focusOnBack : {false, true}) {
        frmMain& form = ShownMainWindow();
        frmDisplay& display = ShowResult(form);
        if (focusOnBack) {
            Child<QPushButton>(&display, "cmdOK")->setFocus();
        }
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
        FlushClosedWindows();
        EXPECT_FALSE(windows::IsDisplayLoaded()) << "focus on Back: " << focusOnBack;
        EXPECT_FALSE(form.isVisible()) << "focus on Back: " << focusOnBack;
        TearDown();
    }
}

TEST_F(ResultWindow, EnterChoosesExitOnOpeningAndBackAfterTabbingToIt) {
    frmMain& form = ShownMainWindow();
    ShowResult(form);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    FlushClosedWindows();
    EXPECT_FALSE(windows::IsDisplayLoaded());
    EXPECT_FALSE(form.isVisible());

    form.show();
    ShowResult(form);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    FlushClosedWindows();
    EXPECT_FALSE(windows::IsDisplayLoaded());
    EXPECT_TRUE(form.isVisible());
}

TEST_F(ResultWindow, ExitCommandsCloseTheWindowAndLeaveTheMainWindowHidden) {
    const char* commands[] = {"cmdExit", "mnuExit"};
    for (const char* command : commands) {
        frmMain& form = ShownMainWindow();
        frmDisplay& display = ShowResult(form);
        if (auto* button = display.findChild<QPushButton*>(command)) {
            button->click();
        } else {
            Child<QAction>(&display, command)->trigger();
        }
        FlushClosedWindows();
        EXPECT_FALSE(windows::IsDisplayLoaded()) << command;
        EXPECT_FALSE(form.isVisible()) << command;
        TearDown();
    }
}

TEST_F(ResultWindow, BackMenuItemReturnsToTheMainWindow) {
    frmMain& form = ShownMainWindow();
    frmDisplay& display = ShowResult(form);
    Child<QAction>(&display, "mnuFileBack")->trigger();
    FlushClosedWindows();
    EXPECT_FALSE(windows::IsDisplayLoaded());
    EXPECT_TRUE(form.isVisible());
}

TEST_F(ResultWindow, ReopenedWindowStartsFromItsDesignTexts) {
    frmMain& form = ShownMainWindow();
    ShowResult(form);
    Child<QPushButton>(&windows::Display(), "cmdOK")->click();
    FlushClosedWindows();
    EXPECT_EQ(Child<QLabel>(&windows::Display(), "lblPartOfFortune")->text(), "lblPartOfFortune");
}

}  // namespace
}  // namespace fortunix::formtests
