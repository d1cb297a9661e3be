#include <QPushButton>
#include <functional>

#include "forms/FormTestSupport.h"
#include "platform/ProgramInfo.h"
#include "reading/Interpretation.h"

namespace fortunix::formtests {
namespace {

using ResultWindow = FormTest;

// Fresh, and again after a reading and Back: the window starts from its design texts.
TEST_F(ResultWindow, ShowsItsDesignTextsFreshAndAfterBack) {
    for (const bool afterBack : {false, true}) {
        if (afterBack) {
            Child<QPushButton>(&ShownReading(), "cmdOK")->click();
            test_support::ProcessDeferredDeletes();
        }
        const frmDisplay& display = windows::Display();
        EXPECT_EQ(display.windowTitle(), QString::fromLatin1(kProgramTitle));
        const struct {
            const char* control;
            const char* caption;
        } captions[] = {{"lblPartOfFortune", "lblPartOfFortune"},
                        {"Label2", "Part Of Fortune :-"},
                        {"Frame1", "Fortunix Result"},
                        {"cmdExit", "&Exit"},
                        {"cmdOK", "&Back"}};
        for (const auto& row : captions) {
            EXPECT_EQ(Caption(Child<QWidget>(&display, row.control)), row.caption)
                << row.control << (afterBack ? " after Back" : "");
        }
        auto* paragraph = Child<QLabel>(&display, "lblPartOfFortuneDesc");
        const std::string_view leo = InterpretationParagraph(4);
        EXPECT_EQ(paragraph->text().toStdString(), leo);
        EXPECT_TRUE(paragraph->text().startsWith(
            "An epitome of optimism, liveliness and high-level-energy"));
        EXPECT_TRUE(paragraph->wordWrap());
    }
}

TEST_F(ResultWindow, FocusStartsOnExitAndTabAlternatesBetweenTheTwoButtons) {
    frmDisplay& display = ShownReading();
    for (const char* expected : {"cmdExit", "cmdOK", "cmdExit"}) {
        EXPECT_EQ(QApplication::focusWidget(), Child<QPushButton>(&display, expected));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    }
}

// Every way out of the result window closes it; only Back shows the main window again.
TEST_F(ResultWindow, ExitAndBackCommandsCloseTheWindow) {
    const auto key = [](std::vector<Qt::Key> keys) {
        return [keys](frmDisplay&) {
            for (const Qt::Key pressed : keys) {
                QTest::keyClick(QApplication::focusWidget(), pressed);
            }
        };
    };
    const auto command = [](const char* name) {
        return [name](frmDisplay& display) {
            if (auto* button = display.findChild<QPushButton*>(name)) {
                button->click();
            } else {
                Child<QAction>(&display, name)->trigger();
            }
        };
    };
    const struct {
        const char* name;
        std::function<void(frmDisplay&)> act;
        bool mainShown;
    } ways[] = {
        {"Escape with the focus on Exit", key({Qt::Key_Escape}), false},
        {"Escape with the focus on Back", key({Qt::Key_Tab, Qt::Key_Escape}), false},
        {"Enter on opening", key({Qt::Key_Return}), false},
        {"Enter after Tab to Back", key({Qt::Key_Tab, Qt::Key_Return}), true},
        {"Exit button", command("cmdExit"), false},
        {"Exit menu item", command("mnuExit"), false},
        {"Back button", command("cmdOK"), true},
        {"Back menu item", command("mnuFileBack"), true},
    };
    for (const auto& way : ways) {
        way.act(ShownReading());
        test_support::ProcessDeferredDeletes();
        EXPECT_FALSE(windows::IsDisplayLoaded()) << way.name;
        EXPECT_EQ(windows::Main().isVisible(), way.mainShown) << way.name;
        TearDown();
    }
}

}  // namespace
}  // namespace fortunix::formtests
