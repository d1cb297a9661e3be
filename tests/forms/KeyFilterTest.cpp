#include <QApplication>
#include <QClipboard>
#include <QInputMethodEvent>
#include <QKeyEvent>

#include "forms/FormTestSupport.h"
#include "widgets/KeyPressFilter.h"

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
        // Letters, digits, Backspace and Escape also pass through the box filters below.
        {"capital letter", Qt::Key_A, Qt::ShiftModifier, "A", 65},
        {"space", Qt::Key_Space, Qt::NoModifier, " ", 32},
        {"Ctrl+V", Qt::Key_V, Qt::ControlModifier, "\x16", 22},
        {"Ctrl+V without control text", Qt::Key_V, Qt::ControlModifier, "v", 22},
        {"Ctrl+A", Qt::Key_A, Qt::ControlModifier, "", 1},
        {"Enter", Qt::Key_Return, Qt::NoModifier, "\r", 13},
        {"keypad Enter", Qt::Key_Enter, Qt::KeypadModifier, "\r", 13},
        {"Tab", Qt::Key_Tab, Qt::NoModifier, "\t", std::nullopt},
        {"Delete", Qt::Key_Delete, Qt::NoModifier, "\x7f", std::nullopt},
        {"Home", Qt::Key_Home, Qt::NoModifier, "", std::nullopt},
        {"F1", Qt::Key_F1, Qt::NoModifier, "", std::nullopt},
        {"Alt+Q, an access key", Qt::Key_Q, Qt::AltModifier, "q", std::nullopt},
        {"Alt+Shift+5, an access key", Qt::Key_5, Qt::AltModifier | Qt::ShiftModifier, "%",
         std::nullopt},
        {"AltGr+Q typing @, Ctrl+Alt on Windows", Qt::Key_Q, Qt::ControlModifier | Qt::AltModifier,
         "@", 64},
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
    Qt::KeyboardModifiers modifiers = Qt::NoModifier;
};

// Each box takes its characters (the name box as capitals) and refuses every other typed
// character, Ctrl+V included, with its own message; the text stays as it was.
TEST_F(KeyFilters, BoxesTakeTheirCharactersAndRefuseOthersWithTheirMessage) {
    const std::vector<TypedKey> notLetters = {{"hyphen", Qt::Key_Minus},
                                              {"apostrophe", Qt::Key_Apostrophe},
                                              {"digit", Qt::Key_5},
                                              {"Escape", Qt::Key_Escape},
                                              {"Ctrl+V", Qt::Key_V, Qt::ControlModifier}};
    const std::vector<TypedKey> notDigits = {{"letter", Qt::Key_A},
                                             {"minus sign", Qt::Key_Minus},
                                             {"point", Qt::Key_Period},
                                             {"space", Qt::Key_Space},
                                             {"Enter", Qt::Key_Return},
                                             {"Escape", Qt::Key_Escape},
                                             {"Ctrl+V", Qt::Key_V, Qt::ControlModifier}};
    const char* kLetters = "Please Enter only Letters";
    const char* kNumbers = "Only Numbers Are Accepted";
    const struct {
        const char* box;
        const char* typed;  // then Enter for the name, then Backspace
        const char* shown;
        const std::vector<TypedKey>& refused;
        const char* message;
        MessageIcon icon;
    } boxes[] = {
        {"txtName", "ann Lee", "ANN LEE", notLetters, kLetters, MessageIcon::Information},
        {"txtLonD", "59", "59", notDigits, kNumbers, MessageIcon::Error},
        {"txtLonM", "59", "59", notDigits, kNumbers, MessageIcon::Error},
        {"txtLatD", "59", "59", notDigits, kNumbers, MessageIcon::Error},
        {"txtLatM", "59", "59", notDigits, kNumbers, MessageIcon::Error},
    };
    frmMain& form = ShownMainWindow();
    QGuiApplication::clipboard()->setText("12");
    for (const auto& row : boxes) {
        auto* box = Child<QLineEdit>(&form, row.box);
        QTest::keyClicks(box, row.typed);
        if (row.message == kLetters) {
            QTest::keyClick(box, Qt::Key_Return);
        }
        EXPECT_EQ(box->text(), row.shown) << row.box;
        QTest::keyClick(box, Qt::Key_Backspace);
        EXPECT_EQ(box->text(), QString(row.shown).chopped(1)) << row.box << " Backspace";
        EXPECT_TRUE(fake.messages.shown.empty()) << row.box << ": " << Joined(MessageTexts());

        for (const TypedKey& typed : row.refused) {
            const std::string context = std::string(row.box) + ' ' + typed.name;
            box->setText("1");
            fake.messages.shown.clear();
            QTest::keyClick(box, typed.key, typed.modifiers);
            EXPECT_EQ(box->text(), "1") << context;
            ExpectOneMessage(row.message, row.icon, context);
        }
        fake.messages.shown.clear();
    }
}

// Alt with a letter or a digit chooses by access key and types nothing, in any box.
TEST_F(KeyFilters, AccessKeysTypeNothingAndRaiseNothing) {
    frmMain& form = ShownMainWindow();
    const struct {
        const char* box;
        Qt::Key key;
    } rows[] = {{"txtName", Qt::Key_Q}, {"txtLonD", Qt::Key_Z}, {"txtLatM", Qt::Key_5}};
    for (const auto& row : rows) {
        auto* box = Child<QLineEdit>(&form, row.box);
        box->setText("1");
        QTest::keyClick(box, row.key, Qt::AltModifier);
        EXPECT_EQ(box->text(), "1") << row.box;
    }
    EXPECT_TRUE(fake.messages.shown.empty()) << Joined(MessageTexts());
}

// Text an input method commits (a dead key, compose, an IME) is judged character by
// character as if typed; one message for a commit with refused characters.
TEST_F(KeyFilters, InputMethodCommitsAreJudgedLikeTypedCharacters) {
    const char* kLetters = "Please Enter only Letters";
    const char* kNumbers = "Only Numbers Are Accepted";
    const struct {
        const char* box;
        QString committed;
        const char* shown;
        const char* message;  // nullptr: none
        MessageIcon icon;
    } rows[] = {
        {"txtName", "ann", "ANN", nullptr, MessageIcon::Information},
        {"txtName", QStringLiteral("é"), "", kLetters, MessageIcon::Information},
        {"txtName", QStringLiteral("zé-a"), "ZA", kLetters, MessageIcon::Information},
        {"txtLonD", "17", "17", nullptr, MessageIcon::Error},
        {"txtLonM", "x", "", kNumbers, MessageIcon::Error},
        {"txtLatD", QStringLiteral("\uFF11"), "", kNumbers, MessageIcon::Error},  // full-width 1
        // Control characters: Enter and backspace, keys the boxes take, add nothing to the
        // text and raise nothing; a tab, a line feed or a bell is refused like any other.
        {"txtName", QStringLiteral("a\rb\bc"), "ABC", nullptr, MessageIcon::Information},
        {"txtName", QStringLiteral("a\tb"), "AB", kLetters, MessageIcon::Information},
        {"txtName", QStringLiteral("a\nb"), "AB", kLetters, MessageIcon::Information},
        {"txtName", QStringLiteral("a\u0007"), "A", kLetters, MessageIcon::Information},
        {"txtLonD", QStringLiteral("1\b2\r"), "12", kNumbers, MessageIcon::Error},
        {"txtLatM", QStringLiteral("\b"), "", nullptr, MessageIcon::Error},
        {"txtLatM", QStringLiteral("3\t\n\u0007"), "3", kNumbers, MessageIcon::Error},
    };
    frmMain& form = ShownMainWindow();
    for (const auto& row : rows) {
        const std::string context = std::string(row.box) + " " + row.committed.toStdString();
        auto* box = Child<QLineEdit>(&form, row.box);
        box->clear();
        fake.messages.shown.clear();
        QInputMethodEvent commit;
        commit.setCommitString(row.committed);
        QApplication::sendEvent(box, &commit);
        EXPECT_EQ(box->text(), row.shown) << context;
        if (row.message == nullptr) {
            EXPECT_TRUE(fake.messages.shown.empty()) << context << ": " << Joined(MessageTexts());
        } else {
            ExpectOneMessage(row.message, row.icon, context);
        }
    }
}

// Keys that type nothing, and the context menu's Paste, go through unfiltered.
TEST_F(KeyFilters, EditingKeysAndContextMenuPastePassUnfiltered) {
    frmMain& form = ShownMainWindow();
    auto* box = Child<QLineEdit>(&form, "txtLonD");
    box->setText("123");
    for (const Qt::Key key : {Qt::Key_Home, Qt::Key_Delete, Qt::Key_End, Qt::Key_Left}) {
        QTest::keyClick(box, key);
    }
    QTest::keyClick(box, '9');
    EXPECT_EQ(box->text(), "293");

    const struct {
        const char* box;
        const char* pasted;
    } pastes[] = {{"txtLatD", "4x"}, {"txtName", "o'neil"}};
    for (const auto& row : pastes) {
        QGuiApplication::clipboard()->setText(row.pasted);
        Child<QLineEdit>(&form, row.box)->paste();  // what the context menu's Paste does
        EXPECT_EQ(Child<QLineEdit>(&form, row.box)->text(), row.pasted) << row.box;
    }
    EXPECT_TRUE(fake.messages.shown.empty());
}

}  // namespace
}  // namespace fortunix::formtests
