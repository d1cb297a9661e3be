#include <QClipboard>
#include <QKeyEvent>

#include "forms/FormTestSupport.h"
#include "forms/KeyPressFilter.h"

namespace fortunix::formtests {
namespace {

TEST(TypedCharacterCode, GivesTheCodeOfTheCharacterAKeyTypes) {
    const struct {
        const char* name;
        int key;
        Qt::KeyboardModifiers modifiers;
        QString text;
        std::optional<int> expected;
    } cases[] = {
        {"lower-case letter", Qt::Key_A, Qt::NoModifier, "a", 97},
        {"capital letter", Qt::Key_A, Qt::ShiftModifier, "A", 65},
        {"digit", Qt::Key_7, Qt::NoModifier, "7", 55},
        {"hyphen", Qt::Key_Minus, Qt::NoModifier, "-", 45},
        {"space", Qt::Key_Space, Qt::NoModifier, " ", 32},
        {"Ctrl+V", Qt::Key_V, Qt::ControlModifier, "\x16", 22},
        {"Ctrl+V without control text", Qt::Key_V, Qt::ControlModifier, "v", 22},
        {"Ctrl+A", Qt::Key_A, Qt::ControlModifier, "", 1},
        {"backspace", Qt::Key_Backspace, Qt::NoModifier, "\b", 8},
        {"Enter", Qt::Key_Return, Qt::NoModifier, "\r", 13},
        {"keypad Enter", Qt::Key_Enter, Qt::KeypadModifier, "\r", 13},
        {"Escape", Qt::Key_Escape, Qt::NoModifier, "\x1b", 27},
        {"Tab", Qt::Key_Tab, Qt::NoModifier, "\t", std::nullopt},
        {"Delete", Qt::Key_Delete, Qt::NoModifier, "\x7f", std::nullopt},
        {"left arrow", Qt::Key_Left, Qt::NoModifier, "", std::nullopt},
        {"Home", Qt::Key_Home, Qt::NoModifier, "", std::nullopt},
        {"F1", Qt::Key_F1, Qt::NoModifier, "", std::nullopt},
    };
    for (const auto& row : cases) {
        const QKeyEvent event(QEvent::KeyPress, row.key, row.modifiers, row.text);
        EXPECT_EQ(TypedCharacterCode(event), row.expected) << row.name;
    }
}

using KeyFilters = FormTest;

struct TypedKey {
    const char* name;
    Qt::Key key;
    Qt::KeyboardModifiers modifiers;
};

TEST_F(KeyFilters, NameBoxTakesLettersAsCapitalsSpaceEnterAndBackspace) {
    frmMain& form = ShownMainWindow();
    auto* name = Child<QLineEdit>(&form, "txtName");
    QTest::keyClicks(name, "ann Lee");
    QTest::keyClick(name, Qt::Key_Return);
    EXPECT_EQ(name->text(), "ANN LEE");
    QTest::keyClick(name, Qt::Key_Backspace);
    EXPECT_EQ(name->text(), "ANN LE");
    EXPECT_TRUE(fake.messages.shown.empty());
}

TEST_F(KeyFilters, NameBoxRefusesOtherCharactersWithTheLettersNotice) {
    frmMain& form = ShownMainWindow();
    auto* name = Child<QLineEdit>(&form, "txtName");
    const TypedKey refused[] = {{"hyphen", Qt::Key_Minus, Qt::NoModifier},
                                {"apostrophe", Qt::Key_Apostrophe, Qt::NoModifier},
                                {"digit", Qt::Key_5, Qt::NoModifier},
                                {"Escape", Qt::Key_Escape, Qt::NoModifier},
                                {"Ctrl+V", Qt::Key_V, Qt::ControlModifier}};
    QGuiApplication::clipboard()->setText("PASTED");
    for (const TypedKey& typed : refused) {
        name->setText("ANN");
        fake.messages.shown.clear();
        QTest::keyClick(name, typed.key, typed.modifiers);
        EXPECT_EQ(name->text(), "ANN") << typed.name;
        ASSERT_EQ(fake.messages.shown.size(), 1u) << typed.name;
        EXPECT_EQ(fake.messages.shown[0].text, "Please Enter only Letters") << typed.name;
        EXPECT_EQ(fake.messages.shown[0].icon, MessageIcon::Information) << typed.name;
    }
}

TEST_F(KeyFilters, CoordinateBoxesTakeDigitsAndBackspace) {
    frmMain& form = ShownMainWindow();
    for (const char* boxName : {"txtLonD", "txtLonM", "txtLatD", "txtLatM"}) {
        auto* box = Child<QLineEdit>(&form, boxName);
        QTest::keyClicks(box, "59");
        EXPECT_EQ(box->text(), "59") << boxName;
        QTest::keyClick(box, Qt::Key_Backspace);
        EXPECT_EQ(box->text(), "5") << boxName;
    }
    EXPECT_TRUE(fake.messages.shown.empty());
}

TEST_F(KeyFilters, CoordinateBoxesRefuseEverythingElseWithTheNumbersError) {
    frmMain& form = ShownMainWindow();
    const TypedKey refused[] = {
        {"letter", Qt::Key_A, Qt::NoModifier},     {"minus sign", Qt::Key_Minus, Qt::NoModifier},
        {"point", Qt::Key_Period, Qt::NoModifier}, {"space", Qt::Key_Space, Qt::NoModifier},
        {"Enter", Qt::Key_Return, Qt::NoModifier}, {"Escape", Qt::Key_Escape, Qt::NoModifier},
        {"Ctrl+V", Qt::Key_V, Qt::ControlModifier}};
    QGuiApplication::clipboard()->setText("12");
    for (const char* boxName : {"txtLonD", "txtLonM", "txtLatD", "txtLatM"}) {
        auto* box = Child<QLineEdit>(&form, boxName);
        for (const TypedKey& typed : refused) {
            box->setText("1");
            fake.messages.shown.clear();
            QTest::keyClick(box, typed.key, typed.modifiers);
            EXPECT_EQ(box->text(), "1") << boxName << ' ' << typed.name;
            ASSERT_EQ(fake.messages.shown.size(), 1u) << boxName << ' ' << typed.name;
            EXPECT_EQ(fake.messages.shown[0].text, "Only Numbers Are Accepted");
            EXPECT_EQ(fake.messages.shown[0].icon, MessageIcon::Error);
        }
    }
}

TEST_F(KeyFilters, KeysThatTypeNothingPassUnfiltered) {
    frmMain& form = ShownMainWindow();
    auto* box = Child<QLineEdit>(&form, "txtLonD");
    box->setText("123");
    QTest::keyClick(box, Qt::Key_Home);
    QTest::keyClick(box, Qt::Key_Delete);
    QTest::keyClick(box, Qt::Key_End);
    QTest::keyClick(box, Qt::Key_Left);
    QTest::keyClick(box, '9');
    EXPECT_EQ(box->text(), "293");
    EXPECT_TRUE(fake.messages.shown.empty());
}

TEST_F(KeyFilters, PastingThroughTheContextMenuIsNotFiltered) {
    frmMain& form = ShownMainWindow();
    QGuiApplication::clipboard()->setText("4x");
    auto* box = Child<QLineEdit>(&form, "txtLatD");
    box->paste();  // what the context menu's Paste does
    EXPECT_EQ(box->text(), "4x");
    auto* name = Child<QLineEdit>(&form, "txtName");
    QGuiApplication::clipboard()->setText("o'neil");
    name->paste();
    EXPECT_EQ(name->text(), "o'neil");
    EXPECT_TRUE(fake.messages.shown.empty());
}

}  // namespace
}  // namespace fortunix::formtests
