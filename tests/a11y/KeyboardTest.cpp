#include <QAccessible>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QTest>
#include <functional>
#include <vector>

#include "a11y/AccessibleTree.h"
#include "forms/FormTestSupport.h"
#include "forms/frmAbout.h"
#include "forms/frmNagScreen2.h"

namespace fortunix::formtests {
namespace {

QString FocusName() {
    const QWidget* focus = QApplication::focusWidget();
    return focus == nullptr ? QStringLiteral("(nothing)") : focus->objectName();
}

// Keys go where a user's keys go: to the control that has the focus, or to an open menu.
void Press(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
    QWidget* target = QApplication::activePopupWidget();
    if (target == nullptr) {
        target = QApplication::focusWidget();
    }
    ASSERT_NE(target, nullptr) << "no control has the focus";
    QTest::keyClick(target, key, modifiers);
}

using Keyboard = FormTest;

// The worked example (1 January 2000, 12:00 GMT, 0°0' W, 51°30' N) typed from the first focus
// on; each row is a Tab stop and what the user types or presses there before Tab.
TEST_F(Keyboard, WorkedReadingAndBackWithTheKeyboardAlone) {
    frmMain& form = ShownMainWindow();
    struct Stop {
        const char* focus;
        const char* typed;
        std::vector<Qt::Key> keys;
    };
    const std::vector<Qt::Key> twelveDown(12, Qt::Key_Down);
    const Stop stops[] = {
        {"txtName", "JOHN", {}},
        {"cboMonth", "", {}},       // January stays
        {"cboDate", "", {}},        // 1 stays
        {"cboYear", "2000", {}},    // typing picks the year
        {"cboHH", "", twelveDown},  // 0 -> 12 with the arrow key
        {"cboMM", "", {}},          // 0
        {"cboSS", "", {}},          // 0
        {"chkDST", "", {}},         // no daylight saving
        {"txtLonM", "0", {}},
        {"optLong_0", "", {Qt::Key_Down}},  // East -> West
        {"txtLatD", "51", {}},
        {"txtLatM", "30", {}},
        {"optLat_0", "", {}},  // North stays
        {"txtMCity", "London", {}},
        {"txtMState", "England", {}},
        {"txtMCountry", "United Kingdom", {}},
        {"cmdBrowser", "", {}},
        {"cmdRashi", "", {}},
        {"txtLonD", "0", {}},
        {"cmbTimeZone", "", {}},  // Greenwich Mean Time stays
    };
    for (const Stop& stop : stops) {
        ASSERT_EQ(FocusName(), stop.focus);
        QTest::keyClicks(QApplication::focusWidget(), stop.typed);
        for (const Qt::Key key : stop.keys) {
            Press(key);
        }
        Press(Qt::Key_Tab);
    }
    ASSERT_EQ(FocusName(), "txtName") << "Tab returns to the name after the last stop";

    Press(Qt::Key_F, Qt::AltModifier);
    auto* fileMenu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
    ASSERT_NE(fileMenu, nullptr) << "Alt+F opens the File menu";
    EXPECT_EQ(fileMenu->objectName(), "mnuFile");
    Press(Qt::Key_Return);  // its first item: "Get My Part Of Fortune Reading"
    EXPECT_TRUE(MessageTexts().isEmpty()) << Joined(MessageTexts());

    ASSERT_TRUE(windows::IsDisplayLoaded());
    frmDisplay& display = windows::Display();
    ASSERT_TRUE(display.isVisible());
    Activate(display);
    EXPECT_EQ(FocusName(), "cmdExit");
    const QString caption = QString::fromUtf8("21\u00BA Gemini");
    EXPECT_EQ(Child<QLabel>(&display, "lblPartOfFortune")->text(), caption);
    const QList<QAccessibleInterface*> result =
        a11ytests::AccessibleNamed(&display, QStringLiteral("Part of Fortune"));
    ASSERT_EQ(result.size(), 1);
    EXPECT_EQ(result.front()->text(QAccessible::Description), caption)
        << "a screen reader hears the result with its name";

    Press(Qt::Key_B, Qt::AltModifier);  // a button's access key clicks it after a short press
    EXPECT_TRUE(QTest::qWaitFor([] {
        test_support::ProcessDeferredDeletes();
        return !windows::IsDisplayLoaded();
    }));
    EXPECT_TRUE(form.isVisible());
    EXPECT_EQ(Child<QLineEdit>(&form, "txtName")->text(), "JOHN");
    EXPECT_EQ(Child<QComboBox>(&form, "cboYear")->currentText(), "2000");
    EXPECT_EQ(Child<QComboBox>(&form, "cboHH")->currentText(), "12");
    EXPECT_TRUE(Child<QRadioButton>(&form, "optLong_1")->isChecked());
}

// Alt with the underlined letter of a button or menu, in each window.
TEST_F(Keyboard, AccessKeysChooseTheirButtonOrMenu) {
    const auto readingShown = [this] { ShownReading(); };
    const auto referAFriendShown = [this] {
        windows::NagScreen().show();
        Activate(windows::NagScreen());
    };
    const auto menuOpen = [](const char* menu) {
        return [menu] {
            const QWidget* popup = QApplication::activePopupWidget();
            return popup != nullptr && popup->objectName() == menu;
        };
    };
    frmAbout aboutBox;
    struct AccessKey {
        const char* what;
        std::function<void()> open;
        Qt::Key key;
        std::function<bool()> chosen;
    };
    const AccessKey accessKeys[] = {
        {"Alt+F in the main window", [this] { ShownMainWindow(); }, Qt::Key_F, menuOpen("mnuFile")},
        {"Alt+H in the main window", [this] { ShownMainWindow(); }, Qt::Key_H, menuOpen("mnuHelp")},
        {"Alt+F in the result window", readingShown, Qt::Key_F, menuOpen("mnuFile")},
        {"Alt+B in the result window", readingShown, Qt::Key_B,
         [] {
             test_support::ProcessDeferredDeletes();
             return !windows::IsDisplayLoaded() && windows::Main().isVisible();
         }},
        {"Alt+E in the result window", readingShown, Qt::Key_E,
         [] {
             test_support::ProcessDeferredDeletes();
             return !windows::IsDisplayLoaded() && windows::NagScreen().isVisible() &&
                    !windows::Main().isVisible();
         }},
        {"Alt+N in the refer-a-friend window", referAFriendShown, Qt::Key_N,
         [this] {
             return MessageTexts() ==
                    QStringList{QStringLiteral("Please Enter Proper Email Address")};
         }},
        {"Alt+X in the refer-a-friend window", referAFriendShown, Qt::Key_X,
         [this] { return fake.process.statuses == std::vector<int>{0}; }},
        {"Alt+O in the about box",
         [&aboutBox] {
             aboutBox.show();
             Activate(aboutBox);
         },
         Qt::Key_O, [&aboutBox] { return !aboutBox.isVisible(); }},
    };
    for (const AccessKey& accessKey : accessKeys) {
        accessKey.open();
        Press(accessKey.key, Qt::AltModifier);
        // A button's access key shows the button pressed for a moment before it clicks.
        EXPECT_TRUE(QTest::qWaitFor(accessKey.chosen, 1000)) << accessKey.what;
        if (QWidget* popup = QApplication::activePopupWidget()) {
            popup->close();
        }
        TearDown();
        fake.messages.shown.clear();
        fake.process.statuses.clear();
    }
}

// Alt+F and one letter choose one item: no two items of a menu share a letter, and every item
// has one but the reading command, whose caption has none.
TEST_F(Keyboard, EveryMenuItemHasALetterOfItsOwn) {
    frmMain& form = ShownMainWindow();
    Fill(form, BirthInput{});
    form.cmdRashi_Click();  // remembered: the Recent Births submenu lists a birth
    emit Child<QMenu>(&form, "mnuRecentBirths")->aboutToShow();
    for (const QWidget* window :
         {static_cast<QWidget*>(&form), static_cast<QWidget*>(&windows::Display())}) {
        for (const QMenu* menu : window->findChildren<QMenu*>()) {
            QStringList letters;
            for (const QAction* action : menu->actions()) {
                const QString name = action->objectName();
                const QString key = QKeySequence::mnemonic(action->text()).toString();
                if (action->isSeparator() || name == "mnuNext" ||
                    name.startsWith("mnuRecentBirth_")) {
                    continue;  // a birth's own text is no caption
                }
                EXPECT_FALSE(key.isEmpty()) << qPrintable(name);
                EXPECT_FALSE(letters.contains(key)) << qPrintable(name) << " " << qPrintable(key);
                letters.append(key);
            }
        }
    }
}

}  // namespace
}  // namespace fortunix::formtests
