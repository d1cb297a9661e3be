#include "forms/frmNagScreen2.h"

#include <gtest/gtest.h>

#include <QCheckBox>
#include <QFocusEvent>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>
#include <utility>

#include "forms/Windows.h"
#include "platform/ProgramInfo.h"
#include "shell/ProgramTexts.h"
#include "shell/modHelp.h"
#include "shell/modTellAFriend.h"
#include "support/FakePlatform.h"
#include "support/LoadedWindows.h"
#include "widgets/Twips.h"

namespace fortunix {
namespace {

class NagScreen : public ::testing::Test {
  protected:
    void SetUp() override { ReferralRequest = {}; }
    void TearDown() override { test_support::UnloadAllWindows(); }

    frmNagScreen2& Window() { return windows::NagScreen(); }
    template <typename Widget>
    Widget* Find(const char* name) {
        Widget* widget = Window().findChild<Widget*>(QString::fromLatin1(name));
        EXPECT_NE(widget, nullptr) << name;
        return widget;
    }
    QLineEdit* Box(const char* name) { return Find<QLineEdit>(name); }
    QString MessageText() {
        return Find<QPlainTextEdit>("txtMessage")->toPlainText().replace("\n", "\r\n");
    }
    void SendFocus(QWidget* box, QEvent::Type type, Qt::FocusReason reason) {
        QFocusEvent event(type, reason);
        QCoreApplication::sendEvent(box, &event);
    }

    fakes::FakePlatform fake;
};

TEST_F(NagScreen, LoadPicksTheAppealFromAFreshlySeededDraw) {
    const std::pair<float, std::size_t> cases[] = {{0.0f, 0},
                                                   {0.2499999f, 0},
                                                   {0.25f, 1},
                                                   {0.5f, 2},
                                                   {0.7499999f, 2},
                                                   {0.75f, 3},
                                                   {std::nextafter(1.0f, 0.0f), 3}};
    for (const auto& [draw, appeal] : cases) {
        fake.random.draws = {draw};
        fake.random.seedings = 0;
        EXPECT_EQ(Find<QLabel>("Label2")->text(), QString::fromUtf8(texts::kSupportAppeals[appeal]))
            << draw;
        EXPECT_EQ(fake.random.seedings, 1) << draw;
        test_support::UnloadAllWindows();
    }
}

TEST_F(NagScreen, OpensTopmostWithoutTakingTheKeyboardAndStartsOnItsPlaceholders) {
    frmNagScreen2& window = Window();

    EXPECT_EQ(window.windowTitle(), QString::fromLatin1(kProgramTitle));
    EXPECT_TRUE(window.windowFlags().testFlag(Qt::WindowStaysOnTopHint));
    EXPECT_TRUE(window.testAttribute(Qt::WA_ShowWithoutActivating));
    EXPECT_FALSE(window.isVisible());
    EXPECT_EQ(window.size(), TwipsRect(0, 0, 11115, 4725).size());
    EXPECT_EQ(Find<QLabel>("Label1")->text(), QString::fromLatin1(kProgramTitle));
    EXPECT_EQ(Find<QLabel>("Label1")->font().pointSizeF(), 18.0);
    EXPECT_EQ(window.focusWidget(), Find<QPushButton>("cmdClose"));
    EXPECT_EQ(Find<QPushButton>("cmdClose")->text(), QStringLiteral("E&xit"));
    EXPECT_EQ(Find<QPushButton>("cmdSubmit")->text(), QStringLiteral("Refer A Friend &Now"));
    EXPECT_EQ(Find<QGroupBox>("Frame2")->title(), QStringLiteral("Refer A Friend"));
    EXPECT_EQ(Find<QGroupBox>("Frame6")->title(), QStringLiteral("Download Vespera Softwares"));
    EXPECT_EQ(Find<QLabel>("lblGoToHome")->text(),
              QStringLiteral("Click Here To Visit Vespera Softwares"));
    EXPECT_FALSE(Find<QCheckBox>("Check1")->isChecked());
    EXPECT_EQ(MessageText(), QStringLiteral("Your Message\r\n"));
}

TEST_F(NagScreen, MessageBoxLiesBelowTheVisibleHeightOfItsFrame) {
    const auto* message = Find<QPlainTextEdit>("txtMessage");
    EXPECT_EQ(message->parentWidget(), Find<QGroupBox>("Frame2"));
    EXPECT_GE(message->geometry().top(), Find<QGroupBox>("Frame2")->height());
}

TEST_F(NagScreen, TabVisitsButtonsCheckBoxAndTextBoxesInOrder) {
    const QStringList expected = {"cmdClose",      "Check1",     "txtName",
                                  "cmdSubmit",     "txtEmail",   "txtFriendEmail",
                                  "txtFriendName", "txtMessage", "cmdClose"};
    QStringList visited = {QStringLiteral("cmdClose")};
    QWidget* current = Find<QPushButton>("cmdClose");
    while (visited.size() < expected.size()) {
        current = current->nextInFocusChain();
        if (current->focusPolicy() & Qt::TabFocus) {
            visited.append(current->objectName());
        }
    }
    EXPECT_EQ(visited, expected);
}

TEST_F(NagScreen, FocusClearsAPlaceholderAndLeavingEmptyRestoresIt) {
    struct BoxCase {
        const char* box;
        const char* placeholder;
    };
    const BoxCase cases[] = {{"txtName", "Your Name"},
                             {"txtEmail", "Your Email Address"},
                             {"txtFriendName", "Friend's Name"},
                             {"txtFriendEmail", "Friend's Email Address"}};
    for (const BoxCase& row : cases) {
        QLineEdit* box = Box(row.box);
        EXPECT_EQ(box->text(), QString::fromLatin1(row.placeholder)) << row.box << " at opening";
        SendFocus(box, QEvent::FocusIn, Qt::TabFocusReason);
        EXPECT_EQ(box->text(), QString()) << row.box;
        SendFocus(box, QEvent::FocusOut, Qt::TabFocusReason);
        EXPECT_EQ(box->text(), QString::fromLatin1(row.placeholder)) << row.box;

        box->setText(QStringLiteral("   "));
        SendFocus(box, QEvent::FocusOut, Qt::MouseFocusReason);
        EXPECT_EQ(box->text(), QString::fromLatin1(row.placeholder)) << row.box << " spaces";

        box->setText(QStringLiteral("  ") + row.placeholder + QStringLiteral(" "));
        SendFocus(box, QEvent::FocusIn, Qt::MouseFocusReason);
        EXPECT_EQ(box->text(), QString()) << row.box << " placeholder within spaces";

        box->setText(QString::fromLatin1(row.placeholder).toLower());
        SendFocus(box, QEvent::FocusIn, Qt::TabFocusReason);
        EXPECT_EQ(box->text(), QString::fromLatin1(row.placeholder).toLower())
            << row.box << " other case";

        box->clear();  // another window coming in front is not leaving the box
        SendFocus(box, QEvent::FocusOut, Qt::ActiveWindowFocusReason);
        EXPECT_EQ(box->text(), QString()) << row.box << " window change";
    }
}

TEST_F(NagScreen, MessageBoxKeepsItsInitialTextWhenFocused) {
    auto* message = Find<QPlainTextEdit>("txtMessage");
    SendFocus(message, QEvent::FocusIn, Qt::TabFocusReason);
    EXPECT_EQ(MessageText(), QStringLiteral("Your Message\r\n"));

    message->setPlainText(QStringLiteral("Your Message"));
    SendFocus(message, QEvent::FocusIn, Qt::TabFocusReason);
    EXPECT_EQ(MessageText(), QString());
    SendFocus(message, QEvent::FocusOut, Qt::TabFocusReason);
    EXPECT_EQ(MessageText(), QStringLiteral("Your Message"));
}

TEST_F(NagScreen, EmailBoxesRefuseSpaces) {
    for (const char* name : {"txtEmail", "txtFriendEmail"}) {
        fake.messages.shown.clear();
        QLineEdit* box = Box(name);
        box->clear();
        Box("txtName")->setFocus();

        QTest::keyClicks(box, QStringLiteral("a b"));

        EXPECT_EQ(box->text(), QStringLiteral("ab")) << name;
        ASSERT_EQ(fake.messages.shown.size(), 1u) << name;
        EXPECT_EQ(fake.messages.shown[0].text,
                  QStringLiteral("Email Address Cannot Contain Space"));
        EXPECT_EQ(fake.messages.shown[0].icon, MessageIcon::Error);
        EXPECT_EQ(Window().focusWidget(), box) << name;
    }
    QTest::keyClicks(Box("txtName"), QStringLiteral(" x"));
    EXPECT_EQ(fake.messages.shown.size(), 1u) << "the name box takes spaces";
}

TEST_F(NagScreen, CheckBoxAndLinkOpenTheirPages) {
    auto* check = Find<QCheckBox>("Check1");
    EXPECT_EQ(check->text().replace(u'\n', u' '), QString::fromUtf8(texts::kVisitSiteNowCaption));
    Window().show();

    QTest::mouseClick(check, Qt::LeftButton);
    EXPECT_FALSE(check->isChecked()) << "never stays ticked";
    QTest::mouseClick(Find<QLabel>("lblGoToHome"), Qt::LeftButton);

    EXPECT_EQ(fake.web.opened, (QStringList{MainSiteBase(), MainSiteBase() + "/vesperasoftwares"}));
}

struct SubmitCase {
    const char* name;
    QString senderName;
    QString senderEmail;
    QString friendName;
    QString friendEmail;
    QString message;  // empty: keep the initial text
    QString shown;    // the message, or empty when the page opens
};

TEST_F(NagScreen, SubmitChecksInOrderAndLeavesTheFieldsAsTheyWere) {
    const SubmitCase cases[] = {
        {"all at their placeholders", "Your Name", "Your Email Address", "Friend's Name",
         "Friend's Email Address", "", "Please Enter Proper Email Address"},
        {"same e-mails but for spaces around", "Ann", " ann@example.com ", "Bob", "ann@example.com",
         "", "Please Enter Distinct Email Addresses"},
        {"message emptied", "Ann", "ann@example.com", "Bob", "bob@example.org", "   ",
         "Please Enter Your Message"},
        {"friend's name missing", "Ann", "ann@example.com", "  ", "bob@example.org", "",
         "Please Enter Your Friend's Name"},
        {"e-mails differing in case only", "Ann", "Ann@Example.com", "Bob", "ann@example.com", "",
         ""},
    };
    for (const SubmitCase& row : cases) {
        fake.messages.shown.clear();
        fake.web.opened.clear();
        Box("txtName")->setText(row.senderName);
        Box("txtEmail")->setText(row.senderEmail);
        Box("txtFriendName")->setText(row.friendName);
        Box("txtFriendEmail")->setText(row.friendEmail);
        if (!row.message.isEmpty()) {
            Find<QPlainTextEdit>("txtMessage")->setPlainText(row.message);
        }

        Find<QPushButton>("cmdSubmit")->click();

        if (row.shown.isEmpty()) {
            EXPECT_TRUE(fake.messages.shown.empty()) << row.name;
            EXPECT_EQ(fake.web.opened.size(), 1) << row.name;
        } else {
            ASSERT_EQ(fake.messages.shown.size(), 1u) << row.name;
            EXPECT_EQ(fake.messages.shown[0].text, row.shown) << row.name;
            EXPECT_EQ(fake.messages.shown[0].icon, MessageIcon::Error) << row.name;
            EXPECT_EQ(fake.messages.shown[0].buttons, MessageButtons::Ok) << row.name;
            EXPECT_TRUE(fake.web.opened.isEmpty()) << row.name;
        }
        EXPECT_EQ(Box("txtName")->text(), row.senderName) << row.name;
        EXPECT_EQ(Box("txtEmail")->text(), row.senderEmail) << row.name;
        EXPECT_EQ(Box("txtFriendName")->text(), row.friendName) << row.name;
        EXPECT_EQ(Box("txtFriendEmail")->text(), row.friendEmail) << row.name;
        test_support::UnloadAllWindows();
    }
}

TEST_F(NagScreen, SubmissionSendsTheTrimmedFieldsEncodedAndStaysOpen) {
    Window().show();
    Box("txtName")->setText(QStringLiteral("  Ann Lee & Co=1 "));
    Box("txtEmail")->setText(QStringLiteral("ann@example.com"));
    Box("txtFriendName")->setText(QStringLiteral("Bob"));
    Box("txtFriendEmail")->setText(QStringLiteral("bob@example.org"));

    Find<QPushButton>("cmdSubmit")->click();
    Find<QPushButton>("cmdSubmit")->click();

    const QString expected = MainSiteBase() +
                             "/slsw-refer-a-friend.php?taf1=Ann%20Lee%20%26%20Co%3D1"
                             "&taf2=ann%40example.com&taf3=Your%20Message%0D%0A&taf4=Bob"
                             "&taf5=bob%40example.org&taf6=" +
                             MainSiteBase() + "/fortunix/";
    EXPECT_EQ(fake.web.opened, (QStringList{expected, expected}));
    EXPECT_EQ(ReferralRequest.senderName, QStringLiteral("Ann Lee & Co=1"));
    EXPECT_TRUE(Window().isVisible());
    EXPECT_TRUE(fake.process.statuses.empty());
}

TEST_F(NagScreen, ExitButtonAndCloseBoxEndTheProgram) {
    for (const bool useCloseBox : {false, true}) {
        fake.process.statuses.clear();
        frmNagScreen2& window = Window();
        window.show();
        if (useCloseBox) {
            window.close();
        } else {
            Find<QPushButton>("cmdClose")->click();
        }
        EXPECT_EQ(fake.process.statuses, std::vector<int>{0}) << useCloseBox;
        test_support::ProcessDeferredDeletes();
        EXPECT_FALSE(windows::IsNagScreenLoaded()) << useCloseBox;
    }
}

}  // namespace
}  // namespace fortunix
